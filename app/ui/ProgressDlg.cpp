// ProgressDlg.cpp - the modeless progress dialog of a run, and the adapter
// through which the item list's run drives it.
#include "ProgressDlg.h"

#include "RunProgress.h"

#include <new>

CProgressDlg* g_pProgressDlg = nullptr;

namespace {

// The bar's upper end; larger ranges are shown scaled down to it. Kept in
// 15 bits so that no reading of the 16-bit values can turn negative.
const int kBarMax = 0x7FFF;

}  // namespace

CProgressDlg::CProgressDlg(UINT nTitleID)
    : CDialog(IDD_PROGRESS), m_nTitleID(nTitleID ? nTitleID : IDS_PROGRESS_TITLE), m_nLower(0), m_nUpper(100),
      m_nStep(5), m_bCancel(FALSE), m_bOwnerDisabled(FALSE), m_nPos(0), m_hWndOwner(nullptr) {}

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
    long long next = static_cast<long long>(m_nPos) + m_nStep;
    // Past one end the position starts over from the other, as the bar's does.
    if (next > m_nUpper) {
        m_nPos = m_nLower;
    } else if (next < m_nLower) {
        m_nPos = m_nUpper;
    } else {
        m_nPos = static_cast<int>(next);
    }
    SendBarPos();
    UpdatePercent(next);
    return nPrevious;
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

// Cancel, Esc and the close box: the run asks before it stops.
void CProgressDlg::OnCancel() { m_bCancel = TRUE; }

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

void CProgressDlg::PumpMessages() {
    MSG msg;
    while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            // Not ours to take: leave it for the loop that owns the thread.
            ::PostQuitMessage(static_cast<int>(msg.wParam));
            return;
        }
        if (m_hWnd && IsDialogMessage(&msg)) continue;
        ::TranslateMessage(&msg);
        ::DispatchMessageA(&msg);
    }
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

namespace {

// Forwards the run's calls to the dialog; its end ends the dialog.
class CDialogRunProgress : public CRunProgress {
public:
    explicit CDialogRunProgress(CProgressDlg* pDlg) : m_pDlg(pDlg) {}
    ~CDialogRunProgress() override {
        if (g_pProgressDlg == m_pDlg) g_pProgressDlg = nullptr;
        delete m_pDlg;  // enables the main dialog again
    }
    CDialogRunProgress(const CDialogRunProgress&) = delete;
    CDialogRunProgress& operator=(const CDialogRunProgress&) = delete;

    void SetMessage(const char* text) override { m_pDlg->SetMessage(text); }
    void SetRange(int low, int high) override { m_pDlg->SetRange(low, high); }
    int SetStep(int step) override { return m_pDlg->SetStep(step); }
    int StepIt() override { return m_pDlg->StepIt(); }
    BOOL IsCancelled() override { return m_pDlg->IsCancelled(); }

private:
    CProgressDlg* m_pDlg;
};

// Shows the progress dialog over the main window; null (and no run) when
// it cannot be shown, or when another run has one up already.
CRunProgress* CreateRunProgress() {
    if (g_pProgressDlg) return nullptr;
    CProgressDlg* pDlg = new (std::nothrow) CProgressDlg(IDS_PROGRESS_TITLE);
    if (!pDlg) return nullptr;
    if (!pDlg->Create(AfxGetMainWnd())) {
        delete pDlg;
        return nullptr;
    }
    g_pProgressDlg = pDlg;
    CRunProgress* progress = new (std::nothrow) CDialogRunProgress(pDlg);
    if (!progress) {
        g_pProgressDlg = nullptr;
        delete pDlg;
    }
    return progress;
}

}  // namespace

void InstallRunProgress() { g_pfnCreateRunProgress = &CreateRunProgress; }
