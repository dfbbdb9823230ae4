// Label.h - a static text with its own text colour and background that can
// blink its text or its background.
#pragma once

#include "VokitDefs.h"

#include <afxwin.h>

// Used by subclassing a static control (or by creating one); colours itself
// through the reflected control-colour message.
class VOKIT_API CLabel : public CStatic {
public:
    CLabel();
    ~CLabel() override;
    CLabel(const CLabel&) = delete;
    CLabel& operator=(const CLabel&) = delete;

    // Stores the colour and repaints at once.
    void SetTextColor(COLORREF clr);
    // Replaces the background brush; shown at the next repaint.
    void SetBkColor(COLORREF clr);
    // Blank and shown text in turn, 500 ms each (FALSE: stop).
    void FlashText(BOOL bFlash);
    // Set and button-face background in turn, 500 ms each (FALSE: stop).
    void FlashBackground(BOOL bFlash);

    // Reflected control-colour request: font, text colour and background.
    afx_msg HBRUSH CtlColor(CDC* pDC, UINT nCtlColor);
    // One blink step; the only timer is the flash timer.
    afx_msg void OnTimer(UINT nIDEvent);

    COLORREF m_clrText;
    HBRUSH m_hBkBrush;   // owned
    HBRUSH m_hOffBrush;  // dark phase of a background flash; owned
    LOGFONTA m_lf;
    CFont m_font;
    CString m_strSaved;  // the text when a text flash started
    BOOL m_bPhase;
    BOOL m_bFlashing;
    int m_nFlashMode;  // 0 none, 1 text, 2 background

    DECLARE_MESSAGE_MAP()

private:
    // Stops a running flash; with bFlash starts one of nMode.
    void Flash(int nMode, BOOL bFlash);
};
