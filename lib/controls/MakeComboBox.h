// MakeComboBox.h - a CVoComboBox made at run time, with style bits of its
// own and a 9-point "ＭＳ Ｐゴシック" font.
#pragma once

#include "VoComboBox.h"

// Combo box for run-time creation: adds its style bits to the creation
// style and sets its own font.
class VOKIT_API CMakeComboBox : public CVoComboBox {
public:
    // style: combo style bits added at creation (default CBS_DROPDOWNLIST).
    CMakeComboBox(UINT style = CBS_DROPDOWNLIST);
    ~CMakeComboBox() override;

    BOOL PreCreateWindow(CREATESTRUCT& cs) override;
    // Sets the font once the window exists; -1 ends the creation.
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);

    DWORD m_dwStyle;
    CFont m_font;  // owned

    DECLARE_MESSAGE_MAP()
};
