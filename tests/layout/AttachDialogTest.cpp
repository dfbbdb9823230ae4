// Tests of CAttachDialog and its window helper on real resizable dialogs:
// controls following the dialog's size, tracking limits, untouched
// controls, registration through the window, background clipping.
#include <Vokit.h>
#include <gtest/gtest.h>

#include "LayoutTestSupport.h"

#include <map>
#include <vector>

namespace {
const UINT IDD_LAYOUT = 300;
const UINT IDD_CLIP = 301;
const UINT kLayoutIds[] = {1000, 1013, 1006, 1010, 1011, 1020, 1021, 1014, IDOK};

// A control's rectangle in its dialog's client coordinates.
CRect CtrlRect(CWnd* pDlg, UINT nID) {
    CRect rc;
    ::GetWindowRect(::GetDlgItem(pDlg->m_hWnd, static_cast<int>(nID)), &rc);
    pDlg->ScreenToClient(&rc);
    return rc;
}

CRect Moved(const CRect& rc, int dl, int dt, int dr, int db) {
    return CRect(rc.left + dl, rc.top + dt, rc.right + dr, rc.bottom + db);
}

// Changes the window size (and so the client size) by dx x dy.
void Grow(CWnd* pDlg, int dx, int dy) {
    CRect rc;
    pDlg->GetWindowRect(&rc);
    pDlg->SetWindowPos(nullptr, 0, 0, rc.Width() + dx, rc.Height() + dy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// Dialog 300 registered the way Ordovan registers its main dialog.
class CLayoutDialog : public CAttachDialog {
public:
    explicit CLayoutDialog(UINT nIDTemplate = IDD_LAYOUT) : CAttachDialog(nIDTemplate) {}
    using CAttachFormWndHelper::ClipControl;

    bool realize = true;
    int realizeResult = -1;
    CSize sizeAtInit;
    std::map<UINT, CRect> rectsAtInit;

protected:
    BOOL OnInitDialog() override {
        CAttachDialog::OnInitDialog();
        sizeAtInit = GetSize();
        if (m_nIDTemplate != IDD_LAYOUT) return TRUE;
        for (UINT id : kLayoutIds) rectsAtInit[id] = CtrlRect(this, id);
        SetVaAttach(1000, 1, 1, 2, 1, 3, 1, 0);
        SetVaAttach(1013, 1, 1, 3, 1, 0);
        SetVaAttach(1010, 1, 1, 4, 6, 16, 1006, 12, 50, 3, 1, 0);
        SetVaAttach(1011, 1, 6, 13, 1006, 9, 50, 3, 1, 4, 1, 0);
        SetVaAttach(1006, 1, 1, 3, 1, 2, 1, 4, 1, 0);
        SetVaAttach(1014, AT_TOP, AK_FORM, AT_LEFT, AK_CTRL_ADJACENT, AR_LEFT, 1021, A_END);  // 1021: not registered
        SetVaAttach(IDOK, AT_RIGHT, AK_FORM, AT_BOTTOM, AK_FORM, A_END);
        CRect rcWindow;
        GetWindowRect(&rcWindow);
        SetMinSize(rcWindow.Size());
        if (realize) realizeResult = RealizeAttach();
        return TRUE;
    }
};

// Records the flags of every position change of a control.
class CPosSpy : public CWnd {
public:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == WM_WINDOWPOSCHANGING) flags.push_back(reinterpret_cast<WINDOWPOS*>(lParam)->flags);
        return CWnd::WindowProc(message, wParam, lParam);
    }
    std::vector<UINT> flags;
};

// Runs dialog 300 modally, grows it and records the list before and after.
struct ModalProbe {
    static CRect before;
    static CRect after;
    static void CALLBACK Run(CWnd* pDlg) {
        before = CtrlRect(pDlg, 1006);
        Grow(pDlg, 40, 60);
        after = CtrlRect(pDlg, 1006);
        static_cast<CDialog*>(pDlg)->EndDialog(IDOK);
    }
};
CRect ModalProbe::before;
CRect ModalProbe::after;
}  // namespace

TEST(AttachDialogTest, ControlsFollowTheDialogsSize) {
    CLayoutDialog dlg;
    ASSERT_TRUE(dlg.Create(IDD_LAYOUT));
    dlg.ShowWindow(SW_SHOW);
    EXPECT_EQ(1, dlg.realizeResult);
    CRect rcClient, rcWindow;
    dlg.GetClientRect(&rcClient);
    dlg.GetWindowRect(&rcWindow);
    EXPECT_EQ(rcClient.Size(), dlg.sizeAtInit);
    std::map<UINT, CRect>& r0 = dlg.rectsAtInit;
    for (UINT id : kLayoutIds) EXPECT_EQ(r0[id], CtrlRect(&dlg, id)) << id;  // realizing moved nothing
    EXPECT_GE(dlg.FindID(1021), 0);                                          // registered as a reference

    Grow(&dlg, 80, 100);
    EXPECT_EQ(CSize(rcClient.Width() + 80, rcClient.Height() + 100), dlg.GetSize());
    EXPECT_EQ(Moved(r0[1000], 0, 0, 80, 0), CtrlRect(&dlg, 1000));
    EXPECT_EQ(Moved(r0[1013], 80, 0, 80, 0), CtrlRect(&dlg, 1013));
    EXPECT_EQ(Moved(r0[1006], 0, 0, 80, 100), CtrlRect(&dlg, 1006));
    EXPECT_EQ(Moved(r0[1010], 80, 0, 80, 50), CtrlRect(&dlg, 1010));
    EXPECT_EQ(Moved(r0[1011], 80, 50, 80, 100), CtrlRect(&dlg, 1011));
    EXPECT_EQ(CtrlRect(&dlg, 1010).bottom, CtrlRect(&dlg, 1011).top);
    EXPECT_EQ(Moved(r0[IDOK], 80, 100, 80, 100), CtrlRect(&dlg, IDOK));
    for (UINT id : {1020u, 1021u, 1014u}) EXPECT_EQ(r0[id], CtrlRect(&dlg, id)) << id;

    dlg.MoveWindow(&rcWindow);
    for (UINT id : kLayoutIds) EXPECT_EQ(r0[id], CtrlRect(&dlg, id)) << id;
}

TEST(AttachDialogTest, WithoutRealizeNothingMoves) {
    CLayoutDialog dlg;
    dlg.realize = false;
    ASSERT_TRUE(dlg.Create(IDD_LAYOUT));
    Grow(&dlg, 60, 60);
    for (UINT id : kLayoutIds) EXPECT_EQ(dlg.rectsAtInit[id], CtrlRect(&dlg, id)) << id;
    EXPECT_EQ(dlg.sizeAtInit, dlg.GetSize());
}

TEST(AttachDialogTest, TrackingSizeLimits) {
    CLayoutDialog dlg;
    ASSERT_TRUE(dlg.Create(IDD_LAYOUT));
    CRect rcWindow, rc;
    dlg.GetWindowRect(&rcWindow);
    const MINMAXINFO given = {{0, 0}, {0, 0}, {0, 0}, {1, 2}, {5000, 6000}};
    MINMAXINFO mmi = given;
    dlg.SendMessage(WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&mmi));
    EXPECT_EQ(rcWindow.Width(), mmi.ptMinTrackSize.x);
    EXPECT_EQ(rcWindow.Height(), mmi.ptMinTrackSize.y);
    EXPECT_EQ(5000, mmi.ptMaxTrackSize.x);

    dlg.SetWindowPos(nullptr, 0, 0, 50, 50, SWP_NOMOVE | SWP_NOZORDER);  // below the minimum
    dlg.GetWindowRect(&rc);
    EXPECT_EQ(rcWindow.Size(), rc.Size());
    for (UINT id : kLayoutIds) EXPECT_EQ(dlg.rectsAtInit[id], CtrlRect(&dlg, id)) << id;

    dlg.SetMaxSize(CSize(0, rcWindow.Height() + 40));
    EXPECT_EQ(CSize(0, rcWindow.Height() + 40), dlg.GetMaxSize());
    Grow(&dlg, 30, 300);
    dlg.GetWindowRect(&rc);
    EXPECT_EQ(CSize(rcWindow.Width() + 30, rcWindow.Height() + 40), rc.Size());

    dlg.SetMinSize(CSize(0, 0));
    dlg.SetMaxSize(CSize(0, 0));
    mmi = given;
    dlg.SendMessage(WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&mmi));
    EXPECT_EQ(0, memcmp(&given, &mmi, sizeof mmi));

    CAttachDialog plain;  // no window needed
    plain.SetMaxSize(CSize(0, 600));
    mmi = given;
    plain.CalcMinMax(&mmi);
    EXPECT_EQ(CPoint(5000, 600), CPoint(mmi.ptMaxTrackSize));
    EXPECT_EQ(CPoint(1, 2), CPoint(mmi.ptMinTrackSize));
    EXPECT_EQ(1, plain.SetAttachMode(1, 2));
}

TEST(AttachDialogTest, OnlyChangedControlsAreMoved) {
    CPosSpy label, button, list;  // outlive the dialog
    CLayoutDialog dlg;
    ASSERT_TRUE(dlg.Create(IDD_LAYOUT));
    label.SubclassDlgItem(1020, &dlg);
    button.SubclassDlgItem(1013, &dlg);
    list.SubclassDlgItem(1006, &dlg);
    Grow(&dlg, 40, 0);
    EXPECT_TRUE(label.flags.empty());
    ASSERT_EQ(1u, button.flags.size());
    EXPECT_EQ(UINT(SWP_NOSIZE), button.flags[0] & (SWP_NOSIZE | SWP_NOMOVE));
    ASSERT_EQ(1u, list.flags.size());
    EXPECT_EQ(UINT(SWP_NOMOVE), list.flags[0] & (SWP_NOSIZE | SWP_NOMOVE));

    // A control that is gone is skipped; the others still move.
    button.DestroyWindow();
    Grow(&dlg, 20, 0);
    EXPECT_EQ(Moved(dlg.rectsAtInit[1006], 0, 0, 60, 0), CtrlRect(&dlg, 1006));
}

TEST(AttachDialogTest, RegistrationReadsTheControlFromTheDialog) {
    CLayoutDialog dlg;
    ASSERT_TRUE(dlg.Create(IDD_LAYOUT));
    EXPECT_EQ(0, dlg.SetVaAttach(4242, AT_TOP, AK_FORM, A_END));  // no such control
    EXPECT_EQ(-1, dlg.FindID(4242));
    EXPECT_EQ(1, dlg.SetVaAttach(1020, A_END));  // rectangle only
    CRect rc;
    EXPECT_EQ(1, dlg.GetRect(1020, &rc));
    EXPECT_EQ(CtrlRect(&dlg, 1020), rc);

    EXPECT_EQ(1, dlg.SetVaAttach(1020, AT_TOP, AK_CTRL_SAME, AR_TOP, 4243, A_END));
    EXPECT_EQ(0, dlg.RealizeAttach());  // 4243 is no control
    Grow(&dlg, 50, 50);
    EXPECT_EQ(dlg.rectsAtInit[1006], CtrlRect(&dlg, 1006));
    dlg.Dettach(1020);
    EXPECT_EQ(1, dlg.RealizeAttach());  // takes the controls as they are now
    EXPECT_EQ(dlg.rectsAtInit[1006], CtrlRect(&dlg, 1006));
    Grow(&dlg, 10, 10);
    EXPECT_EQ(Moved(dlg.rectsAtInit[1006], 0, 0, 10, 10), CtrlRect(&dlg, 1006));
}

TEST(AttachDialogTest, EraseClipsVisibleDirectChildren) {
    CLayoutDialog dlg(IDD_CLIP);
    ASSERT_TRUE(dlg.Create(IDD_CLIP));
    dlg.ShowWindow(SW_SHOW);
    const CRect g = CtrlRect(&dlg, 1100);
    ::CreateWindowExA(0, "STATIC", "", WS_CHILD | WS_VISIBLE, 20, 20, 30, 20, dlg.GetDlgItem(1100)->m_hWnd, nullptr,
                      nullptr, nullptr);
    const CPoint button = CtrlRect(&dlg, 1101).CenterPoint();
    const CPoint hidden = CtrlRect(&dlg, 1102).CenterPoint();
    const CPoint grandchild(g.left + 35, g.top + 30);
    CRect rcClient;
    dlg.GetClientRect(&rcClient);
    const CPoint empty(rcClient.right - 3, rcClient.bottom - 3);

    HDC hScreen = ::GetDC(nullptr);
    HDC hMem = ::CreateCompatibleDC(hScreen);
    HBITMAP hBitmap = ::CreateCompatibleBitmap(hScreen, rcClient.Width(), rcClient.Height());
    ::ReleaseDC(nullptr, hScreen);
    HGDIOBJ hOld = ::SelectObject(hMem, hBitmap);
    auto visible = [&](CPoint pt) { return ::PtVisible(hMem, pt.x, pt.y) != FALSE; };

    dlg.ClipControl(CDC::FromHandle(hMem));
    EXPECT_FALSE(visible(button));
    EXPECT_FALSE(visible(CPoint(g.left, g.CenterPoint().y)));  // group box frame strips
    EXPECT_FALSE(visible(CPoint(g.right - 1, g.CenterPoint().y)));
    EXPECT_FALSE(visible(CPoint(g.CenterPoint().x, g.bottom - 1)));
    EXPECT_TRUE(visible(CPoint(g.CenterPoint().x, g.top + 1)));  // caption line
    EXPECT_TRUE(visible(CPoint(g.left, g.top + 5)));
    EXPECT_TRUE(visible(grandchild));
    EXPECT_TRUE(visible(hidden));
    EXPECT_TRUE(visible(empty));

    // The erase paints around the controls, or everywhere without clipping.
    for (BOOL clip : {TRUE, FALSE}) {
        dlg.SetClipMode(clip);
        ::SelectClipRgn(hMem, nullptr);
        ::PatBlt(hMem, 0, 0, rcClient.Width(), rcClient.Height(), BLACKNESS);
        EXPECT_NE(0, dlg.SendMessage(WM_ERASEBKGND, reinterpret_cast<WPARAM>(hMem)));
        EXPECT_NE(RGB(0, 0, 0), ::GetPixel(hMem, empty.x, empty.y));
        EXPECT_EQ(clip, ::GetPixel(hMem, button.x, button.y) == RGB(0, 0, 0)) << clip;
    }
    ::SelectObject(hMem, hOld);
    ::DeleteObject(hBitmap);
    ::DeleteDC(hMem);

    dlg.RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    EXPECT_FALSE(::GetUpdateRect(dlg.m_hWnd, nullptr, FALSE));  // WM_PAINT validated it
}

TEST(AttachDialogTest, ModalDialogLaysOutItsControls) {
    CLayoutDialog dlg;
    AFX_MODAL_HANDLERS handlers = {};
    handlers.pfnDialog = &ModalProbe::Run;
    AFX_MODAL_HANDLERS previous = AfxSetModalHandlers(&handlers);
    EXPECT_EQ(IDOK, dlg.DoModal());
    AfxSetModalHandlers(&previous);
    EXPECT_EQ(Moved(ModalProbe::before, 0, 0, 40, 60), ModalProbe::after);
}
