// LxEdit.cpp - the in-place edit box of CListCtrlEx.
#include "LxEdit.h"

#include "ListCtrlEx.h"
#include "LxEditorSupport.h"

namespace {
// WS_CHILD | WS_VISIBLE | WS_BORDER | ES_AUTOHSCROLL | ES_WANTRETURN
const DWORD kEditStyle = WS_CHILD | WS_VISIBLE | WS_BORDER | ES_WANTRETURN | ES_AUTOHSCROLL;
}  // namespace

BEGIN_MESSAGE_MAP(CLxEdit, CWnd)
    ON_WM_KEYDOWN()
    ON_WM_KILLFOCUS()
END_MESSAGE_MAP()

CLxEdit::CLxEdit() { m_font.CreatePointFont(90, "MS UI Gothic"); }

CLxEdit::~CLxEdit() = default;

BOOL CLxEdit::CreateLC(UINT nID, CRect& rect, CWnd* pParent) {
    if (!Create(kEditStyle, rect, pParent, nID)) return FALSE;
    SetFont(&m_font);
    return TRUE;
}

BOOL CLxEdit::PreTranslateMessage(MSG* pMsg) {
    if (LxEditor::TranslateEnter(this, pMsg)) return TRUE;
    return CEdit::PreTranslateMessage(pMsg);
}

void CLxEdit::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags) {
    if (LxEditor::EditKeyMovesEditor(this, nChar)) return;
    CEdit::OnKeyDown(nChar, nRepCnt, nFlags);
}

void CLxEdit::OnKillFocus(CWnd* pNewWnd) {
    CEdit::OnKillFocus(pNewWnd);
    if (CListCtrlEx* pList = LxEditor::ParentList(this)) pList->EndEdit(TRUE);
}
