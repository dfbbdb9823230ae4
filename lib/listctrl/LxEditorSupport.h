// LxEditorSupport.h - what the in-place editors of CListCtrlEx share (not
// part of the library's interface).
#pragma once

#include <afxwin.h>

class CListCtrlEx;

namespace LxEditor {

// The list an editor works for (its parent window), or null.
CListCtrlEx* ParentList(const CWnd* pEditor);

// PreTranslateMessage of every editor: Enter moves the editor on instead of
// reaching the dialog's default button. TRUE when the message was used.
BOOL TranslateEnter(const CWnd* pEditor, const MSG* pMsg);

// VK_RETURN and the four arrow keys.
bool IsMoveKey(UINT nChar);

// WM_KEYDOWN of the edit boxes: Left and Right stay inside a text until the
// caret stands at its start or end; otherwise the five move keys move the
// editor. TRUE when the key was used up.
BOOL EditKeyMovesEditor(CEdit* pEdit, UINT nChar);

// Splits pszText at chSep into pieces; empty pieces are dropped unless
// bKeepEmpty. A null text gives no pieces.
void Split(const char* pszText, char chSep, bool bKeepEmpty, CStringArray& pieces);

}  // namespace LxEditor
