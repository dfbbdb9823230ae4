// ZeroDivException.h - an exception carrying the text of a calculation error.
#pragma once

#include "VokitDefs.h"

class VOKIT_API CZeroDivException : public CException {
    DECLARE_DYNAMIC(CZeroDivException)
public:
    CZeroDivException();
    ~CZeroDivException() override;

    // Keeps the text pointer (not a copy: the caller keeps the text alive).
    void SetError(const char* text, int code);
    // Shows the stored text with style nType; nMessageID is not used.
    int ReportError(UINT nType = MB_OK, UINT nMessageID = 0) override;

    const char* m_lpszError;
    int m_nCode;
};
