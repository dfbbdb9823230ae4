// ColourPicker.cpp - the colour button: size, drawing, the popup's messages
// and data exchange.
#include "ColourPicker.h"

#include <algorithm>

namespace {
const UINT kTextColourMode = 1;
const UINT kDefaultMode = 2;
const UINT kPopupID = 10;
const char kCustomText[] = "More...";
}  // namespace

IMPLEMENT_DYNCREATE(CColourPicker, CButton)

BEGIN_MESSAGE_MAP(CColourPicker, CButton)
    ON_CONTROL_REFLECT_EX(BN_CLICKED, OnClicked)
    ON_WM_CREATE()
    ON_MESSAGE(CPICK_SELENDOK, OnSelEndOK)
    ON_MESSAGE(CPICK_SELENDCANCEL, OnSelEndCancel)
    ON_MESSAGE(CPICK_SELCHANGE, OnSelChange)
END_MESSAGE_MAP()

CColourPicker::CColourPicker()
    : m_bPopupOpen(FALSE), m_bTrackSelection(FALSE), m_crBackground(::GetSysColor(COLOR_BTNFACE)),
      m_crText(::GetSysColor(COLOR_BTNTEXT)), m_nSelectionMode(kDefaultMode), m_rcArrow(0, 0, 0, 0) {}

CColourPicker::~CColourPicker() = default;

COLORREF CColourPicker::GetColour() { return m_nSelectionMode == kTextColourMode ? m_crText : m_crBackground; }

void CColourPicker::SetColour(COLORREF crColour) {
    if (m_nSelectionMode == kTextColourMode)
        SetTextColour(crColour);
    else
        SetBkColour(crColour);
}

void CColourPicker::SetBkColour(COLORREF crColour) {
    m_crBackground = crColour;
    if (::IsWindow(m_hWnd)) RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}

void CColourPicker::SetTextColour(COLORREF crColour) {
    m_crText = crColour;
    if (::IsWindow(m_hWnd)) RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}

// --- creation and size -----------------------------------------------------

// A button made at run time is owner-drawn whatever its given type.
int CColourPicker::OnCreate(LPCREATESTRUCT lpCreateStruct) {
    if (CButton::OnCreate(lpCreateStruct) == -1) return -1;
    ModifyStyle(BS_TYPEMASK, BS_OWNERDRAW);
    SetWindowSize();
    return 0;
}

void CColourPicker::PreSubclassWindow() {
    ModifyStyle(BS_TYPEMASK, BS_OWNERDRAW);
    CButton::PreSubclassWindow();
    SetWindowSize();
}

void CColourPicker::SetWindowSize() {
    const int edgeX = ::GetSystemMetrics(SM_CXEDGE);
    const int edgeY = ::GetSystemMetrics(SM_CYEDGE);
    const int arrowWidth = std::max(::GetSystemMetrics(SM_CXHTHUMB), 5 * edgeX);
    const int arrowHeight = std::max(::GetSystemMetrics(SM_CYVTHUMB), 5 * edgeY);
    const int side = std::max(arrowWidth, arrowHeight);

    CRect rect;
    GetWindowRect(&rect);
    if (CWnd* pParent = GetParent()) pParent->ScreenToClient(&rect);
    MoveWindow(rect.left, rect.top, std::max(rect.Width(), 2 * (edgeX + side)), side + 2 * edgeY, TRUE);
    GetClientRect(&rect);
    m_rcArrow.SetRect(rect.right - edgeX - side, edgeY, rect.right - edgeX, rect.bottom - edgeY);
}

// --- drawing ---------------------------------------------------------------

void CColourPicker::DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) {
    CDC* pDC = CDC::FromHandle(lpDrawItemStruct->hDC);
    const int savedDC = pDC->SaveDC();
    UINT state = lpDrawItemStruct->itemState;
    if (m_bPopupOpen) state |= ODS_SELECTED;
    const bool disabled = (state & ODS_DISABLED) != 0;

    UINT arrowState = DFCS_SCROLLDOWN;
    if (state & ODS_SELECTED) arrowState |= DFCS_PUSHED;
    if (disabled) arrowState |= DFCS_INACTIVE;
    CRect arrow(m_rcArrow);
    pDC->DrawFrameControl(&arrow, DFC_SCROLL, arrowState);

    CRect rect(lpDrawItemStruct->rcItem);
    pDC->DrawEdge(&rect, EDGE_SUNKEN, BF_RECT);
    rect.DeflateRect(::GetSystemMetrics(SM_CXEDGE), ::GetSystemMetrics(SM_CYEDGE));
    rect.right -= m_rcArrow.Width();

    CBrush swatch(disabled ? ::GetSysColor(COLOR_BTNFACE) : m_crBackground);
    pDC->SelectObject(&swatch);
    pDC->SelectStockObject(NULL_PEN);
    pDC->Rectangle(&rect);

    CString caption;
    GetWindowText(caption);
    if (!caption.IsEmpty()) {
        pDC->SetBkMode(TRANSPARENT);
        const UINT format = DT_CENTER | DT_VCENTER | DT_SINGLELINE;
        if (disabled) {
            CRect embossed(rect);
            embossed.OffsetRect(1, 1);
            pDC->SetTextColor(::GetSysColor(COLOR_BTNHIGHLIGHT));
            pDC->DrawText(caption, &embossed, format);
            pDC->SetTextColor(::GetSysColor(COLOR_BTNSHADOW));
        } else {
            pDC->SetTextColor(m_crText);
        }
        pDC->DrawText(caption, &rect, format);
    }
    if (state & ODS_FOCUS) {
        rect.DeflateRect(1, 1);
        pDC->DrawFocusRect(&rect);
    }
    pDC->RestoreDC(savedDC);
}

// --- the popup -------------------------------------------------------------

BOOL CColourPicker::OnClicked() {
    m_bPopupOpen = TRUE;
    Invalidate();  // drawn pushed while the popup is open
    CRect rect;
    GetWindowRect(&rect);
    // The popup owns itself from here; one whose window never came up owns nothing yet.
    CColourPopup* pPopup = new CColourPopup(CPoint(rect.left, rect.bottom), GetColour(), this, kPopupID, kCustomText);
    if (!pPopup->GetSafeHwnd()) {
        delete pPopup;
        m_bPopupOpen = FALSE;
        return TRUE;
    }
    SendToParent(CPICK_DROPDOWN, GetColour());
    return TRUE;
}

void CColourPicker::SendToParent(UINT message, COLORREF crColour) {
    if (CWnd* pParent = GetParent()) pParent->SendMessage(message, crColour, static_cast<LPARAM>(GetDlgCtrlID()));
}

LRESULT CColourPicker::OnSelChange(WPARAM wParam, LPARAM) {
    const COLORREF crColour = static_cast<COLORREF>(wParam);
    if (m_bTrackSelection) SetColour(crColour);
    SendToParent(CPICK_SELCHANGE, crColour);
    return TRUE;
}

LRESULT CColourPicker::OnSelEndOK(WPARAM wParam, LPARAM) {
    const COLORREF crColour = static_cast<COLORREF>(wParam);
    ClosePopup(crColour, CPICK_SELENDOK);
    // A receiver of those two changed the colour: tell the parent the choice again.
    if (crColour != GetColour()) SendToParent(CPICK_SELCHANGE, crColour);
    return TRUE;
}

LRESULT CColourPicker::OnSelEndCancel(WPARAM wParam, LPARAM) {
    ClosePopup(static_cast<COLORREF>(wParam), CPICK_SELENDCANCEL);
    return TRUE;
}

// The popup has closed with crColour (the one it opened with on cancel).
void CColourPicker::ClosePopup(COLORREF crColour, UINT endMessage) {
    m_bPopupOpen = FALSE;
    SetColour(crColour);
    SendToParent(CPICK_CLOSEUP, crColour);
    SendToParent(endMessage, crColour);
}

// --- data exchange ---------------------------------------------------------

void AFXAPI DDX_ColourPicker(CDataExchange* pDX, int nIDC, COLORREF& crColour) {
    const HWND hWndCtrl = pDX->PrepareCtrl(nIDC);
    CColourPicker* pPicker = dynamic_cast<CColourPicker*>(CWnd::FromHandlePermanent(hWndCtrl));
    ASSERT(pPicker != nullptr);  // subclass the control as a picker first (DDX_Control)
    if (!pPicker) return;
    if (pDX->m_bSaveAndValidate)
        crColour = pPicker->GetColour();
    else
        pPicker->SetColour(crColour);
}
