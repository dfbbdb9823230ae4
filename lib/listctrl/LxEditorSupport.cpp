// LxEditorSupport.cpp - helpers shared by the in-place editors.
#include "LxEditorSupport.h"

#include "ListCtrlEx.h"

namespace LxEditor {

CListCtrlEx* ParentList(const CWnd* pEditor) {
    if (!pEditor || !pEditor->m_hWnd) return nullptr;
    return dynamic_cast<CListCtrlEx*>(CWnd::FromHandlePermanent(::GetParent(pEditor->m_hWnd)));
}

BOOL TranslateEnter(const CWnd* pEditor, const MSG* pMsg) {
    if (!pMsg || pMsg->message != WM_KEYDOWN || pMsg->wParam != VK_RETURN) return FALSE;
    if (CListCtrlEx* pList = ParentList(pEditor)) pList->MoveControl(VK_RETURN, 0, 0);
    return TRUE;
}

bool IsMoveKey(UINT nChar) {
    return nChar == VK_RETURN || nChar == VK_LEFT || nChar == VK_UP || nChar == VK_RIGHT || nChar == VK_DOWN;
}

BOOL EditKeyMovesEditor(CEdit* pEdit, UINT nChar) {
    if (!IsMoveKey(nChar)) return FALSE;
    if (pEdit->GetWindowTextLength() > 0 && (nChar == VK_LEFT || nChar == VK_RIGHT)) {
        int nStart = 0;
        int nEnd = 0;
        pEdit->GetSel(nStart, nEnd);
        // The line length counts in the same units as the selection (which
        // need not be bytes for double-byte text).
        int nLength = static_cast<int>(pEdit->SendMessage(EM_LINELENGTH, 0));
        if (nChar == VK_LEFT && (nStart != 0 || nEnd != 0)) return FALSE;
        if (nChar == VK_RIGHT && (nStart != nLength || nEnd != nLength)) return FALSE;
    }
    CListCtrlEx* pList = ParentList(pEdit);
    return pList && pList->MoveControl(nChar, 0, 0);
}

void Split(const char* pszText, char chSep, bool bKeepEmpty, CStringArray& pieces) {
    pieces.RemoveAll();
    if (!pszText) return;
    for (const char* p = pszText;;) {
        const char* pEnd = strchr(p, chSep);
        size_t nLength = pEnd ? static_cast<size_t>(pEnd - p) : strlen(p);
        if (nLength > 0 || bKeepEmpty) pieces.Add(CString(p, AfxSizeToInt(nLength)));
        if (!pEnd) break;
        p = pEnd + 1;
    }
}

}  // namespace LxEditor
