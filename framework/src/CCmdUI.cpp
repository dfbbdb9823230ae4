// CCmdUI.cpp - updating menu items and controls from their command's
// ON_UPDATE_COMMAND_UI handler.
#include "CCmdUI.h"

#include "CMenu.h"
#include "CWnd.h"

CCmdUI::CCmdUI()
    : m_nID(0), m_nIndex(0), m_pMenu(nullptr), m_pSubMenu(nullptr), m_pOther(nullptr), m_nIndexMax(0),
      m_bEnableChanged(FALSE), m_bContinueRouting(FALSE) {}

void CCmdUI::Enable(BOOL bOn) {
    if (m_pMenu) {
        if (!m_pSubMenu) m_pMenu->EnableMenuItem(m_nIndex, MF_BYPOSITION | (bOn ? MF_ENABLED : MF_GRAYED));
    } else if (m_pOther) {
        // A control losing the enabled state must not keep the focus.
        if (!bOn && ::GetFocus() == m_pOther->m_hWnd) {
            HWND hWndParent = ::GetParent(m_pOther->m_hWnd);
            if (hWndParent) ::SendMessageA(hWndParent, WM_NEXTDLGCTL, 0, FALSE);
        }
        m_pOther->EnableWindow(bOn);
    }
    m_bEnableChanged = TRUE;
}

void CCmdUI::SetCheck(int nCheck) {
    if (m_pMenu) {
        if (!m_pSubMenu) m_pMenu->CheckMenuItem(m_nIndex, MF_BYPOSITION | (nCheck ? MF_CHECKED : MF_UNCHECKED));
    } else if (m_pOther && (m_pOther->SendMessage(WM_GETDLGCODE) & DLGC_BUTTON)) {
        m_pOther->SendMessage(BM_SETCHECK, static_cast<WPARAM>(nCheck));
    }
}

void CCmdUI::SetRadio(BOOL bOn) {
    if (m_pMenu && !m_pSubMenu) {
        UINT pos = m_nIndex;
        ::CheckMenuRadioItem(m_pMenu->m_hMenu, pos, pos, bOn ? pos : pos + 1, MF_BYPOSITION);
        if (!bOn) m_pMenu->CheckMenuItem(pos, MF_BYPOSITION | MF_UNCHECKED);
        return;
    }
    SetCheck(bOn ? 1 : 0);
}

void CCmdUI::SetText(LPCSTR lpszText) {
    if (!lpszText) lpszText = "";
    if (m_pMenu) {
        if (m_pSubMenu) return;
        UINT state = m_pMenu->GetMenuState(m_nIndex, MF_BYPOSITION) & (MF_GRAYED | MF_DISABLED | MF_CHECKED);
        m_pMenu->ModifyMenu(m_nIndex, MF_BYPOSITION | MF_STRING | state, m_nID, lpszText);
    } else if (m_pOther) {
        CString current;
        m_pOther->GetWindowText(current);
        if (current != lpszText) m_pOther->SetWindowText(lpszText);  // no flicker when unchanged
    }
}

BOOL CCmdUI::DoUpdate(CCmdTarget* pTarget, BOOL bDisableIfNoHndler) {
    if (!pTarget || m_nID == 0 || LOWORD(m_nID) == 0xFFFF) return TRUE;  // separators and static text
    m_bEnableChanged = FALSE;
    m_bContinueRouting = FALSE;
    BOOL bResult = pTarget->OnCmdMsg(m_nID, static_cast<int>(CN_UPDATE_COMMAND_UI), 0, reinterpret_cast<LPARAM>(this));
    if (m_bContinueRouting) bResult = FALSE;
    if (bDisableIfNoHndler && !m_bEnableChanged) {
        // Nobody set the state: enabled exactly when the command is handled.
        Enable(pTarget->OnCmdMsg(m_nID, static_cast<int>(CN_QUERY_COMMAND), 0, 0));
    }
    return bResult;
}
