// MakeComboBox.cpp - the run-time combo box with its own font.
#include "MakeComboBox.h"

BEGIN_MESSAGE_MAP(CMakeComboBox, CVoComboBox)
    ON_WM_CREATE()
END_MESSAGE_MAP()

namespace {
const int kFontPointSize = 90;  // tenths of a point
const char kFontFace[] = "ＭＳ Ｐゴシック";
}  // namespace

CMakeComboBox::CMakeComboBox(UINT style) : m_dwStyle(style) {}

CMakeComboBox::~CMakeComboBox() = default;

BOOL CMakeComboBox::PreCreateWindow(CREATESTRUCT& cs) {
    cs.style |= m_dwStyle;
    return CVoComboBox::PreCreateWindow(cs);
}

int CMakeComboBox::OnCreate(LPCREATESTRUCT lpCreateStruct) {
    if (CVoComboBox::OnCreate(lpCreateStruct) == -1) return -1;
    if (!m_font.CreatePointFont(kFontPointSize, kFontFace)) return -1;
    SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(m_font.m_hObject), FALSE);
    return 0;
}
