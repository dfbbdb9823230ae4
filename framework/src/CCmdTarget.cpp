// CCmdTarget.cpp - looking up message-map entries and routing commands.
#include "CCmdTarget.h"

#include "CCmdUI.h"

IMPLEMENT_DYNAMIC(CCmdTarget, CObject)

const AFX_MSGMAP* PASCAL CCmdTarget::GetThisMessageMap() {
    static const AFX_MSGMAP_ENTRY entries[] = {{0, 0, 0, 0, nullptr, nullptr}};
    static const AFX_MSGMAP messageMap = {nullptr, &entries[0]};
    return &messageMap;
}

const AFX_MSGMAP* CCmdTarget::GetMessageMap() const { return GetThisMessageMap(); }

const AFX_MSGMAP_ENTRY* CCmdTarget::FindMessageEntry(UINT nMessage, UINT nCode, UINT nID) const {
    for (const AFX_MSGMAP* map = GetMessageMap(); map; map = map->pfnGetBaseMap ? map->pfnGetBaseMap() : nullptr) {
        for (const AFX_MSGMAP_ENTRY* e = map->lpEntries; e->pfnDispatch; ++e) {
            if (e->nMessage == nMessage && e->nCode == nCode && nID >= e->nID && nID <= e->nLastID) return e;
        }
    }
    return nullptr;
}

BOOL CCmdTarget::OnCmdMsg(UINT nID, int nCode, WPARAM wParam, LPARAM lParam) {
    (void)wParam;
    // CCmdUI::DoUpdate asks whether a command would be handled at all.
    if (static_cast<UINT>(nCode) == CN_QUERY_COMMAND) return FindMessageEntry(WM_COMMAND, CN_COMMAND, nID) != nullptr;
    const AFX_MSGMAP_ENTRY* entry = FindMessageEntry(WM_COMMAND, static_cast<UINT>(nCode), nID);
    if (!entry) return FALSE;
    BOOL handled = TRUE;
    // An update handler may pass the item on to the next command target.
    CCmdUI* pCmdUI = static_cast<UINT>(nCode) == CN_UPDATE_COMMAND_UI ? reinterpret_cast<CCmdUI*>(lParam) : nullptr;
    if (pCmdUI) pCmdUI->m_bContinueRouting = FALSE;
    entry->pfnDispatch(this, entry, MAKEWPARAM(nID, nCode), lParam, &handled);
    if (pCmdUI && pCmdUI->m_bContinueRouting) handled = FALSE;
    return handled;
}

CWaitCursor::CWaitCursor() : m_hOldCursor(::SetCursor(::LoadCursor(nullptr, IDC_WAIT))) {}

CWaitCursor::~CWaitCursor() { ::SetCursor(m_hOldCursor); }

void CWaitCursor::Restore() { ::SetCursor(::LoadCursor(nullptr, IDC_WAIT)); }
