// LabelVersion.h - a static text that shows a module's version, optionally
// with the date of the module file.
#pragma once

#include "VokitDefs.h"

#include <afxwin.h>

// Used by subclassing a static control (or by creating one); its background
// is the parent's.
class VOKIT_API CLabelVersion : public CStatic {
public:
    CLabelVersion();
    ~CLabelVersion() override;
    CLabelVersion(const CLabelVersion&) = delete;
    CLabelVersion& operator=(const CLabelVersion&) = delete;

    // Shows "Version <FileVersion> / yyyy.mm.dd" (bDate and the file found)
    // or, in bold, "Ver <FileVersion>". pszLangCodePage names the block of
    // the version resource, such as "041104b0". False only when no memory
    // for the version block could be had.
    bool Make(char* pszFileName, const char* pszLangCodePage, bool bDate);

    // Reflected control-colour request: transparent, no brush.
    afx_msg HBRUSH CtlColor(CDC* pDC, UINT nCtlColor);

    CFont m_font;
    LOGFONTA m_lf;

    DECLARE_MESSAGE_MAP()

private:
    void ApplyFont();
};
