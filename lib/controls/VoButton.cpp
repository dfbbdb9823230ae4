// VoButton.cpp - the push button with the default GUI font.
#include "VoButton.h"

BEGIN_MESSAGE_MAP(CVoButton, CButton)
    ON_WM_CREATE()
END_MESSAGE_MAP()

CVoButton::CVoButton() : m_logFont() {}

CVoButton::~CVoButton() = default;

int CVoButton::OnCreate(LPCREATESTRUCT lpCreateStruct) {
    if (CButton::OnCreate(lpCreateStruct) == -1) return -1;
    ::GetObjectA(::GetStockObject(DEFAULT_GUI_FONT), sizeof m_logFont, &m_logFont);
    if (m_font.CreateFontIndirect(&m_logFont))
        SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(m_font.m_hObject), FALSE);
    return 0;
}
