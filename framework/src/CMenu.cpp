// CMenu.cpp - menus: the handle map, building and loading menus, and pop-up
// menus answered by the modal handlers when tests installed one.
#include "CMenu.h"

#include "CWinApp.h"
#include "CWnd.h"
#include "HandleMap.h"

namespace {
CHandleMap<HMENU, CMenu>& MenuMap() {
    static CHandleMap<HMENU, CMenu> map([](const CMenu* p) { return p->m_hMenu; },
                                        [](CMenu* p, HMENU h) { p->m_hMenu = h; });
    return map;
}
}  // namespace

IMPLEMENT_DYNCREATE(CMenu, CObject)

// A menu this object owns is destroyed with it; temporary wrappers own
// nothing (the map takes their handle away first).
CMenu::~CMenu() { DestroyMenu(); }

CMenu* PASCAL CMenu::FromHandle(HMENU hMenu) {
    return MenuMap().FromHandle(hMenu, [] { return new CMenu; });
}

void PASCAL CMenu::DeleteTempMap() { MenuMap().DeleteTemp(); }

BOOL CMenu::Attach(HMENU hMenu) { return MenuMap().Attach(this, hMenu); }

HMENU CMenu::Detach() { return MenuMap().Detach(this); }

BOOL CMenu::CreateMenu() {
    return MenuMap().AttachNew(this, [] { return ::CreateMenu(); });
}

BOOL CMenu::CreatePopupMenu() {
    return MenuMap().AttachNew(this, [] { return ::CreatePopupMenu(); });
}

// Loads the menu from the first module of the resource chain that has it.
BOOL CMenu::LoadMenu(LPCSTR lpszResourceName) {
    return MenuMap().AttachNew(this, [lpszResourceName] {
        return ::LoadMenuA(AfxFindResourceHandle(lpszResourceName, RT_MENU), lpszResourceName);
    });
}

BOOL CMenu::LoadMenu(UINT nIDResource) { return LoadMenu(MAKEINTRESOURCEA(nIDResource)); }

BOOL CMenu::DestroyMenu() {
    if (!m_hMenu) return FALSE;
    return ::DestroyMenu(Detach());
}

// --- items ---------------------------------------------------------------

BOOL CMenu::AppendMenu(UINT nFlags, UINT_PTR nIDNewItem, LPCSTR lpszNewItem) {
    return ::AppendMenuA(m_hMenu, nFlags, nIDNewItem, lpszNewItem);
}

BOOL CMenu::InsertMenu(UINT nPosition, UINT nFlags, UINT_PTR nIDNewItem, LPCSTR lpszNewItem) {
    return ::InsertMenuA(m_hMenu, nPosition, nFlags, nIDNewItem, lpszNewItem);
}

BOOL CMenu::ModifyMenu(UINT nPosition, UINT nFlags, UINT_PTR nIDNewItem, LPCSTR lpszNewItem) {
    return ::ModifyMenuA(m_hMenu, nPosition, nFlags, nIDNewItem, lpszNewItem);
}

BOOL CMenu::DeleteMenu(UINT nPosition, UINT nFlags) { return ::DeleteMenu(m_hMenu, nPosition, nFlags); }

BOOL CMenu::RemoveMenu(UINT nPosition, UINT nFlags) { return ::RemoveMenu(m_hMenu, nPosition, nFlags); }

UINT CMenu::CheckMenuItem(UINT nIDCheckItem, UINT nCheck) {
    return static_cast<UINT>(::CheckMenuItem(m_hMenu, nIDCheckItem, nCheck));
}

UINT CMenu::EnableMenuItem(UINT nIDEnableItem, UINT nEnable) {
    return static_cast<UINT>(::EnableMenuItem(m_hMenu, nIDEnableItem, nEnable));
}

UINT CMenu::GetMenuItemCount() const { return static_cast<UINT>(::GetMenuItemCount(m_hMenu)); }

UINT CMenu::GetMenuItemID(int nPos) const { return ::GetMenuItemID(m_hMenu, nPos); }

UINT CMenu::GetMenuState(UINT nID, UINT nFlags) const { return ::GetMenuState(m_hMenu, nID, nFlags); }

// Copies at most nMaxCount - 1 bytes and a terminator.
int CMenu::GetMenuString(UINT nIDItem, LPSTR lpString, int nMaxCount, UINT nFlags) const {
    return ::GetMenuStringA(m_hMenu, nIDItem, lpString, nMaxCount, nFlags);
}

// The whole item text: its length is asked for first.
int CMenu::GetMenuString(UINT nIDItem, CString& rString, UINT nFlags) const {
    int nLen = ::GetMenuStringA(m_hMenu, nIDItem, nullptr, 0, nFlags);
    if (nLen <= 0) {
        rString.Empty();
        return 0;
    }
    nLen = GetMenuString(nIDItem, rString.GetBuffer(nLen), nLen + 1, nFlags);
    rString.ReleaseBuffer(nLen);
    return nLen;
}

CMenu* CMenu::GetSubMenu(int nPos) const { return FromHandle(::GetSubMenu(m_hMenu, nPos)); }

BOOL CMenu::SetDefaultItem(UINT uItem, BOOL fByPos) { return ::SetMenuDefaultItem(m_hMenu, uItem, fByPos); }

// --- pop-up menus --------------------------------------------------------

// With a menu handler installed the handler chooses instead of a person:
// the window first prepares the menu (WM_INITMENUPOPUP, as when it opens),
// then the command comes back (TPM_RETURNCMD) or is posted to the window
// as WM_COMMAND, the way the real menu does it.
BOOL CMenu::TrackPopupMenu(UINT nFlags, int x, int y, CWnd* pWnd, LPCRECT lpRect) {
    HWND hWnd = pWnd ? pWnd->GetSafeHwnd() : nullptr;
    const AFX_MODAL_HANDLERS& handlers = AfxGetModalHandlers();
    if (!handlers.pfnMenu) return ::TrackPopupMenu(m_hMenu, nFlags, x, y, 0, hWnd, lpRect);

    if (hWnd && !(nFlags & TPM_NONOTIFY))
        ::SendMessageA(hWnd, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(m_hMenu), MAKELPARAM(0, FALSE));
    UINT nCmd = handlers.pfnMenu(m_hMenu);
    if (nFlags & TPM_RETURNCMD) return static_cast<BOOL>(nCmd);
    if (nCmd != 0 && hWnd) ::PostMessageA(hWnd, WM_COMMAND, MAKEWPARAM(nCmd, 0), 0);
    return TRUE;
}
