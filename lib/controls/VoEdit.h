// VoEdit.h - the library's base edit field: own text and background
// colours, the default GUI font when it makes its own window, and Enter
// acting as Tab so that Enter moves on to the next field of a dialog.
#pragma once

#include "VokitDefs.h"

#include <afxwin.h>

// An edit control with its own colours and Enter-to-Tab.
class VOKIT_API CVoEdit : public CEdit {
    DECLARE_DYNAMIC(CVoEdit)
public:
    CVoEdit();
    ~CVoEdit() override;

    // Stores the colour and repaints the field at once.
    void SetTextColor(COLORREF color);
    // Uses color as background, also for a read-only or disabled field.
    void SetBkColor(COLORREF color);
    // Enables or disables the field; a disabled field shows the button-face
    // colour, an enabled read-only one the background colour. Returns true
    // when the window was disabled before.
    bool EnableWindow(bool enable);

    // Turns the key code Enter into Tab (when Enter-to-Tab is on).
    BOOL PreTranslateMessage(MSG* pMsg) override;

protected:
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg HBRUSH CtlColor(CDC* pDC, UINT nCtlColor);

    // Replaces the current brush by a new solid one of color.
    void ReplaceBrush(COLORREF color);
    // Invalidates, erases and repaints the field now.
    void RedrawNow();

    HBRUSH m_hBrush;  // brush of the last colour request; owned
    COLORREF m_crText;
    COLORREF m_crBk;
    LOGFONTA m_logFont;
    CFont m_font;  // made only when the field creates its own window
    bool m_bEnterTab;
    bool m_bCustomBk;  // a read-only or disabled field shows m_crBk

    DECLARE_MESSAGE_MAP()
};
