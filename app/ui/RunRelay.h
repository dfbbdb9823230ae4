// RunRelay.h - where a run on a worker thread and its progress dialog on the
// window's thread meet.
//
// Classes:
//   CRunRelay  starts a run on a worker thread and carries what the run
//              tells its display (how many files, how far, the file under
//              way) to the window's thread, a Cancel click back to the run,
//              and the question whether to stop across and its answer back
//
// The run's loop then pays nothing per file for the window: a step is one
// counter, the file's text one short lock, and "stop?" one flag as long as
// nobody clicked Cancel. The window's thread reads where the run stands when
// it wants to repaint (CProgressDlg::RunOnWorker) and keeps every window of
// the program painted and answering meanwhile. While the question is up the
// run waits for the answer, so a Cancel still takes effect between two
// files. The run reaches the relay through g_pfnCreateRunProgress as usual:
// on the worker thread that hands out the relay's side of the display.
#pragma once

#include <afx.h>

#include "RunProgress.h"

#include <atomic>
#include <exception>
#include <functional>
#include <memory>
#include <mutex>
#include <string>

class CRunRelay {
public:
    // Where the run stands, as the window's thread reads it.
    struct State {
        bool begun = false;      // Begin was told
        int files = 0;           // the number Begin was told
        long long steps = 0;     // files under way or done
        std::string file;        // the last file the run showed
        bool fileShown = false;  // any file at all
        bool stopAsked = false;  // the run waits for Answer
    };

    // pauseBeforeFirstFile: how long the run lets the display be seen
    // before it touches the first file (ms).
    explicit CRunRelay(DWORD pauseBeforeFirstFile);
    ~CRunRelay();
    CRunRelay(const CRunRelay&) = delete;
    CRunRelay& operator=(const CRunRelay&) = delete;

    // Starts run on a worker thread; false when no thread could be started
    // (run has not been called then).
    bool Start(std::function<CString()> run);
    // Signalled when the worker has ended.
    HANDLE WorkerHandle() const { return m_hWorker; }
    // Signalled when the run began, showed its first file or asks whether
    // to stop: things the window's thread shows at once.
    HANDLE WakeEvent() const { return m_hWake; }

    // ---- The window's thread.
    // The user clicked Cancel: the run asks before its next file.
    void Cancel() { m_bCancel.store(true); }
    State Read() const;
    // The reply to the question the run waits on.
    void Answer(bool stop);
    // Once the worker has ended: the run's report. What the run threw is
    // thrown again here, on the caller's thread.
    CString Finish();

    // ---- The worker thread (through the display it is given).
    // The relay's side of the display, for the run on this worker thread;
    // null on any other thread and after the first call.
    static std::unique_ptr<CRunProgress> TakeProgressOfThisThread();
    void Begin(int nFiles);
    void Step() { m_nSteps.fetch_add(1, std::memory_order_relaxed); }
    bool StopRequested();
    void ShowFile(const char* text);

private:
    static unsigned __stdcall WorkerMain(void* relay);

    const DWORD m_dwPause;
    HANDLE m_hWorker = nullptr;
    HANDLE m_hWake = nullptr;
    HANDLE m_hAnswered = nullptr;
    std::function<CString()> m_run;
    CString m_strReport;             // written by the worker before it ends
    std::exception_ptr m_exception;  // likewise

    std::atomic<bool> m_bCancel{false};
    std::atomic<long long> m_nSteps{0};
    mutable std::mutex m_lock;  // guards what follows
    bool m_bBegun = false;
    int m_nFiles = 0;
    std::string m_strFile;
    bool m_bFileShown = false;
    bool m_bStopAsked = false;
    bool m_bStop = false;
    bool m_bAbandoned = false;  // the window's side is gone: stop
};
