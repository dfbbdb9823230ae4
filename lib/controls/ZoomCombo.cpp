// ZoomCombo.cpp - the zoom-percentage box and its messages to the view.
#include "ZoomCombo.h"

#include <cstdlib>

BEGIN_MESSAGE_MAP(CZoomCombo, CComboBox)
    ON_WM_CREATE()
    ON_CONTROL_REFLECT(CBN_KILLFOCUS, OnKillfocus)
    ON_CONTROL_REFLECT(CBN_SELENDOK, OnSelendok)
    ON_CONTROL_REFLECT(CBN_SELENDCANCEL, OnSelendcancel)
END_MESSAGE_MAP()

namespace {
const int kFontPointSize = 90;  // tenths of a point
const char kFontFace[] = "ＭＳ Ｐゴシック";
const int kLargestZoom = 100;
const int kZoomListStep = 10;
}  // namespace

CZoomCombo::CZoomCombo() : m_pView(nullptr), m_nZoom(0) {}

CZoomCombo::CZoomCombo(CView* pView) : m_pView(pView), m_nZoom(0) {}

CZoomCombo::~CZoomCombo() = default;

BOOL CZoomCombo::PreCreateWindow(CREATESTRUCT& cs) {
    cs.style = (cs.style & ~CBS_SORT) | CBS_DROPDOWN;
    return CComboBox::PreCreateWindow(cs);
}

BOOL CZoomCombo::AddZoomEntries() {
    for (int percent = kLargestZoom; percent >= kZoomListStep; percent -= kZoomListStep) {
        CString text;
        text.Format("%d%%", percent);
        if (AddString(text) < 0) return FALSE;
    }
    return TRUE;
}

int CZoomCombo::OnCreate(LPCREATESTRUCT lpCreateStruct) {
    if (CComboBox::OnCreate(lpCreateStruct) == -1) return -1;
    if (!m_font.CreatePointFont(kFontPointSize, kFontFace)) return -1;
    SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(m_font.m_hObject), FALSE);
    if (!AddZoomEntries()) return -1;
    SetCurSel(0);
    return 0;
}

void CZoomCombo::ResetContent() {
    CComboBox::ResetContent();
    AddZoomEntries();
    SetCurSel(0);
}

void CZoomCombo::UpdateZoomNum() {
    int percent = kLargestZoom;
    if (m_pView && m_pView->m_hWnd) m_pView->SendMessage(ZOOMCOMBO_QUERY, 0, reinterpret_cast<LPARAM>(&percent));
    SetZoomNum(percent, FALSE);
}

void CZoomCombo::SetZoomNum(int percent, BOOL bForce) {
    if (percent == m_nZoom && !bForce) return;
    CString text;
    text.Format("%d%%", percent);
    if (SelectString(-1, text) == CB_ERR) {
        SetCurSel(-1);
        SetWindowText(text);
    }
    m_nZoom = percent;
}

BOOL CZoomCombo::HasFocus() {
    HWND hWndFocus = ::GetFocus();
    return hWndFocus && (hWndFocus == m_hWnd || ::IsChild(m_hWnd, hWndFocus));
}

void CZoomCombo::OnKillfocus() {
    CString text;
    int selected = GetCurSel();
    if (selected != CB_ERR)
        GetLBText(selected, text);
    else
        GetWindowText(text);
    int percent = std::atoi(text);
    if (percent == 0) percent = kLargestZoom;
    if (percent < 1) percent = 1;
    if (percent > kLargestZoom) percent = kLargestZoom;
    SetZoomNum(percent, TRUE);
    if (m_pView && m_pView->m_hWnd) m_pView->SendMessage(ZOOMCOMBO_CHANGED, static_cast<WPARAM>(percent), 0);
}

void CZoomCombo::OnSelendok() { OnKillfocus(); }

void CZoomCombo::OnSelendcancel() { SetZoomNum(m_nZoom, TRUE); }

BOOL CZoomCombo::PreTranslateMessage(MSG* pMsg) {
    if (pMsg->message == WM_KEYDOWN) {
        switch (pMsg->wParam) {
        case VK_TAB:
        case VK_RETURN:
        case VK_ESCAPE:
            OnKillfocus();  // Escape applies too
            return TRUE;
        case VK_UP:
        case VK_DOWN:
            if (::GetKeyState(VK_MENU) >= 0 && ::GetKeyState(VK_CONTROL) >= 0 && !GetDroppedState()) {
                ShowDropDown(TRUE);
                return TRUE;
            }
            break;
        default:
            break;
        }
    }
    return CComboBox::PreTranslateMessage(pMsg);
}
