// Tests of CDialog and data exchange: modal and modeless dialogs from a
// template, the disabled owner, the modal loop with PreTranslateMessage,
// and DDX in both directions with its validation.
#include <afxwin.h>
#include <gtest/gtest.h>

#include "FrameworkTestsRes.h"
#include "MessageBoxCapture.h"
#include "ModalScript.h"

#include <functional>

namespace {

// The dialog of FrameworkTests.rc with four bound members.
class CTestDialog : public CDialog {
public:
    explicit CTestDialog(CWnd* pParent = nullptr) : CDialog(IDD_TEST, pParent) {}
    int m_nNumber = 12;
    CString m_strName = "名前";
    int m_bCheck = 1;
    CString m_strCombo = "beta";
    int initCalls = 0;
    std::function<void(CTestDialog*)> onInit;

protected:
    void DoDataExchange(CDataExchange* pDX) override {
        DDX_Text(pDX, IDC_TEST_NUMBER, m_nNumber);
        DDX_Text(pDX, IDC_TEST_NAME, m_strName);
        DDX_Check(pDX, IDC_TEST_CHECK, m_bCheck);
        DDX_CBString(pDX, IDC_TEST_COMBO, m_strCombo);
    }
    BOOL OnInitDialog() override {
        ++initCalls;
        CComboBox* combo = static_cast<CComboBox*>(GetDlgItem(IDC_TEST_COMBO));
        combo->SendMessage(CB_ADDSTRING, 0, reinterpret_cast<LPARAM>("alpha"));
        combo->SendMessage(CB_ADDSTRING, 0, reinterpret_cast<LPARAM>("beta"));
        CDialog::OnInitDialog();
        if (onInit) onInit(this);
        return TRUE;
    }
};

// An edit that swallows the Enter key before the dialog sees it.
class CEnterEatingEdit : public CWnd {
public:
    int enters = 0;
    BOOL PreTranslateMessage(MSG* pMsg) override {
        if (pMsg->message == WM_KEYDOWN && pMsg->wParam == VK_RETURN) {
            ++enters;
            return TRUE;
        }
        return FALSE;
    }
};

CString ItemText(CWnd* dlg, int id) {
    CString text;
    dlg->GetDlgItemText(id, text);
    return text;
}
}  // namespace

TEST(DialogTest, ModalDialogExchangesDataBothWays) {
    CWnd owner;
    ASSERT_TRUE(owner.CreateEx(0, AfxRegisterWndClass(0), "owner", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 300, 200,
                               nullptr, nullptr));
    CTestDialog dlg(&owner);
    BOOL ownerEnabledDuring = TRUE;
    ModalScript script([&](CWnd* pDlg) {
        ownerEnabledDuring = owner.IsWindowEnabled();
        EXPECT_STREQ("12", ItemText(pDlg, IDC_TEST_NUMBER));
        EXPECT_STREQ("名前", ItemText(pDlg, IDC_TEST_NAME));
        EXPECT_STREQ("beta", ItemText(pDlg, IDC_TEST_COMBO));
        pDlg->SetDlgItemText(IDC_TEST_NUMBER, " -345 ");
        pDlg->SetDlgItemText(IDC_TEST_NAME, "新しい名前");
        pDlg->CheckDlgButton(IDC_TEST_CHECK, BST_UNCHECKED);
        pDlg->SetDlgItemText(IDC_TEST_COMBO, "typed");
        pDlg->SendMessage(WM_COMMAND, IDOK, 0);
    });
    EXPECT_EQ(IDOK, dlg.DoModal());
    EXPECT_FALSE(ownerEnabledDuring);
    EXPECT_TRUE(owner.IsWindowEnabled());
    EXPECT_EQ(nullptr, dlg.m_hWnd);
    EXPECT_EQ(-345, dlg.m_nNumber);
    EXPECT_STREQ("新しい名前", dlg.m_strName);
    EXPECT_EQ(0, dlg.m_bCheck);
    EXPECT_STREQ("typed", dlg.m_strCombo);
}

TEST(DialogTest, InvalidNumberKeepsTheDialogOpen) {
    CTestDialog dlg;
    MessageBoxCapture boxes;
    ModalScript script([&](CWnd* pDlg) {
        for (const char* bad : {"", "12x", "99999999999", "--1"}) {
            pDlg->SetDlgItemText(IDC_TEST_NUMBER, bad);
            pDlg->SendMessage(WM_COMMAND, IDOK, 0);
            EXPECT_TRUE(pDlg->IsWindowVisible()) << bad;
        }
        EXPECT_EQ(pDlg->GetDlgItem(IDC_TEST_NUMBER)->m_hWnd, ::GetFocus());
        pDlg->SetDlgItemText(IDC_TEST_NUMBER, "2147483647");
        pDlg->SendMessage(WM_COMMAND, IDOK, 0);
    });
    EXPECT_EQ(IDOK, dlg.DoModal());
    EXPECT_EQ(4, boxes.Count());
    EXPECT_EQ("整数を入力してください。", boxes.Text(0));
    EXPECT_EQ(2147483647, dlg.m_nNumber);
}

TEST(DialogTest, CancelKeepsTheMembers) {
    CTestDialog dlg;
    ModalScript script([](CWnd* pDlg) {
        pDlg->SetDlgItemText(IDC_TEST_NAME, "changed");
        pDlg->SendMessage(WM_COMMAND, IDCANCEL, 0);
    });
    EXPECT_EQ(IDCANCEL, dlg.DoModal());
    EXPECT_STREQ("名前", dlg.m_strName);
}

TEST(DialogTest, TheModalLoopGivesControlsTheFirstLookAtKeys) {
    CTestDialog dlg;
    CEnterEatingEdit edit;
    dlg.onInit = [&](CTestDialog* d) { edit.SubclassDlgItem(IDC_TEST_NAME, d); };
    ModalScript script([&](CWnd* pDlg) {
        // Queued as a person's keys would be: Enter in the edit is eaten by
        // it (without it the dialog would end with IDOK), then Esc cancels.
        HWND hEdit = pDlg->GetDlgItem(IDC_TEST_NAME)->m_hWnd;
        ::PostMessageA(hEdit, WM_KEYDOWN, VK_RETURN, 0);
        ::PostMessageA(hEdit, WM_KEYDOWN, VK_ESCAPE, 0);
    });
    EXPECT_EQ(IDCANCEL, dlg.DoModal());
    EXPECT_EQ(1, edit.enters);
    EXPECT_EQ(nullptr, edit.m_hWnd);  // detached with the dialog's end
}

TEST(DialogTest, ModelessDialogAndMissingTemplate) {
    CTestDialog dlg;
    ASSERT_TRUE(dlg.Create(IDD_TEST));
    EXPECT_EQ(1, dlg.initCalls);
    EXPECT_STREQ("12", ItemText(&dlg, IDC_TEST_NUMBER));
    dlg.SetDlgItemText(IDC_TEST_NUMBER, "77");
    EXPECT_TRUE(dlg.UpdateData(TRUE));
    EXPECT_EQ(77, dlg.m_nNumber);
    EXPECT_TRUE(dlg.DestroyWindow());
    EXPECT_EQ(nullptr, dlg.m_hWnd);

    CDialog missing(4242);
    EXPECT_EQ(-1, missing.DoModal());
    EXPECT_FALSE(missing.Create(4242));
}

// Where a dialog opens: centred over its owner, or over the screen's work
// area when there is none to see, always inside the work area; where
// OnInitDialog or the template put it when they did.
TEST(DialogTest, ADialogOpensCentredOverItsOwnerUnlessPlaced) {
    RECT work;
    ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    CWnd owner;
    ASSERT_TRUE(owner.CreateEx(0, AfxRegisterWndClass(0), "owner", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 300, 200, 500, 400,
                               nullptr, nullptr));
    auto openedAt = [&](CWnd* pOwner, const std::function<void(CTestDialog*)>& onInit = nullptr) {
        CTestDialog dlg(pOwner);
        dlg.onInit = onInit;
        EXPECT_TRUE(dlg.Create(IDD_TEST, pOwner));
        CRect rect;
        dlg.GetWindowRect(&rect);
        return rect;
    };
    auto expectCentredOn = [](const CRect& outer, const CRect& rect, const char* what) {
        EXPECT_NEAR(outer.CenterPoint().x, rect.CenterPoint().x, 1) << what;
        EXPECT_NEAR(outer.CenterPoint().y, rect.CenterPoint().y, 1) << what;
    };

    expectCentredOn(CRect(300, 200, 800, 600), openedAt(&owner), "over the owner");
    const CRect moved =
        openedAt(&owner, [](CTestDialog* pDlg) { pDlg->SetWindowPos(nullptr, 7, 9, 0, 0, SWP_NOSIZE); });
    EXPECT_EQ(CPoint(7, 9), moved.TopLeft());
    // A stored place that is where the dialog first stood is kept too.
    CRect first;
    const CRect kept = openedAt(&owner, [&](CTestDialog* pDlg) {
        pDlg->GetWindowRect(&first);
        pDlg->MoveWindow(&first);
    });
    EXPECT_EQ(first, kept);

    owner.MoveWindow(work.right - 120, work.bottom - 90, 500, 400);
    const CRect atTheEdge = openedAt(&owner);
    EXPECT_LE(atTheEdge.right, work.right);
    EXPECT_LE(atTheEdge.bottom, work.bottom);

    owner.ShowWindow(SW_HIDE);
    expectCentredOn(CRect(work), openedAt(&owner), "hidden owner");
    expectCentredOn(CRect(work), openedAt(nullptr), "no owner");

    CDialog placed(201);
    ASSERT_TRUE(placed.Create(201, &owner));
    CRect position(20, 30, 0, 0);  // where the template puts the client area
    ::MapDialogRect(placed.m_hWnd, &position);
    CPoint client(0, 0);
    placed.ClientToScreen(&client);
    EXPECT_EQ(position.TopLeft(), client);
    placed.DestroyWindow();
    owner.DestroyWindow();
}
