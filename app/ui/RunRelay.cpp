// RunRelay.cpp - where a run on a worker thread and its progress dialog on
// the window's thread meet.
#include "RunRelay.h"

#include <process.h>

#include <utility>

namespace {

// The relay of the run on this worker thread, until the run takes its display.
thread_local CRunRelay* t_pRelay = nullptr;

// The display a run on a worker thread gets: it only tells the relay.
class CRelayedProgress : public CRunProgress {
public:
    explicit CRelayedProgress(CRunRelay& relay) : m_relay(relay) {}

    void Begin(int nFiles) override { m_relay.Begin(nFiles); }
    void Step() override { m_relay.Step(); }
    bool StopRequested() override { return m_relay.StopRequested(); }
    void ShowFile(const char* text) override { m_relay.ShowFile(text); }
    // The window's thread shows the end once the worker has ended.
    void End() override {}

private:
    CRunRelay& m_relay;
};

}  // namespace

CRunRelay::CRunRelay(DWORD pauseBeforeFirstFile)
    : m_dwPause(pauseBeforeFirstFile), m_hWake(::CreateEventA(nullptr, FALSE, FALSE, nullptr)),
      m_hAnswered(::CreateEventA(nullptr, FALSE, FALSE, nullptr)) {}

// A worker is always waited for: it uses this object to its end. Left
// before Finish (the window's side failed), the run is told to stop at its
// next file rather than wait for an answer nobody gives.
CRunRelay::~CRunRelay() {
    if (m_hWorker) {
        {
            std::lock_guard<std::mutex> hold(m_lock);
            m_bAbandoned = true;
        }
        m_bCancel.store(true);
        Answer(true);
        ::WaitForSingleObject(m_hWorker, INFINITE);
        ::CloseHandle(m_hWorker);
    }
    if (m_hWake) ::CloseHandle(m_hWake);
    if (m_hAnswered) ::CloseHandle(m_hAnswered);
}

bool CRunRelay::Start(std::function<CString()> run) {
    ASSERT(!m_hWorker);
    if (m_hWorker || !m_hWake || !m_hAnswered) return false;
    m_run = std::move(run);
    const uintptr_t thread = ::_beginthreadex(nullptr, 0, &CRunRelay::WorkerMain, this, 0, nullptr);
    m_hWorker = reinterpret_cast<HANDLE>(thread);
    return m_hWorker != nullptr;
}

// Nothing the run throws leaves the worker: it is handed to Finish.
unsigned __stdcall CRunRelay::WorkerMain(void* param) {
    CRunRelay* relay = static_cast<CRunRelay*>(param);
    t_pRelay = relay;
    try {
        relay->m_strReport = relay->m_run();
    } catch (...) {
        relay->m_exception = std::current_exception();
    }
    t_pRelay = nullptr;
    return 0;
}

CRunRelay::State CRunRelay::Read() const {
    State state;
    state.steps = m_nSteps.load(std::memory_order_relaxed);
    std::lock_guard<std::mutex> hold(m_lock);
    state.begun = m_bBegun;
    state.files = m_nFiles;
    state.file = m_strFile;
    state.fileShown = m_bFileShown;
    state.stopAsked = m_bStopAsked;
    return state;
}

void CRunRelay::Answer(bool stop) {
    {
        std::lock_guard<std::mutex> hold(m_lock);
        if (!m_bStopAsked) return;
        m_bStopAsked = false;
        m_bStop = stop;
    }
    ::SetEvent(m_hAnswered);
}

CString CRunRelay::Finish() {
    ASSERT(m_hWorker);
    if (m_hWorker) {
        ::WaitForSingleObject(m_hWorker, INFINITE);
        ::CloseHandle(m_hWorker);
        m_hWorker = nullptr;
    }
    if (m_exception) std::rethrow_exception(std::exchange(m_exception, nullptr));
    return m_strReport;
}

std::unique_ptr<CRunProgress> CRunRelay::TakeProgressOfThisThread() {
    CRunRelay* relay = std::exchange(t_pRelay, nullptr);
    if (!relay) return nullptr;
    return std::make_unique<CRelayedProgress>(*relay);
}

void CRunRelay::Begin(int nFiles) {
    {
        std::lock_guard<std::mutex> hold(m_lock);
        m_bBegun = true;
        m_nFiles = nFiles;
    }
    ::SetEvent(m_hWake);
    ::Sleep(m_dwPause);
}

// Asked only after a Cancel click; the run waits here until the window's
// thread has the user's answer.
bool CRunRelay::StopRequested() {
    if (!m_bCancel.exchange(false)) return false;
    {
        std::lock_guard<std::mutex> hold(m_lock);
        if (m_bAbandoned) return true;
        m_bStopAsked = true;
    }
    ::SetEvent(m_hWake);
    ::WaitForSingleObject(m_hAnswered, INFINITE);
    std::lock_guard<std::mutex> hold(m_lock);
    return m_bStop;
}

void CRunRelay::ShowFile(const char* text) {
    bool first;
    {
        std::lock_guard<std::mutex> hold(m_lock);
        m_strFile = text ? text : "";
        first = !m_bFileShown;
        m_bFileShown = true;
    }
    if (first) ::SetEvent(m_hWake);  // the first file is shown at once
}
