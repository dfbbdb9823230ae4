// VoEdit.cpp - the coloured edit field with Enter-to-Tab.
#include "VoEdit.h"

IMPLEMENT_DYNAMIC(CVoEdit, CEdit)

BEGIN_MESSAGE_MAP(CVoEdit, CEdit)
    ON_WM_CREATE()
    ON_WM_CTLCOLOR_REFLECT()
END_MESSAGE_MAP()

CVoEdit::CVoEdit()
    : m_hBrush(::CreateSolidBrush(RGB(255, 255, 255))), m_crText(::GetSysColor(COLOR_WINDOWTEXT)),
      m_crBk(RGB(255, 255, 255)), m_logFont(), m_bEnterTab(true), m_bCustomBk(false) {}

CVoEdit::~CVoEdit() {
    m_font.DeleteObject();
    if (m_hBrush) ::DeleteObject(m_hBrush);
}

void CVoEdit::SetTextColor(COLORREF color) {
    m_crText = color;
    RedrawNow();
}

void CVoEdit::SetBkColor(COLORREF color) {
    m_crBk = color;
    ReplaceBrush(color);
    m_bCustomBk = true;
    RedrawNow();
}

bool CVoEdit::EnableWindow(bool enable) {
    m_bCustomBk = enable;
    return CEdit::EnableWindow(enable ? TRUE : FALSE) != 0;
}

// Enter and Tab are recognised by their key code only, in the key-down,
// character and key-up messages; other messages keep their wParam.
BOOL CVoEdit::PreTranslateMessage(MSG* pMsg) {
    if (m_bEnterTab && pMsg->message >= WM_KEYFIRST && pMsg->message <= WM_KEYLAST && pMsg->wParam == VK_RETURN)
        pMsg->wParam = VK_TAB;
    return CEdit::PreTranslateMessage(pMsg);
}

// Runs only for a field whose window the program creates: a dialog's edit
// taken over by subclassing keeps the dialog's font.
int CVoEdit::OnCreate(LPCREATESTRUCT lpCreateStruct) {
    if (CEdit::OnCreate(lpCreateStruct) == -1) return -1;
    ::GetObjectA(::GetStockObject(DEFAULT_GUI_FONT), sizeof m_logFont, &m_logFont);
    if (m_font.CreateFontIndirect(&m_logFont))
        SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(m_font.m_hObject), FALSE);
    return 0;
}

// The colour request reflected from the parent: a writable field gets the
// background colour; a read-only or disabled one the background colour only
// when it was chosen (SetBkColor, EnableWindow(true)), else button face.
HBRUSH CVoEdit::CtlColor(CDC* pDC, UINT nCtlColor) {
    switch (nCtlColor) {
    case CTLCOLOR_EDIT:
        ReplaceBrush(m_crBk);
        break;
    case CTLCOLOR_STATIC:
        ReplaceBrush(m_bCustomBk ? m_crBk : ::GetSysColor(COLOR_BTNFACE));
        break;
    default:
        return m_hBrush;
    }
    if (m_font.m_hObject) pDC->SelectObject(&m_font);
    pDC->SetTextColor(m_crText);
    pDC->SetBkMode(TRANSPARENT);
    return m_hBrush;
}

void CVoEdit::ReplaceBrush(COLORREF color) {
    HBRUSH hNew = ::CreateSolidBrush(color);
    if (!hNew) return;  // keep the old one rather than answer with none
    if (m_hBrush) ::DeleteObject(m_hBrush);
    m_hBrush = hNew;
}

void CVoEdit::RedrawNow() {
    if (m_hWnd) RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}
