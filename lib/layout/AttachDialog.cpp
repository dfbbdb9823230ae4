// AttachDialog.cpp - a resizable dialog whose controls follow attachment rules.
#include "AttachDialog.h"

BEGIN_MESSAGE_MAP(CAttachDialog, CDialog)
    ON_WM_SIZE()
    ON_WM_ERASEBKGND()
    ON_WM_PAINT()
    ON_WM_GETMINMAXINFO()
END_MESSAGE_MAP()

CAttachDialog::CAttachDialog(LPCTSTR lpszTemplateName, CWnd* pParentWnd) : CDialog(lpszTemplateName, pParentWnd) {
    SetHelperWnd(this);
}

CAttachDialog::CAttachDialog(UINT nIDTemplate, CWnd* pParentWnd) : CDialog(nIDTemplate, pParentWnd) {
    SetHelperWnd(this);
}

CAttachDialog::CAttachDialog() { SetHelperWnd(this); }

CAttachDialog::~CAttachDialog() = default;

BOOL CAttachDialog::OnInitDialog() {
    CDialog::OnInitDialog();
    CRect rcClient;
    GetClientRect(&rcClient);
    SetSize(rcClient.Width(), rcClient.Height());
    return TRUE;
}

// Until the derived dialog has realized its rules, nothing moves. The
// dialog's own size handling is not wanted.
void CAttachDialog::OnSize(UINT nType, int cx, int cy) {
    (void)nType;
    Resize(cx, cy);
}

BOOL CAttachDialog::OnEraseBkgnd(CDC* pDC) {
    // A DC of another window is left whole: a themed control asks its parent
    // to paint the background into the control's own DC.
    HWND hOwner = pDC ? ::WindowFromDC(pDC->GetSafeHdc()) : nullptr;
    if (!hOwner || hOwner == m_hWnd) ClipControl(pDC);
    return static_cast<BOOL>(Default());
}

// Draws nothing; validates the update region.
void CAttachDialog::OnPaint() { CPaintDC dc(this); }

void CAttachDialog::OnGetMinMaxInfo(MINMAXINFO* lpMMI) {
    CalcMinMax(lpMMI);
    Default();
}
