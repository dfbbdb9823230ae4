// CCmdUI.h - bringing menu items and controls up to date with the
// commands they send.
//
// Classes:
//   CCmdUI  one item (a menu entry or a control) whose state an
//           ON_UPDATE_COMMAND_UI handler sets: enabled, checked, text
//
// The frame fills one for every item of a menu that opens and every child
// control of a control bar at idle time, and routes it like the command
// itself (view, frame, application). An item nobody updates is disabled
// when bDisableIfNoHndler is set and no handler of its command exists.
#pragma once

#include "CCmdTarget.h"

class CMenu;
class CWnd;

class AFX_API CCmdUI {
public:
    CCmdUI();
    virtual ~CCmdUI() = default;

    UINT m_nID;         // the item's command
    UINT m_nIndex;      // its position in m_pMenu
    CMenu* m_pMenu;     // the menu of the item, or null
    CMenu* m_pSubMenu;  // the pop-up the item opens, or null
    CWnd* m_pOther;     // the control, or null
    UINT m_nIndexMax;   // item count of m_pMenu
    BOOL m_bEnableChanged;
    BOOL m_bContinueRouting;

    virtual void Enable(BOOL bOn = TRUE);
    // 0 unchecked, 1 checked, 2 indeterminate (buttons only).
    virtual void SetCheck(int nCheck = 1);
    virtual void SetRadio(BOOL bOn = TRUE);
    virtual void SetText(LPCSTR lpszText);
    // Lets the next command target see the update too.
    void ContinueRouting() { m_bContinueRouting = TRUE; }

    // Routes the update to pTarget; TRUE when a handler took it. Without
    // one, the item is disabled if bDisableIfNoHndler and no command
    // handler exists along the route.
    BOOL DoUpdate(CCmdTarget* pTarget, BOOL bDisableIfNoHndler);
};
