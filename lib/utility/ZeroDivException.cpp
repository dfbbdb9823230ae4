// ZeroDivException.cpp - an exception carrying the text of a calculation error.
#include "ZeroDivException.h"

IMPLEMENT_DYNAMIC(CZeroDivException, CException)

CZeroDivException::CZeroDivException() : m_lpszError(nullptr), m_nCode(0) {}

CZeroDivException::~CZeroDivException() {}

void CZeroDivException::SetError(const char* text, int code) {
    m_lpszError = text;
    m_nCode = code;
}

// Without a stored text the framework's generic report is shown instead of
// an empty box.
int CZeroDivException::ReportError(UINT nType, UINT nMessageID) {
    if (!m_lpszError) return CException::ReportError(nType, nMessageID);
    return AfxMessageBox(m_lpszError, nType);
}
