// LxCalcEdit.h - the in-place calculator edit box of CListCtrlEx.
#pragma once

#include <afxwin.h>

#include "VokitDefs.h"

// An edit box for arithmetic: it accepts only the characters of an
// expression and, when it is left, replaces its text by the value,
// written with a printf format for one double ("%lf" by default).
class VOKIT_API CLxCalcEdit : public CEdit {
public:
    CLxCalcEdit();
    ~CLxCalcEdit() override;

    // Sets the format, then creates the box as a child of the list pParent.
    BOOL CreateLC(UINT nID, CRect& rect, const char* pszFormat, CWnd* pParent);
    // Null or empty restores "%lf".
    void SetFormat(const char* pszFormat);
    // Evaluates the text and writes the formatted value back; an invalid
    // expression is reported and counts as 0.
    void Calc();

    BOOL PreTranslateMessage(MSG* pMsg) override;

protected:
    CFont m_font;
    CString m_strFormat;

    afx_msg void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnKillFocus(CWnd* pNewWnd);
    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    DECLARE_MESSAGE_MAP()
};
