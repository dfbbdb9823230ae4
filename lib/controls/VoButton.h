// VoButton.h - a push button that takes the system's default GUI font when
// the program creates its window.
#pragma once

#include "VokitDefs.h"

#include <afxwin.h>

// Push button with the default GUI font (only for a button created at run
// time; one taken over from a dialog template keeps the dialog's font).
class VOKIT_API CVoButton : public CButton {
public:
    CVoButton();
    ~CVoButton() override;

    // Sets the font once the window exists; -1 ends the creation.
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);

    LOGFONTA m_logFont;  // description of the stock DEFAULT_GUI_FONT
    CFont m_font;        // made from m_logFont; owned

    DECLARE_MESSAGE_MAP()
};
