// ProgressDlg.cpp - the modeless progress dialog of a run, and how a run
// gets one.
#include "ProgressDlg.h"

#include "RunRelay.h"

#include <new>

CProgressDlg* g_pProgressDlg = nullptr;

namespace {

// The bar's upper end; larger ranges are shown scaled down to it. Kept in
// 15 bits so that no reading of the 16-bit values can turn negative.
const int kBarMax = 0x7FFF;
// How long a run shows its dialog before the first file.
const DWORD kPauseBeforeFirstFile = 500;
// The file, percentage and bar of a run change on screen at most this
// often (milliseconds): 20 times a second, as fast as an eye follows a
// changing text.
const DWORD kRepaintInterval = 50;

}  // namespace

CProgressDlg::CProgressDlg(UINT nTitleID)
    : CDialog(IDD_PROGRESS), m_nTitleID(nTitleID ? nTitleID : IDS_PROGRESS_TITLE), m_nLower(0), m_nUpper(100),
      m_nStep(5), m_bCancel(FALSE), m_bOwnerDisabled(FALSE), m_nPos(0), m_nRepaintInterval(kRepaintInterval),
      m_hWndOwner(nullptr), m_pRelay(nullptr), m_bRelayBegun(false), m_nRunPercentPos(0), m_bRunShown(false),
      m_dwRunShownAt(0) {}

CProgressDlg::~CProgressDlg() {
    if (m_hWnd || m_bOwnerDisabled) DestroyWindow();
}

void CProgressDlg::DoDataExchange(CDataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_PROGRESS_BAR, m_progress);
}

BOOL CProgressDlg::Create(CWnd* pParent) {
    HWND hWndOwner = nullptr;
    CWnd::GetSafeOwner(pParent, &hWndOwner);
    if (hWndOwner && ::IsWindowEnabled(hWndOwner)) {
        ::EnableWindow(hWndOwner, FALSE);
        m_bOwnerDisabled = TRUE;
        m_hWndOwner = hWndOwner;
    }

    INITCOMMONCONTROLSEX icc = {sizeof icc, ICC_PROGRESS_CLASS};
    ::InitCommonControlsEx(&icc);
    if (!CDialog::Create(IDD_PROGRESS, pParent)) {
        DestroyWindow();  // enables the owner again
        return FALSE;
    }
    g_pProgressDlg = this;
    return TRUE;
}

BOOL CProgressDlg::DestroyWindow() {
    if (m_bOwnerDisabled) {
        m_bOwnerDisabled = FALSE;
        if (::IsWindow(m_hWndOwner)) ::EnableWindow(m_hWndOwner, TRUE);
    }
    m_hWndOwner = nullptr;
    return CDialog::DestroyWindow();
}

// However the window goes, it is no longer the one on screen.
void CProgressDlg::PostNcDestroy() {
    if (g_pProgressDlg == this) g_pProgressDlg = nullptr;
    CDialog::PostNcDestroy();
}

BOOL CProgressDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    m_nPos = m_nLower;
    SendBarRange();
    m_progress.SendMessage(PBM_SETSTEP, static_cast<WPARAM>(m_nStep));
    SendBarPos();

    CString title;
    if (title.LoadString(m_nTitleID)) SetWindowText(title);
    return TRUE;
}

void CProgressDlg::SetRange(int nLower, int nUpper) {
    m_nLower = nLower;
    m_nUpper = nUpper;
    // Like the bar, the position stays inside the range.
    if (m_nPos < m_nLower) m_nPos = m_nLower;
    if (m_nPos > m_nUpper) m_nPos = m_nUpper;
    SendBarRange();
    SendBarPos();
}

int CProgressDlg::SetStep(int nStep) {
    int nPrevious = m_nStep;
    m_nStep = nStep;
    if (m_progress.m_hWnd) m_progress.SendMessage(PBM_SETSTEP, static_cast<WPARAM>(nStep));
    return nPrevious;
}

int CProgressDlg::StepIt() {
    PumpMessages();
    int nPrevious = m_nPos;
    const long long next = Advance();
    SendBarPos();
    UpdatePercent(next);
    return nPrevious;
}

long long CProgressDlg::Advance() {
    const long long next = static_cast<long long>(m_nPos) + m_nStep;
    // Past one end the position starts over from the other, as the bar's does.
    if (next > m_nUpper) {
        m_nPos = m_nLower;
    } else if (next < m_nLower) {
        m_nPos = m_nUpper;
    } else {
        m_nPos = static_cast<int>(next);
    }
    return next;
}

BOOL CProgressDlg::IsCancelled() {
    PumpMessages();
    BOOL bCancel = m_bCancel;
    m_bCancel = FALSE;
    return bCancel;
}

void CProgressDlg::SetMessage(const char* text) {
    if (m_hWnd) SetDlgItemText(IDC_PROGRESS_MESSAGE, text);
}

// Cancel, Esc and the close box: the run asks before it stops. A run on a
// worker is told at once.
void CProgressDlg::OnCancel() {
    if (m_pRelay) {
        m_pRelay->Cancel();
    } else {
        m_bCancel = TRUE;
    }
}

// Enter does not end the dialog.
void CProgressDlg::OnOK() {}

void CProgressDlg::UpdatePercent(long long nPos) {
    if (!m_hWnd) return;
    long long span = static_cast<long long>(m_nUpper) - m_nLower;
    long long pct;
    if (span > 0) {
        pct = (nPos - m_nLower) * 100 / span;
    } else {
        pct = nPos >= m_nUpper ? 100 : 0;  // a range without width: done or not
    }
    if (pct != 100) pct %= 100;

    CString text;
    text.Format("%d%c", static_cast<int>(pct), '%');
    CString current;
    GetDlgItemText(IDC_PROGRESS_PERCENT, current);
    if (current != text) SetDlgItemText(IDC_PROGRESS_PERCENT, text);
}

bool CProgressDlg::PumpMessages() {
    MSG msg;
    while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            // Not ours to take: leave it for the loop that owns the thread.
            ::PostQuitMessage(static_cast<int>(msg.wParam));
            return false;
        }
        if (m_hWnd && IsDialogMessage(&msg)) continue;
        ::TranslateMessage(&msg);
        ::DispatchMessageA(&msg);
    }
    return true;
}

int CProgressDlg::BarUpper() const {
    long long span = static_cast<long long>(m_nUpper) - m_nLower;
    if (span < 1) return 1;  // the bar needs an upper end above its lower one
    return span < kBarMax ? static_cast<int>(span) : kBarMax;
}

int CProgressDlg::BarPos(int nPos) const {
    long long span = static_cast<long long>(m_nUpper) - m_nLower;
    long long offset = static_cast<long long>(nPos) - m_nLower;
    if (span < 1) return offset > 0 ? BarUpper() : 0;
    if (offset <= 0) return 0;
    if (offset >= span) return BarUpper();
    return static_cast<int>(offset * BarUpper() / span);
}

void CProgressDlg::SendBarRange() {
    if (m_progress.m_hWnd) m_progress.SendMessage(PBM_SETRANGE, 0, MAKELPARAM(0, BarUpper()));
}

void CProgressDlg::SendBarPos() {
    if (m_progress.m_hWnd) m_progress.SendMessage(PBM_SETPOS, static_cast<WPARAM>(BarPos(m_nPos)));
}

// ---- The run's view of the dialog -------------------------------------------

void CProgressDlg::Begin(int nFiles) {
    ShowBegin(nFiles);
    PumpMessages();
    if (m_hWnd) UpdateWindow();
    ::Sleep(kPauseBeforeFirstFile);
}

void CProgressDlg::ShowBegin(int nFiles) {
    SetMessage("");
    SetRange(0, nFiles);
    SetStep(1);
    m_strRunFile.Empty();
    m_nRunPercentPos = m_nPos;
    m_bRunShown = false;
}

// Messages are only fetched when the queue holds any: a Cancel click is
// still seen before the next file, and a run of small files does not pay
// for an empty fetch per file.
void CProgressDlg::Step() {
    if (HIWORD(::GetQueueStatus(QS_ALLINPUT)) != 0) PumpMessages();
    m_nRunPercentPos = Advance();
}

// Step has just pumped the messages: a Cancel would be known by now.
bool CProgressDlg::StopRequested() {
    const bool cancelled = m_bCancel != FALSE;
    m_bCancel = FALSE;
    return cancelled && ConfirmStop();
}

bool CProgressDlg::ConfirmStop() {
    ShowRunState();
    return AfxMessageBox("処理を中止しますか？", MB_YESNO | MB_ICONQUESTION) == IDYES;
}

void CProgressDlg::ShowFile(const char* text) {
    m_strRunFile = text;
    const bool last = m_nPos >= m_nUpper;
    if (!m_bRunShown || last || Now() - m_dwRunShownAt >= m_nRepaintInterval) ShowRunState();
}

void CProgressDlg::End() {
    if (m_bRunShown) {
        ShowRunState();
        if (m_hWnd) UpdateWindow();
    }
    DestroyWindow();
}

void CProgressDlg::ShowRunState() {
    SetMessage(m_strRunFile);
    SendBarPos();
    UpdatePercent(m_nRunPercentPos);
    m_bRunShown = true;
    m_dwRunShownAt = Now();
}

DWORD CProgressDlg::Now() const { return ::GetTickCount(); }

// ---- A run on a worker thread -------------------------------------------------

// This thread waits for the worker's end, for what the run shows at once
// (its start, its first file, its question), for messages, and for the
// next repaint; in between it sleeps. After WM_QUIT it no longer fetches
// messages, which would only meet the quit again, and lets the run finish.
CString CProgressDlg::RunOnWorker(const std::function<CString()>& run) {
    ASSERT(m_hWnd && !m_pRelay);
    CRunRelay relay(kPauseBeforeFirstFile);
    if (!relay.Start(run)) {
        DestroyWindow();
        return run();
    }
    // However this ends, the dialog no longer points at the relay.
    struct RelayScope {
        CProgressDlg& dlg;
        ~RelayScope() { dlg.m_pRelay = nullptr; }
    } scope{*this};
    m_pRelay = &relay;
    m_bRelayBegun = false;
    const HANDLE handles[] = {relay.WorkerHandle(), relay.WakeEvent()};
    bool pumping = true;
    DWORD nextRepaint = m_nRepaintInterval;
    for (;;) {
        const DWORD woke = pumping ? ::MsgWaitForMultipleObjects(2, handles, FALSE, nextRepaint, QS_ALLINPUT)
                                   : ::WaitForMultipleObjects(2, handles, FALSE, nextRepaint);
        if (woke == WAIT_OBJECT_0) break;
        if (pumping) pumping = PumpMessages();
        ShowRelayed(relay, &nextRepaint);
    }
    ShowRelayed(relay, &nextRepaint);
    End();
    return relay.Finish();
}

void CProgressDlg::ShowRelayed(CRunRelay& relay, DWORD* nextRepaint) {
    const CRunRelay::State state = relay.Read();
    *nextRepaint = m_nRepaintInterval;
    if (!state.begun) return;
    if (!m_bRelayBegun) {
        m_bRelayBegun = true;
        ShowBegin(state.files);
        if (m_hWnd) UpdateWindow();
    }
    const long long steps = state.steps < m_nUpper ? state.steps : m_nUpper;
    m_nPos = static_cast<int>(steps < 0 ? 0 : steps);
    m_nRunPercentPos = state.steps;
    if (state.fileShown) m_strRunFile = state.file.c_str();

    if (state.stopAsked) {
        relay.Answer(ConfirmStop());
        return;
    }
    if (!state.fileShown) return;
    const DWORD since = Now() - m_dwRunShownAt;
    if (!m_bRunShown || since >= m_nRepaintInterval) {
        ShowRunState();
    } else {
        *nextRepaint = m_nRepaintInterval - since;
    }
}

namespace {

// Shows the progress dialog over the main window; null (and no run) when
// it cannot be shown, or when another run has one up already.
std::unique_ptr<CRunProgress> CreateRunProgress() {
    if (std::unique_ptr<CRunProgress> relayed = CRunRelay::TakeProgressOfThisThread()) return relayed;
    if (g_pProgressDlg) return nullptr;
    std::unique_ptr<CProgressDlg> dlg(new (std::nothrow) CProgressDlg(IDS_PROGRESS_TITLE));
    if (!dlg || !dlg->Create(AfxGetMainWnd())) return nullptr;
    return dlg;
}

}  // namespace

void InstallRunProgress() { g_pfnCreateRunProgress = &CreateRunProgress; }

CString RunWithProgressDialog(const std::function<CString()>& run) {
    if (g_pProgressDlg) return run();
    CProgressDlg dlg(IDS_PROGRESS_TITLE);
    if (!dlg.Create(AfxGetMainWnd())) return run();
    return dlg.RunOnWorker(run);
}
