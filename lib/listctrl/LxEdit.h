// LxEdit.h - the in-place edit box of CListCtrlEx.
#pragma once

#include <afxwin.h>

#include "VokitDefs.h"

// A one-line edit box that CListCtrlEx lays over a cell. Enter and the
// arrow keys move it to the next cell; losing the focus writes its text
// back into the cell and closes it.
class VOKIT_API CLxEdit : public CEdit {
public:
    CLxEdit();
    ~CLxEdit() override;

    // Creates the box as a child of the list pParent, with the editor font.
    BOOL CreateLC(UINT nID, CRect& rect, CWnd* pParent);

    BOOL PreTranslateMessage(MSG* pMsg) override;

protected:
    CFont m_font;

    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnKillFocus(CWnd* pNewWnd);
    DECLARE_MESSAGE_MAP()
};
