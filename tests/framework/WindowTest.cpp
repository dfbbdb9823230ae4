// Tests of CWnd: creation hand-off, the handle map, message maps and their
// chaining, reflection to child controls, and exceptions in handlers.
#include <afxwin.h>
#include <gtest/gtest.h>

#include "MessageBoxCapture.h"

#include <string>
#include <vector>

namespace {
const UINT WM_TEST_PING = WM_USER + 5;
const UINT WM_TEST_THROW = WM_USER + 6;

// A top-level window that records what reaches its handlers.
class CProbeWnd : public CWnd {
public:
    std::vector<std::string> log;
    int createResult = 0;
    int throwKind = 0;
    BOOL CreateProbe() {
        return CreateEx(0, AfxRegisterWndClass(0), "probe", WS_OVERLAPPEDWINDOW, 0, 0, 200, 150, nullptr, nullptr);
    }

protected:
    afx_msg int OnCreate(LPCREATESTRUCT cs) {
        log.push_back(std::string("create:") + (cs->lpszName ? cs->lpszName : ""));
        return createResult;
    }
    afx_msg void OnSize(UINT, int cx, int cy) {
        log.push_back("size:" + std::to_string(cx) + "x" + std::to_string(cy));
    }
    afx_msg LRESULT OnPing(WPARAM w, LPARAM l) { return static_cast<LRESULT>(w + l); }
    afx_msg LRESULT OnThrow(WPARAM, LPARAM) {
        if (throwKind == 1) AfxThrowUserException();
        if (throwKind == 2) AfxThrowFileException(CFileException::diskFull);
        throw 42;
    }
    afx_msg void OnCommandRange(UINT nID) { log.push_back("range:" + std::to_string(nID)); }
    afx_msg void OnOne() { log.push_back("one"); }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CProbeWnd, CWnd)
    ON_WM_CREATE()
    ON_WM_SIZE()
    ON_MESSAGE(WM_TEST_PING, OnPing)
    ON_MESSAGE(WM_TEST_THROW, OnThrow)
    ON_COMMAND(300, OnOne)
    ON_COMMAND_RANGE(301, 305, OnCommandRange)
END_MESSAGE_MAP()

// A derived window: its own entry for one message, the base's for the rest.
class CDerivedProbeWnd : public CProbeWnd {
protected:
    afx_msg LRESULT OnPingTwice(WPARAM w, LPARAM l) { return static_cast<LRESULT>(2 * (w + l)); }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CDerivedProbeWnd, CProbeWnd)
    ON_MESSAGE(WM_TEST_PING, OnPingTwice)
END_MESSAGE_MAP()

// A window that deletes itself after its last message.
class CSelfDeletingWnd : public CWnd {
public:
    static int deleted;
    ~CSelfDeletingWnd() override { ++deleted; }

protected:
    void PostNcDestroy() override { delete this; }
};
int CSelfDeletingWnd::deleted = 0;

// An edit that handles its own EN_CHANGE (optionally letting the parent see it too).
class CReflectingEdit : public CWnd {
public:
    int changes = 0;
    BOOL passOn = FALSE;
    HBRUSH brush = nullptr;
    int notifies = 0;

protected:
    afx_msg BOOL OnChange() {
        ++changes;
        return !passOn;
    }
    afx_msg HBRUSH CtlColor(CDC*, UINT) { return brush; }
    afx_msg void OnClickReflect(NMHDR*, LRESULT* pResult) {
        ++notifies;
        *pResult = 7;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CReflectingEdit, CWnd)
    ON_CONTROL_REFLECT_EX(EN_CHANGE, OnChange)
    ON_WM_CTLCOLOR_REFLECT()
    ON_NOTIFY_REFLECT(NM_CLICK, OnClickReflect)
END_MESSAGE_MAP()

// A parent that counts the notifications that reach it.
class CParentWnd : public CWnd {
public:
    int parentChanges = 0;
    int parentNotifies = 0;

protected:
    afx_msg void OnEditChange() { ++parentChanges; }
    afx_msg void OnClick(NMHDR*, LRESULT*) { ++parentNotifies; }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CParentWnd, CWnd)
    ON_EN_CHANGE(101, OnEditChange)
    ON_NOTIFY(NM_CLICK, 101, OnClick)
END_MESSAGE_MAP()
}  // namespace

TEST(WindowTest, CreationHandsTheObjectToTheFirstMessages) {
    CProbeWnd wnd;
    ASSERT_TRUE(wnd.CreateProbe());
    ASSERT_FALSE(wnd.log.empty());
    EXPECT_EQ("create:probe", wnd.log[0]);
    EXPECT_EQ(&wnd, CWnd::FromHandlePermanent(wnd.m_hWnd));
    wnd.log.clear();
    wnd.MoveWindow(0, 0, 300, 200);
    CRect rc;
    wnd.GetClientRect(&rc);
    ASSERT_FALSE(wnd.log.empty());
    EXPECT_EQ("size:" + std::to_string(rc.Width()) + "x" + std::to_string(rc.Height()), wnd.log.back());
    HWND hWnd = wnd.m_hWnd;
    EXPECT_TRUE(wnd.DestroyWindow());
    EXPECT_EQ(nullptr, wnd.m_hWnd);
    EXPECT_EQ(nullptr, CWnd::FromHandlePermanent(hWnd));
}

TEST(WindowTest, FailingOnCreateFailsCreation) {
    CProbeWnd wnd;
    wnd.createResult = -1;
    EXPECT_FALSE(wnd.CreateProbe());
    EXPECT_EQ(nullptr, wnd.m_hWnd);
}

TEST(WindowTest, MessageMapsChainToTheBaseClass) {
    CDerivedProbeWnd wnd;
    ASSERT_TRUE(wnd.CreateProbe());
    EXPECT_EQ(10, wnd.SendMessage(WM_TEST_PING, 2, 3));  // the derived entry wins
    wnd.SendMessage(WM_COMMAND, MAKEWPARAM(303, 0), 0);  // the base's range entry
    wnd.SendMessage(WM_COMMAND, MAKEWPARAM(300, 1), 0);  // an accelerator is a command
    wnd.SendMessage(WM_COMMAND, MAKEWPARAM(306, 0), 0);  // outside every entry
    ASSERT_GE(wnd.log.size(), 2u);
    EXPECT_EQ("range:303", wnd.log[wnd.log.size() - 2]);
    EXPECT_EQ("one", wnd.log.back());
    CProbeWnd plain;
    ASSERT_TRUE(plain.CreateProbe());
    EXPECT_EQ(5, plain.SendMessage(WM_TEST_PING, 2, 3));
}

TEST(WindowTest, TemporaryWrappersLiveUntilIdle) {
    HWND hWnd = CreateWindowExA(0, "STATIC", "foreign", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(nullptr, hWnd);
    EXPECT_EQ(nullptr, CWnd::FromHandlePermanent(hWnd));
    CWnd* temp = CWnd::FromHandle(hWnd);
    ASSERT_NE(nullptr, temp);
    EXPECT_EQ(temp, CWnd::FromHandle(hWnd));
    CString text;
    temp->GetWindowText(text);
    EXPECT_STREQ("foreign", text);
    AfxDeleteTempMaps();
    EXPECT_TRUE(IsWindow(hWnd));  // deleting the wrapper leaves the window
    DestroyWindow(hWnd);
    EXPECT_EQ(nullptr, CWnd::FromHandle(nullptr));
}

TEST(WindowTest, SelfDeletingWindowIsDeletedAfterItsLastMessage) {
    CSelfDeletingWnd::deleted = 0;
    CSelfDeletingWnd* wnd = new CSelfDeletingWnd;
    ASSERT_TRUE(wnd->CreateEx(0, AfxRegisterWndClass(0), "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr));
    HWND hWnd = wnd->m_hWnd;
    ::DestroyWindow(hWnd);
    EXPECT_EQ(1, CSelfDeletingWnd::deleted);
    EXPECT_EQ(nullptr, CWnd::FromHandlePermanent(hWnd));
}

TEST(WindowTest, SubclassAndUnsubclassAForeignControl) {
    CParentWnd parent;
    ASSERT_TRUE(parent.CreateEx(0, AfxRegisterWndClass(0), "parent", WS_POPUP, 0, 0, 200, 100, nullptr, nullptr));
    HWND hEdit = CreateWindowExA(0, "EDIT", "", WS_CHILD | WS_VISIBLE, 0, 0, 100, 20, parent.m_hWnd,
                                 reinterpret_cast<HMENU>(101), nullptr, nullptr);
    ASSERT_NE(nullptr, hEdit);
    CReflectingEdit edit;
    ASSERT_TRUE(edit.SubclassWindow(hEdit));
    EXPECT_FALSE(CReflectingEdit().SubclassWindow(hEdit));  // one object per window

    // The child handles its own change; the parent does not see it...
    edit.SetWindowText("a");
    EXPECT_EQ(1, edit.changes);
    EXPECT_EQ(0, parent.parentChanges);
    // ...unless the child lets it pass.
    edit.passOn = TRUE;
    edit.SetWindowText("ab");
    EXPECT_EQ(2, edit.changes);
    EXPECT_EQ(1, parent.parentChanges);
    // The default procedure still works behind the object.
    CString text;
    edit.GetWindowText(text);
    EXPECT_STREQ("ab", text);

    EXPECT_EQ(hEdit, edit.UnsubclassWindow());
    SetWindowTextA(hEdit, "abc");
    EXPECT_EQ(2, edit.changes);
    EXPECT_EQ(2, parent.parentChanges);
}

TEST(WindowTest, NotificationsAndColoursAreReflected) {
    CParentWnd parent;
    ASSERT_TRUE(parent.CreateEx(0, AfxRegisterWndClass(0), "parent", WS_POPUP, 0, 0, 200, 100, nullptr, nullptr));
    CReflectingEdit edit;
    ASSERT_TRUE(edit.CreateEx(0, "EDIT", "", WS_CHILD, CRect(0, 0, 50, 20), &parent, 101));
    NMHDR nm = {edit.m_hWnd, 101, static_cast<UINT>(NM_CLICK)};
    EXPECT_EQ(7, parent.SendMessage(WM_NOTIFY, 101, reinterpret_cast<LPARAM>(&nm)));
    EXPECT_EQ(1, edit.notifies);
    EXPECT_EQ(0, parent.parentNotifies);

    // A colour query: the child's brush when it gives one, else the default.
    HBRUSH red = CreateSolidBrush(RGB(255, 0, 0));
    edit.brush = red;
    HDC hdc = GetDC(parent.m_hWnd);
    EXPECT_EQ(reinterpret_cast<LRESULT>(red), parent.SendMessage(WM_CTLCOLOREDIT, reinterpret_cast<WPARAM>(hdc),
                                                                 reinterpret_cast<LPARAM>(edit.m_hWnd)));
    edit.brush = nullptr;
    EXPECT_NE(reinterpret_cast<LRESULT>(red), parent.SendMessage(WM_CTLCOLOREDIT, reinterpret_cast<WPARAM>(hdc),
                                                                 reinterpret_cast<LPARAM>(edit.m_hWnd)));
    ReleaseDC(parent.m_hWnd, hdc);
    DeleteObject(red);
}

TEST(WindowTest, NoExceptionLeavesAWindowProcedure) {
    CProbeWnd wnd;
    ASSERT_TRUE(wnd.CreateProbe());
    MessageBoxCapture boxes;
    wnd.throwKind = 1;  // already reported: silent
    EXPECT_EQ(0, wnd.SendMessage(WM_TEST_THROW));
    EXPECT_EQ(0, boxes.Count());
    wnd.throwKind = 2;  // a framework exception is reported
    EXPECT_EQ(0, wnd.SendMessage(WM_TEST_THROW));
    EXPECT_EQ(1, boxes.Count());
    wnd.throwKind = 3;  // anything else too
    EXPECT_EQ(0, wnd.SendMessage(WM_TEST_THROW));
    EXPECT_EQ(2, boxes.Count());
    EXPECT_TRUE(IsWindow(wnd.m_hWnd));
}

namespace {
// A window with a palette of its own: it realises it when asked and notes
// who changed the system palette.
class CPaletteWnd : public CWnd {
public:
    CPalette palette;
    std::vector<HWND> changedBy;

protected:
    afx_msg BOOL OnQueryNewPalette() {
        CClientDC dc(this);
        CPalette* old = dc.SelectPalette(&palette, FALSE);
        dc.RealizePalette();
        dc.SelectPalette(old, FALSE);
        return TRUE;
    }
    afx_msg void OnPaletteChanged(CWnd* pFocusWnd) { changedBy.push_back(pFocusWnd ? pFocusWnd->m_hWnd : nullptr); }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CPaletteWnd, CWnd)
    ON_WM_QUERYNEWPALETTE()
    ON_WM_PALETTECHANGED()
END_MESSAGE_MAP()
}  // namespace

TEST(WindowTest, PaletteMessagesReachTheirHandlers) {
    CPaletteWnd wnd;
    LOGPALETTE colours = {0x300, 1, {{255, 0, 0, 0}}};
    ASSERT_TRUE(wnd.palette.CreatePalette(&colours));
    ASSERT_TRUE(wnd.CreateEx(0, AfxRegisterWndClass(0), "palette", WS_POPUP, 0, 0, 50, 50, nullptr, nullptr));
    EXPECT_EQ(TRUE, wnd.SendMessage(WM_QUERYNEWPALETTE));  // the handler's answer
    CWnd other;
    ASSERT_TRUE(other.CreateEx(0, AfxRegisterWndClass(0), "other", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr));
    wnd.SendMessage(WM_PALETTECHANGED, reinterpret_cast<WPARAM>(other.m_hWnd));
    wnd.SendMessage(WM_PALETTECHANGED, reinterpret_cast<WPARAM>(wnd.m_hWnd));
    EXPECT_EQ((std::vector<HWND>{other.m_hWnd, wnd.m_hWnd}), wnd.changedBy);
    EXPECT_EQ(FALSE, other.SendMessage(WM_QUERYNEWPALETTE));  // nothing realised by default
    AfxDeleteTempMaps();
}
