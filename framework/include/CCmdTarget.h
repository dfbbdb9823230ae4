// CCmdTarget.h - the root of everything that has a message map.
#pragma once

#include "afx.h"
#include "AfxMsgMap.h"

class AFX_API CCmdTarget : public CObject {
    DECLARE_DYNAMIC(CCmdTarget)
public:
    CCmdTarget() = default;

    // Looks up the entry for a message, notification code and ID along the
    // chain of message maps; null when no class handles it.
    const AFX_MSGMAP_ENTRY* FindMessageEntry(UINT nMessage, UINT nCode, UINT nID) const;
    // Routes a command (menu item, accelerator or control notification) to
    // this object's handler; TRUE when one took it. nCode may also be
    // CN_UPDATE_COMMAND_UI (lParam: the CCmdUI) or CN_QUERY_COMMAND (TRUE
    // when a handler exists; nothing is called).
    virtual BOOL OnCmdMsg(UINT nID, int nCode, WPARAM wParam, LPARAM lParam);

protected:
    static const AFX_MSGMAP* PASCAL GetThisMessageMap();
    virtual const AFX_MSGMAP* GetMessageMap() const;

    friend struct AfxDispatch;
};

// Shows the wait cursor while it lives.
class AFX_API CWaitCursor {
public:
    CWaitCursor();
    ~CWaitCursor();
    CWaitCursor(const CWaitCursor&) = delete;
    CWaitCursor& operator=(const CWaitCursor&) = delete;
    void Restore();

private:
    HCURSOR m_hOldCursor;
};
