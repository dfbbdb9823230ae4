// CDialog.cpp - dialogs from templates: modeless creation and the modal
// loop with its disabled owner.
#include "CDialog.h"

#include "CDataExchange.h"
#include "CWinApp.h"
#include "DialogTemplateFont.h"
#include "WindowInternals.h"

#include <cstring>
#include <vector>

IMPLEMENT_DYNAMIC(CDialog, CWnd)

BEGIN_MESSAGE_MAP(CDialog, CWnd)
    ON_COMMAND(IDOK, OnOK)
    ON_COMMAND(IDCANCEL, OnCancel)
END_MESSAGE_MAP()

CDialog::CDialog() : m_nIDHelp(0), m_lpszTemplateName(nullptr), m_nIDTemplate(0), m_pParentWnd(nullptr) {}

CDialog::CDialog(UINT nIDTemplate, CWnd* pParentWnd)
    : m_nIDHelp(nIDTemplate), m_lpszTemplateName(MAKEINTRESOURCEA(nIDTemplate)), m_nIDTemplate(nIDTemplate),
      m_pParentWnd(pParentWnd) {}

CDialog::CDialog(LPCSTR lpszTemplateName, CWnd* pParentWnd)
    : m_nIDHelp(0), m_lpszTemplateName(lpszTemplateName), m_nIDTemplate(0), m_pParentWnd(pParentWnd) {
    if (IS_INTRESOURCE(lpszTemplateName))
        m_nIDTemplate = static_cast<UINT>(reinterpret_cast<UINT_PTR>(lpszTemplateName));
}

CDialog::~CDialog() {
    if (m_hWnd) DestroyWindow();
}

namespace {

// Whether a dialog template says where its dialog goes: a child dialog, a
// position relative to the screen (DS_ABSALIGN), centred by the system
// (DS_CENTER, DS_CENTERMOUSE), or a position of its own (x or y not 0).
bool TemplatePlacesDialog(LPCDLGTEMPLATE lpTemplate) {
    const BYTE* bytes = reinterpret_cast<const BYTE*>(lpTemplate);
    WORD signature;
    std::memcpy(&signature, bytes + 2, sizeof signature);
    // DLGTEMPLATEEX: version, 0xFFFF, help ID, extended style, style, count,
    // x, y. DLGTEMPLATE: style, extended style, count, x, y.
    const bool extended = signature == 0xFFFF;
    DWORD style;
    short x, y;
    std::memcpy(&style, bytes + (extended ? 12 : 0), sizeof style);
    std::memcpy(&x, bytes + (extended ? 18 : 10), sizeof x);
    std::memcpy(&y, bytes + (extended ? 20 : 12), sizeof y);
    return (style & (WS_CHILD | DS_ABSALIGN | DS_CENTER | DS_CENTERMOUSE)) != 0 || x != 0 || y != 0;
}

}  // namespace

// After its OnInitDialog a dialog is centred over its owner (or the screen),
// unless its template placed it or OnInitDialog moved it (also to the place
// where it already stood: a stored position that happens to be the first).
INT_PTR CALLBACK AfxDlgProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
    (void)wParam;
    (void)lParam;
    if (message != WM_INITDIALOG) return FALSE;
    CDialog* pDlg = dynamic_cast<CDialog*>(CWnd::FromHandlePermanent(hWnd));
    if (!pDlg) return TRUE;
    pDlg->m_bInInitDialog = TRUE;
    const LRESULT result = AfxCallGuarded([&]() -> LRESULT { return pDlg->OnInitDialog(); }, TRUE);
    pDlg->m_bInInitDialog = FALSE;
    if (!pDlg->m_bPlaced && ::IsWindow(hWnd)) pDlg->CenterWindow();
    return result;
}

LRESULT CDialog::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_WINDOWPOSCHANGING && m_bInInitDialog) {
        const WINDOWPOS* pPos = reinterpret_cast<const WINDOWPOS*>(lParam);
        if (pPos && !(pPos->flags & SWP_NOMOVE)) m_bPlaced = TRUE;
    }
    return CWnd::WindowProc(message, wParam, lParam);
}

LPCDLGTEMPLATE CDialog::LoadTemplate() const {
    if (!m_lpszTemplateName) return nullptr;
    HINSTANCE hInst = AfxFindResourceHandle(m_lpszTemplateName, RT_DIALOG);
    HRSRC hResource = ::FindResourceA(hInst, m_lpszTemplateName, RT_DIALOG);
    if (!hResource) return nullptr;
    HGLOBAL hTemplate = ::LoadResource(hInst, hResource);
    return hTemplate ? static_cast<LPCDLGTEMPLATE>(::LockResource(hTemplate)) : nullptr;
}

// A template whose font face is not installed is made from a copy that
// names an installed one (see DialogTemplateFont.h).
BOOL CDialog::CreateFromTemplate(LPCDLGTEMPLATE lpTemplate, CWnd* pParentWnd) {
    if (!lpTemplate || m_hWnd) return FALSE;
    m_bPlaced = TemplatePlacesDialog(lpTemplate);
    std::vector<BYTE> copy;
    lpTemplate = AfxDialogFont::WithInstalledFont(lpTemplate, &copy);
    HWND hWndParent = pParentWnd ? pParentWnd->m_hWnd : nullptr;
    AfxWindowInternals::HookWindowCreate(this);
    HWND hWnd = ::CreateDialogIndirectParamA(AfxGetInstanceHandle(), lpTemplate, hWndParent, &AfxDlgProc, 0);
    AfxWindowInternals::UnhookWindowCreate();
    if (!hWnd) {
        if (m_hWnd) Detach();
        return FALSE;
    }
    return TRUE;
}

BOOL CDialog::Create(LPCSTR lpszTemplateName, CWnd* pParentWnd) {
    m_lpszTemplateName = lpszTemplateName;
    if (IS_INTRESOURCE(lpszTemplateName))
        m_nIDTemplate = static_cast<UINT>(reinterpret_cast<UINT_PTR>(lpszTemplateName));
    m_pParentWnd = pParentWnd;
    if (!pParentWnd) pParentWnd = AfxGetMainWnd();
    return CreateFromTemplate(LoadTemplate(), pParentWnd);
}

BOOL CDialog::Create(UINT nIDTemplate, CWnd* pParentWnd) { return Create(MAKEINTRESOURCEA(nIDTemplate), pParentWnd); }

BOOL CDialog::CreateIndirect(LPCDLGTEMPLATE lpDialogTemplate, CWnd* pParentWnd) {
    m_pParentWnd = pParentWnd;
    return CreateFromTemplate(lpDialogTemplate, pParentWnd ? pParentWnd : AfxGetMainWnd());
}

INT_PTR CDialog::DoModal() {
    LPCDLGTEMPLATE lpTemplate = LoadTemplate();
    if (!lpTemplate) return -1;

    // The owner is the top-level window of the parent (or the main window);
    // it stays disabled while the dialog runs.
    HWND hWndOwner = nullptr;
    CWnd::GetSafeOwner(m_pParentWnd, &hWndOwner);
    BOOL bEnableOwner = FALSE;
    if (hWndOwner && hWndOwner != ::GetDesktopWindow() && ::IsWindowEnabled(hWndOwner)) {
        ::EnableWindow(hWndOwner, FALSE);
        bEnableOwner = TRUE;
    }

    m_bEndModal = FALSE;
    m_nModalResult = -1;
    m_bInModalLoop = TRUE;
    if (CreateFromTemplate(lpTemplate, CWnd::FromHandle(hWndOwner))) {
        if (!m_bEndModal) {
            if (!IsWindowVisible()) ShowWindow(SW_SHOWNORMAL);
            if (const auto& handlers = AfxGetModalHandlers(); handlers.pfnDialog) handlers.pfnDialog(this);
        }
        if (!m_bEndModal) RunModalLoop();
        if (m_hWnd)
            ::SetWindowPos(m_hWnd, nullptr, 0, 0, 0, 0,
                           SWP_HIDEWINDOW | SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE | SWP_NOZORDER);
    }
    m_bInModalLoop = FALSE;

    if (bEnableOwner) ::EnableWindow(hWndOwner, TRUE);
    if (hWndOwner && ::GetActiveWindow() == m_hWnd) ::SetActiveWindow(hWndOwner);
    if (m_hWnd) DestroyWindow();
    return m_nModalResult;
}

int CDialog::RunModalLoop() {
    m_bInModalLoop = TRUE;
    MSG msg;
    while (!m_bEndModal && m_hWnd && ::IsWindow(m_hWnd)) {
        // Idle: temporary wrappers go, unless a handler further up the
        // stack (one that opened this dialog) may still hold some.
        if (!::PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE) && !AfxWindowInternals::IsInsideWindowProc())
            AfxDeleteTempMaps();
        if (!::GetMessageA(&msg, nullptr, 0, 0)) {
            ::PostQuitMessage(static_cast<int>(msg.wParam));  // let the outer loop end too
            break;
        }
        AfxDispatchMessage(&msg);
    }
    return m_nModalResult;
}

void CDialog::EndDialog(int nResult) {
    m_nModalResult = nResult;
    if (m_bInModalLoop) {
        m_bEndModal = TRUE;
        ::PostMessageA(m_hWnd, WM_NULL, 0, 0);  // wake the loop
    }
    if (m_hWnd) ::EndDialog(m_hWnd, nResult);
}

BOOL CDialog::OnInitDialog() {
    // The template's initial list entries come before the first exchange.
    ExecuteDlgInit(m_lpszTemplateName);
    UpdateData(FALSE);
    return TRUE;
}

void CDialog::OnOK() {
    if (!UpdateData(TRUE)) return;
    EndDialog(IDOK);
}

void CDialog::OnCancel() { EndDialog(IDCANCEL); }

void CDialog::DoDataExchange(CDataExchange* pDX) { (void)pDX; }

BOOL CDialog::UpdateData(BOOL bSaveAndValidate) {
    CDataExchange dx(this, bSaveAndValidate);
    try {
        DoDataExchange(&dx);
    } catch (CUserException* e) {
        e->Delete();  // the user has seen the message; the focus is on the field
        return FALSE;
    }
    return TRUE;
}

BOOL CDialog::OnCommand(WPARAM wParam, LPARAM lParam) { return CWnd::OnCommand(wParam, lParam); }

void CDialog::PostNcDestroy() {}

BOOL CDialog::IsDialogMessage(LPMSG lpMsg) { return ::IsDialogMessageA(m_hWnd, lpMsg); }

BOOL CDialog::PreTranslateMessage(MSG* pMsg) {
    if (pMsg->message >= WM_KEYFIRST && pMsg->message <= WM_KEYLAST) return IsDialogMessage(pMsg);
    return FALSE;
}

void CDialog::GotoDlgCtrl(CWnd* pWndCtrl) {
    if (pWndCtrl) SendMessage(WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(pWndCtrl->m_hWnd), TRUE);
}
void CDialog::NextDlgCtrl() const { SendMessage(WM_NEXTDLGCTL, 0, 0); }
void CDialog::PrevDlgCtrl() const { SendMessage(WM_NEXTDLGCTL, 1, 0); }
void CDialog::SetDefID(UINT nID) { SendMessage(DM_SETDEFID, nID); }
DWORD CDialog::GetDefID() const { return static_cast<DWORD>(SendMessage(DM_GETDEFID)); }
