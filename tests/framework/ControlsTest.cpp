// Tests of the control classes, menus and the colour and file choosers,
// with real windows. Menus and choosers are answered by the modal handlers.
#include <afxwin.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {
const UINT kCmdOpen = 201;
const UINT kCmdSave = 202;
const UINT kCheckBoxID = 101;

// Runs whatever is queued for this thread's windows.
void PumpMessages() {
    MSG msg;
    while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        ::TranslateMessage(&msg);
        ::DispatchMessageA(&msg);
    }
}

// The parent of the controls: records the commands and menu preparations
// that reach it.
class CCommandWnd : public CWnd {
public:
    std::vector<UINT> commands;
    std::vector<HMENU> initMenus;

    BOOL CreateTop() {
        return CreateEx(0, AfxRegisterWndClass(0, nullptr, reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1)), "コントロール",
                        WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 480, 360, nullptr, nullptr);
    }

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == WM_INITMENUPOPUP) initMenus.push_back(reinterpret_cast<HMENU>(wParam));
        return CWnd::WindowProc(message, wParam, lParam);
    }
    afx_msg void OnOpen() { commands.push_back(kCmdOpen); }
    afx_msg void OnSave() { commands.push_back(kCmdSave); }
    afx_msg void OnCheckBox() { commands.push_back(kCheckBoxID); }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CCommandWnd, CWnd)
    ON_COMMAND(kCmdOpen, OnOpen)
    ON_COMMAND(kCmdSave, OnSave)
    ON_BN_CLICKED(kCheckBoxID, OnCheckBox)
END_MESSAGE_MAP()

// Installs modal handlers for one test and puts the old ones back.
class ModalHandlersScope {
public:
    explicit ModalHandlersScope(const AFX_MODAL_HANDLERS& handlers) : m_previous(AfxSetModalHandlers(&handlers)) {}
    ~ModalHandlersScope() { AfxSetModalHandlers(&m_previous); }
    ModalHandlersScope(const ModalHandlersScope&) = delete;
    ModalHandlersScope& operator=(const ModalHandlersScope&) = delete;

private:
    AFX_MODAL_HANDLERS m_previous;
};

// What an owner-drawn control was asked to draw.
struct DrawLog {
    int draws = 0;
    UINT ctlType = 0;
    HWND hwndItem = nullptr;
    void Record(const DRAWITEMSTRUCT* dis) {
        ++draws;
        ctlType = dis->CtlType;
        hwndItem = dis->hwndItem;
    }
};

// A control of class Base that logs its DrawItem calls.
template <class Base>
class CDrawn : public Base {
public:
    DrawLog log;
    void DrawItem(LPDRAWITEMSTRUCT dis) override { log.Record(dis); }
};

// An owner-drawn combo box without strings: items are numbers, sorted by
// CompareItem.
class CDrawnCombo : public CDrawn<CComboBox> {
public:
    int measures = 0;
    int compares = 0;
    std::vector<DWORD_PTR> deleted;
    void MeasureItem(LPMEASUREITEMSTRUCT mis) override {
        ++measures;
        mis->itemHeight = 21;
    }
    int CompareItem(LPCOMPAREITEMSTRUCT cis) override {
        ++compares;
        return cis->itemData1 < cis->itemData2 ? -1 : (cis->itemData1 > cis->itemData2 ? 1 : 0);
    }
    void DeleteItem(LPDELETEITEMSTRUCT dis) override { deleted.push_back(dis->itemData); }
};

class ControlsTest : public testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(parent.CreateTop()); }
    void TearDown() override {
        parent.DestroyWindow();
        AfxDeleteTempMaps();
    }
    // Row n of the parent's client area.
    static CRect Row(int n, int height = 24) { return CRect(10, 10 + 30 * n, 400, 10 + 30 * n + height); }

    CCommandWnd parent;
};

TEST_F(ControlsTest, ButtonsEditsStaticsAndScrollBars) {
    CButton check;
    ASSERT_TRUE(check.Create("確認する", WS_VISIBLE | BS_AUTOCHECKBOX, Row(0), &parent, kCheckBoxID));
    EXPECT_TRUE(check.IsKindOf(RUNTIME_CLASS(CButton)));
    EXPECT_EQ(&check, CWnd::FromHandlePermanent(check.m_hWnd));
    EXPECT_EQ(static_cast<UINT>(BS_AUTOCHECKBOX), check.GetButtonStyle());
    CString text;
    check.GetWindowText(text);
    EXPECT_STREQ("確認する", text);
    check.SetCheck(BST_CHECKED);
    EXPECT_EQ(BST_CHECKED, check.GetCheck());
    // A click toggles the box and reaches the parent's ON_BN_CLICKED.
    check.SendMessage(BM_CLICK);
    EXPECT_EQ(BST_UNCHECKED, check.GetCheck());
    EXPECT_EQ(std::vector<UINT>{kCheckBoxID}, parent.commands);

    CEdit edit;
    ASSERT_TRUE(edit.Create(WS_VISIBLE | WS_BORDER | ES_AUTOHSCROLL, Row(1), &parent, 102));
    edit.SetWindowText("Hello world");
    edit.SetSel(6, 11);
    int start = -1, end = -1;
    edit.GetSel(start, end);
    EXPECT_EQ(6, start);
    EXPECT_EQ(11, end);
    edit.ReplaceSel("Tally");
    edit.GetWindowText(text);
    EXPECT_STREQ("Hello Tally", text);

    CEdit memo;
    ASSERT_TRUE(memo.Create(WS_VISIBLE | ES_MULTILINE, Row(2, 60), &parent, 103));
    memo.SetWindowText("一行目\r\n二行目\r\n三行目");
    EXPECT_EQ(3, memo.GetLineCount());

    CStatic label;
    ASSERT_TRUE(label.Create("ラベル", WS_VISIBLE | SS_LEFT, Row(5), &parent, 104));
    label.GetWindowText(text);
    EXPECT_STREQ("ラベル", text);
    EXPECT_EQ(104, label.GetDlgCtrlID());

    CScrollBar bar;
    ASSERT_TRUE(bar.Create(WS_VISIBLE | SBS_HORZ, Row(6, 16), &parent, 105));
    bar.SetScrollRange(0, 50);
    bar.SetScrollPos(20);
    EXPECT_EQ(20, bar.SetScrollPos(60));
    EXPECT_EQ(50, bar.GetScrollPos());  // clamped to the range
}

TEST_F(ControlsTest, ProgressBarKeepsRangeAndPosition) {
    CProgressCtrl progress;
    ASSERT_TRUE(progress.Create(WS_VISIBLE, Row(0), &parent, 110));
    int lower = -1, upper = -1;
    progress.SetRange(0, 100);
    progress.GetRange(lower, upper);
    EXPECT_EQ(0, lower);
    EXPECT_EQ(100, upper);

    progress.SetRange32(10, 500);
    progress.GetRange(lower, upper);
    EXPECT_EQ(10, lower);
    EXPECT_EQ(500, upper);
    progress.SetPos(100);
    EXPECT_EQ(100, progress.SetPos(200));
    EXPECT_EQ(200, progress.OffsetPos(50));
    EXPECT_EQ(250, progress.GetPos());
    progress.SetStep(25);
    EXPECT_EQ(250, progress.StepIt());
    EXPECT_EQ(275, progress.GetPos());
}

TEST_F(ControlsTest, ComboBoxStringsAndSelection) {
    CComboBox combo;
    ASSERT_TRUE(combo.Create(WS_VISIBLE | CBS_DROPDOWNLIST | WS_VSCROLL, Row(0, 200), &parent, 120));
    EXPECT_EQ(0, combo.AddString("りんご"));
    EXPECT_EQ(1, combo.AddString("みかん"));
    EXPECT_EQ(1, combo.InsertString(1, "ぶどう"));
    std::string longText(200, 'x');
    for (int i = 0; i < 40; ++i) longText += "亜";
    EXPECT_EQ(3, combo.AddString(longText.c_str()));
    EXPECT_EQ(4, combo.GetCount());

    CString text;
    combo.GetLBText(1, text);
    EXPECT_STREQ("ぶどう", text);
    combo.GetLBText(3, text);
    EXPECT_EQ(longText, std::string(text));
    combo.GetLBText(99, text);
    EXPECT_TRUE(text.IsEmpty());
    char buffer[16];
    ASSERT_LT(combo.GetLBTextLen(2), static_cast<int>(sizeof buffer));
    EXPECT_EQ(6, combo.GetLBText(2, buffer));
    EXPECT_STREQ("みかん", buffer);

    EXPECT_EQ(2, combo.FindStringExact(-1, "みかん"));
    EXPECT_EQ(CB_ERR, combo.FindStringExact(-1, "なし"));
    EXPECT_EQ(1, combo.SelectString(-1, "ぶど"));
    EXPECT_EQ(1, combo.GetCurSel());
    combo.SetItemData(2, 0xBEEF);
    EXPECT_EQ(0xBEEFu, combo.GetItemData(2));
    combo.DeleteString(0);
    EXPECT_EQ(3, combo.GetCount());
    combo.ResetContent();
    EXPECT_EQ(0, combo.GetCount());
}

TEST_F(ControlsTest, ListViewColumnsItemsAndSelection) {
    CListCtrl list;
    ASSERT_TRUE(list.Create(WS_VISIBLE | LVS_REPORT, CRect(10, 10, 460, 300), &parent, 130));
    EXPECT_EQ(0, list.InsertColumn(0, "名前", LVCFMT_LEFT, 120));
    EXPECT_EQ(1, list.InsertColumn(1, "数量", LVCFMT_RIGHT, 60));
    EXPECT_EQ(2, list.InsertColumn(2, "備考"));
    EXPECT_EQ(120, list.GetColumnWidth(0));
    ASSERT_NE(nullptr, list.GetHeaderCtrl());
    EXPECT_EQ(3, list.GetHeaderCtrl()->GetItemCount());
    char heading[32] = {};
    LVCOLUMNA column = {};
    column.mask = LVCF_TEXT | LVCF_FMT;
    column.pszText = heading;
    column.cchTextMax = sizeof heading;
    ASSERT_TRUE(list.GetColumn(1, &column));
    EXPECT_STREQ("数量", heading);
    EXPECT_EQ(LVCFMT_RIGHT, column.fmt & LVCFMT_JUSTIFYMASK);

    const int kItems = 500;
    list.SetRedraw(FALSE);  // filling a visible list item by item is slow
    for (int i = 0; i < kItems; ++i) {
        CString name;
        name.Format("品目%d", i);
        ASSERT_EQ(i, list.InsertItem(i, name));
        list.SetItemText(i, 1, std::to_string(i * 3).c_str());
        list.SetItemData(i, static_cast<DWORD_PTR>(i * 10));
    }
    list.SetRedraw(TRUE);
    EXPECT_EQ(kItems, list.GetItemCount());
    EXPECT_STREQ("品目250", list.GetItemText(250, 0));
    EXPECT_STREQ("1497", list.GetItemText(499, 1));
    EXPECT_EQ(3210u, list.GetItemData(321));

    // Texts longer than any first buffer, also where a double-byte character
    // does not fit into the room left.
    for (size_t length : {255u, 256u, 257u, 1000u}) {
        std::string ascii(length, 'a');
        list.SetItemText(1, 2, ascii.c_str());
        EXPECT_EQ(ascii, std::string(list.GetItemText(1, 2))) << length;
    }
    std::string kanji;
    for (int i = 0; i < 150; ++i) kanji += "漢";
    list.SetItemText(2, 2, kanji.c_str());
    EXPECT_EQ(kanji, std::string(list.GetItemText(2, 2)));
    char small[10];
    EXPECT_EQ(9, list.GetItemText(1, 2, small, sizeof small));
    EXPECT_STREQ("aaaaaaaaa", small);

    // Selection walk: positions are index + 1, null at the end.
    EXPECT_EQ(nullptr, list.GetFirstSelectedItemPosition());
    for (int i : {3, 7, 499}) list.SetItemState(i, LVIS_SELECTED, LVIS_SELECTED);
    EXPECT_EQ(3u, list.GetSelectedCount());
    std::vector<int> selected;
    for (POSITION pos = list.GetFirstSelectedItemPosition(); pos;) selected.push_back(list.GetNextSelectedItem(pos));
    EXPECT_EQ((std::vector<int>{3, 7, 499}), selected);
    EXPECT_EQ(static_cast<UINT>(LVIS_SELECTED), list.GetItemState(7, LVIS_SELECTED));
    list.SetItemState(-1, 0, LVIS_SELECTED);
    EXPECT_EQ(0u, list.GetSelectedCount());

    // Hit test in the middle of an item.
    CRect rect;
    ASSERT_TRUE(list.GetItemRect(1, rect, LVIR_BOUNDS));
    EXPECT_GT(rect.Height(), 0);
    UINT flags = 0;
    EXPECT_EQ(1, list.HitTest(CPoint(rect.left + 20, rect.CenterPoint().y), &flags));
    EXPECT_NE(0u, flags & LVHT_ONITEM);

    // Sorting by item data, largest first; texts move with their items.
    ASSERT_TRUE(list.SortItems([](LPARAM a, LPARAM b, LPARAM) -> int { return a > b ? -1 : (a < b ? 1 : 0); }, 0));
    EXPECT_EQ(4990u, list.GetItemData(0));
    EXPECT_STREQ("品目499", list.GetItemText(0, 0));

    list.SetExtendedStyle(LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES);
    EXPECT_EQ(static_cast<DWORD>(LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES),
              list.GetExtendedStyle() & (LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES));
    ASSERT_TRUE(list.SetBkColor(RGB(1, 2, 3)));
    EXPECT_EQ(RGB(1, 2, 3), list.GetBkColor());
    ASSERT_TRUE(list.SetTextColor(RGB(4, 5, 6)));
    EXPECT_EQ(RGB(4, 5, 6), list.GetTextColor());

    ASSERT_TRUE(list.DeleteItem(0));
    EXPECT_EQ(kItems - 1, list.GetItemCount());
    ASSERT_TRUE(list.DeleteColumn(2));
    EXPECT_EQ(2, list.GetHeaderCtrl()->GetItemCount());
    ASSERT_TRUE(list.DeleteAllItems());
    EXPECT_EQ(0, list.GetItemCount());
}

// The framework parent reflects WM_DRAWITEM (and the combo box's other
// owner-draw messages) to the control's own virtuals.
TEST_F(ControlsTest, OwnerDrawnControlsDrawThemselves) {
    CDrawn<CButton> button;
    ASSERT_TRUE(button.Create("描画", WS_VISIBLE | BS_OWNERDRAW, Row(0), &parent, 140));
    button.RedrawWindow();
    EXPECT_GT(button.log.draws, 0);
    EXPECT_EQ(static_cast<UINT>(ODT_BUTTON), button.log.ctlType);
    EXPECT_EQ(button.m_hWnd, button.log.hwndItem);

    CDrawn<CListCtrl> list;
    ASSERT_TRUE(list.Create(WS_VISIBLE | LVS_REPORT | LVS_OWNERDRAWFIXED, CRect(10, 40, 300, 160), &parent, 141));
    list.InsertColumn(0, "列", LVCFMT_LEFT, 100);
    for (int i = 0; i < 3; ++i) list.InsertItem(i, "行");
    list.RedrawWindow();
    EXPECT_GE(list.log.draws, 3);
    EXPECT_EQ(static_cast<UINT>(ODT_LISTVIEW), list.log.ctlType);

    CDrawn<CHeaderCtrl> header;
    ASSERT_TRUE(header.Create(WS_VISIBLE | HDS_HORZ, CRect(10, 170, 300, 194), &parent, 142));
    HDITEMA item = {};
    item.mask = HDI_FORMAT | HDI_WIDTH;
    item.fmt = HDF_OWNERDRAW;
    item.cxy = 100;
    ASSERT_EQ(0, header.InsertItem(0, &item));
    header.RedrawWindow();
    EXPECT_GT(header.log.draws, 0);
    EXPECT_EQ(static_cast<UINT>(ODT_HEADER), header.log.ctlType);

    CDrawnCombo combo;
    ASSERT_TRUE(combo.Create(WS_VISIBLE | CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED | CBS_SORT | WS_VSCROLL,
                             CRect(10, 200, 300, 400), &parent, 143));
    EXPECT_GT(combo.measures, 0);  // asked while the combo box was being created
    EXPECT_EQ(21, combo.GetItemHeight(0));
    for (DWORD_PTR value : {30, 10, 20}) combo.AddString(reinterpret_cast<LPCSTR>(value));
    EXPECT_GT(combo.compares, 0);
    EXPECT_EQ((std::vector<DWORD_PTR>{10, 20, 30}),
              (std::vector<DWORD_PTR>{combo.GetItemData(0), combo.GetItemData(1), combo.GetItemData(2)}));
    combo.SetCurSel(0);
    combo.RedrawWindow();
    EXPECT_GT(combo.log.draws, 0);
    EXPECT_EQ(static_cast<UINT>(ODT_COMBOBOX), combo.log.ctlType);
    combo.DeleteString(0);
    EXPECT_EQ(std::vector<DWORD_PTR>{10}, combo.deleted);
    combo.DestroyWindow();
    std::sort(combo.deleted.begin(), combo.deleted.end());
    EXPECT_EQ((std::vector<DWORD_PTR>{10, 20, 30}), combo.deleted);
}

TEST_F(ControlsTest, ToolTipsKeepTheirTexts) {
    CButton button;
    ASSERT_TRUE(button.Create("ボタン", WS_VISIBLE | BS_PUSHBUTTON, Row(0), &parent, 150));
    CToolTipCtrl tips;
    ASSERT_TRUE(tips.Create(&parent));
    ASSERT_TRUE(tips.AddTool(&button, "押すと保存します"));
    ASSERT_TRUE(tips.AddTool(&parent, "領域", CRect(0, 100, 50, 150), 7));
    EXPECT_EQ(2, tips.GetToolCount());
    CString text;
    tips.GetText(text, &button);
    EXPECT_STREQ("押すと保存します", text);
    tips.UpdateTipText("保存", &button);
    tips.GetText(text, &button);
    EXPECT_STREQ("保存", text);
    tips.GetText(text, &parent, 7);
    EXPECT_STREQ("領域", text);
    tips.DelTool(&button);
    EXPECT_EQ(1, tips.GetToolCount());
    tips.GetText(text, &button);
    EXPECT_TRUE(text.IsEmpty());

    // Tools that share one ID are told apart by place.
    ASSERT_TRUE(tips.AddTool(&parent, "右", CRect(50, 100, 100, 150), 7));
    TOOLINFOA info = {};
    ASSERT_TRUE(tips.HitTest(&parent, CPoint(60, 120), &info, &text));
    EXPECT_STREQ("右", text);
    EXPECT_EQ(CRect(50, 100, 100, 150), CRect(info.rect));
    ASSERT_TRUE(tips.HitTest(&parent, CPoint(10, 149), nullptr, &text));
    EXPECT_STREQ("領域", text);
    EXPECT_FALSE(tips.HitTest(&parent, CPoint(10, 99), &info, &text));
}

// --- menus ---------------------------------------------------------------

// The menu handler: the menus it was shown and the command it chooses.
struct MenuAnswer {
    static inline UINT command = 0;
    static inline std::vector<HMENU> shown;
    static UINT CALLBACK Choose(HMENU hMenu) {
        shown.push_back(hMenu);
        return command;
    }
};

TEST(MenuTest, BuiltMenusAndTheirWrappers) {
    CMenu menu;
    ASSERT_TRUE(menu.CreatePopupMenu());
    EXPECT_EQ(&menu, CMenu::FromHandle(menu.m_hMenu));
    ASSERT_TRUE(menu.AppendMenu(MF_STRING, kCmdOpen, "開く(&O)"));
    ASSERT_TRUE(menu.AppendMenu(MF_SEPARATOR));
    CMenu recent;
    ASSERT_TRUE(recent.CreatePopupMenu());
    std::string longName(300, 'z');
    recent.AppendMenu(MF_STRING, 210, longName.c_str());
    HMENU hRecent = recent.Detach();  // now owned by the menu
    ASSERT_TRUE(menu.AppendMenu(MF_POPUP, reinterpret_cast<UINT_PTR>(hRecent), "履歴"));

    EXPECT_EQ(3u, menu.GetMenuItemCount());
    EXPECT_EQ(kCmdOpen, menu.GetMenuItemID(0));
    EXPECT_EQ(0u, menu.GetMenuItemID(1));
    EXPECT_EQ(static_cast<UINT>(-1), menu.GetMenuItemID(2));
    CString text;
    EXPECT_EQ(8, menu.GetMenuString(0, text, MF_BYPOSITION));
    EXPECT_STREQ("開く(&O)", text);

    // Sub-menus come as temporary wrappers, one per handle, owning nothing.
    CMenu* sub = menu.GetSubMenu(2);
    ASSERT_NE(nullptr, sub);
    EXPECT_EQ(hRecent, sub->m_hMenu);
    EXPECT_EQ(sub, menu.GetSubMenu(2));
    sub->GetMenuString(210, text, MF_BYCOMMAND);
    EXPECT_EQ(longName, std::string(text));
    CMenu::DeleteTempMap();
    EXPECT_TRUE(::IsMenu(hRecent));

    EXPECT_EQ(static_cast<UINT>(MF_UNCHECKED), menu.CheckMenuItem(kCmdOpen, MF_CHECKED));
    EXPECT_NE(0u, menu.GetMenuState(kCmdOpen, MF_BYCOMMAND) & MF_CHECKED);
    EXPECT_EQ(static_cast<UINT>(MF_ENABLED), menu.EnableMenuItem(kCmdOpen, MF_GRAYED));
    EXPECT_NE(0u, menu.GetMenuState(kCmdOpen, MF_BYCOMMAND) & MF_GRAYED);
    ASSERT_TRUE(menu.DeleteMenu(1, MF_BYPOSITION));
    EXPECT_EQ(2u, menu.GetMenuItemCount());

    // An owned menu dies with its object; a detached one lives on; a
    // temporary wrapper gives way to an object that attaches the handle.
    HMENU hOwned;
    {
        CMenu owned;
        ASSERT_TRUE(owned.CreateMenu());
        hOwned = owned.m_hMenu;
    }
    EXPECT_FALSE(::IsMenu(hOwned));
    HMENU hLoose = ::CreatePopupMenu();
    EXPECT_NE(nullptr, CMenu::FromHandle(hLoose));
    {
        CMenu owner;
        ASSERT_TRUE(owner.Attach(hLoose));
        EXPECT_EQ(&owner, CMenu::FromHandle(hLoose));
        EXPECT_EQ(hLoose, owner.Detach());
    }
    EXPECT_TRUE(::IsMenu(hLoose));
    ::DestroyMenu(hLoose);

    CMenu missing;
    EXPECT_FALSE(missing.LoadMenu(9999));
    EXPECT_EQ(nullptr, missing.m_hMenu);
}

TEST(MenuTest, PopupMenusAreAnsweredByTheMenuHandler) {
    CCommandWnd wnd;
    ASSERT_TRUE(wnd.CreateTop());
    CMenu menu;
    ASSERT_TRUE(menu.CreatePopupMenu());
    menu.AppendMenu(MF_STRING, kCmdOpen, "開く");
    menu.AppendMenu(MF_STRING, kCmdSave, "保存");
    AFX_MODAL_HANDLERS handlers = {};
    handlers.pfnMenu = &MenuAnswer::Choose;
    ModalHandlersScope scope(handlers);
    MenuAnswer::shown.clear();

    // TPM_RETURNCMD: the command comes back and nothing is sent.
    MenuAnswer::command = kCmdOpen;
    EXPECT_EQ(static_cast<BOOL>(kCmdOpen), menu.TrackPopupMenu(TPM_RETURNCMD, 10, 10, &wnd));
    PumpMessages();
    EXPECT_TRUE(wnd.commands.empty());
    EXPECT_EQ(std::vector<HMENU>{menu.m_hMenu}, MenuAnswer::shown);
    EXPECT_EQ(std::vector<HMENU>{menu.m_hMenu}, wnd.initMenus);

    // Otherwise the command is posted to the window's ON_COMMAND handler.
    MenuAnswer::command = kCmdSave;
    EXPECT_TRUE(menu.TrackPopupMenu(TPM_LEFTALIGN, 10, 10, &wnd));
    EXPECT_TRUE(wnd.commands.empty());
    PumpMessages();
    EXPECT_EQ(std::vector<UINT>{kCmdSave}, wnd.commands);

    // Nothing chosen: no command.
    MenuAnswer::command = 0;
    EXPECT_TRUE(menu.TrackPopupMenu(TPM_LEFTALIGN, 10, 10, &wnd));
    PumpMessages();
    EXPECT_EQ(1u, wnd.commands.size());
    EXPECT_EQ(3u, MenuAnswer::shown.size());
    wnd.DestroyWindow();
}

// --- colour and file choosers --------------------------------------------

// The choosers' handlers: what they were shown and how they answer.
struct ChooserAnswer {
    static inline BOOL ok = FALSE;
    static inline CHOOSECOLORA color = {};
    static inline OPENFILENAMEA file = {};
    static inline BOOL openFile = FALSE;
    static inline std::vector<std::string> filter;
    static inline std::string initialFile;
    static inline const char* chosenPath = "";

    static BOOL CALLBACK AnswerColor(CHOOSECOLORA* cc) {
        color = *cc;
        cc->rgbResult = RGB(10, 20, 30);
        cc->lpCustColors[3] = RGB(1, 2, 3);
        return ok;
    }
    static AFX_MODAL_HANDLERS Handlers() {
        AFX_MODAL_HANDLERS handlers = {};
        handlers.pfnColor = &AnswerColor;
        handlers.pfnFile = &AnswerFile;
        return handlers;
    }
    static BOOL CALLBACK AnswerFile(OPENFILENAMEA* ofn, BOOL bOpen) {
        file = *ofn;
        openFile = bOpen;
        filter.clear();
        for (const char* p = ofn->lpstrFilter; p && *p; p += strlen(p) + 1) filter.push_back(p);
        initialFile = ofn->lpstrFile;
        lstrcpynA(ofn->lpstrFile, chosenPath, static_cast<int>(ofn->nMaxFile));
        return ok;
    }
};

class CommonDialogTest : public ControlsTest {
protected:
    ModalHandlersScope handlers{ChooserAnswer::Handlers()};
};

TEST_F(CommonDialogTest, ColourChooserOkAndCancel) {
    CButton child;  // the owner is the child's top-level window
    ASSERT_TRUE(child.Create("色", WS_VISIBLE, Row(0), &parent, 160));
    COLORREF saved = CColorDialog::GetSavedCustomColors()[3];

    ChooserAnswer::ok = TRUE;
    CColorDialog dlg(RGB(200, 100, 50), CC_FULLOPEN, &child);
    EXPECT_EQ(IDOK, dlg.DoModal());
    EXPECT_EQ(RGB(10, 20, 30), dlg.GetColor());
    EXPECT_EQ(RGB(200, 100, 50), ChooserAnswer::color.rgbResult);
    EXPECT_EQ(static_cast<DWORD>(CC_RGBINIT | CC_FULLOPEN), ChooserAnswer::color.Flags & (CC_RGBINIT | CC_FULLOPEN));
    EXPECT_EQ(parent.m_hWnd, ChooserAnswer::color.hwndOwner);
    EXPECT_EQ(sizeof(CHOOSECOLORA), ChooserAnswer::color.lStructSize);
    // The custom colours are shared by every chooser.
    EXPECT_EQ(CColorDialog::GetSavedCustomColors(), ChooserAnswer::color.lpCustColors);
    EXPECT_EQ(RGB(1, 2, 3), CColorDialog::GetSavedCustomColors()[3]);

    ChooserAnswer::ok = FALSE;
    CColorDialog black;
    EXPECT_EQ(IDCANCEL, black.DoModal());
    EXPECT_EQ(0u, ChooserAnswer::color.Flags & CC_RGBINIT);
    CColorDialog::GetSavedCustomColors()[3] = saved;
}

TEST_F(CommonDialogTest, FileChooserFiltersAndNames) {
    ChooserAnswer::ok = TRUE;
    // "ポ" and "ソ"/"表" have '|' and '\' as their second byte.
    ChooserAnswer::chosenPath = "C:\\予定表\\ソフト表.rep";
    CFileDialog open(TRUE, "rep", "既定.rep", OFN_FILEMUSTEXIST, "レポート (*.rep)|*.rep|すべて (*.*)|*.*||", &parent);
    EXPECT_EQ(IDOK, open.DoModal());
    EXPECT_TRUE(ChooserAnswer::openFile);
    EXPECT_EQ((std::vector<std::string>{"レポート (*.rep)", "*.rep", "すべて (*.*)", "*.*"}), ChooserAnswer::filter);
    EXPECT_EQ("既定.rep", ChooserAnswer::initialFile);
    EXPECT_EQ(static_cast<DWORD>(MAX_PATH), ChooserAnswer::file.nMaxFile);
    EXPECT_STREQ("rep", ChooserAnswer::file.lpstrDefExt);
    EXPECT_NE(0u, ChooserAnswer::file.Flags & OFN_FILEMUSTEXIST);
    EXPECT_EQ(parent.m_hWnd, ChooserAnswer::file.hwndOwner);
    EXPECT_STREQ("C:\\予定表\\ソフト表.rep", open.GetPathName());
    EXPECT_STREQ("ソフト表.rep", open.GetFileName());
    EXPECT_STREQ("rep", open.GetFileExt());
    EXPECT_STREQ("ソフト表", open.GetFileTitle());

    // A filter without the closing bars is still a proper list.
    ChooserAnswer::chosenPath = "D:/data/README";
    CFileDialog save(FALSE, nullptr, nullptr, OFN_OVERWRITEPROMPT, "台帳|*.tly");
    EXPECT_EQ(IDOK, save.DoModal());
    EXPECT_FALSE(ChooserAnswer::openFile);
    EXPECT_EQ((std::vector<std::string>{"台帳", "*.tly"}), ChooserAnswer::filter);
    EXPECT_EQ(nullptr, ChooserAnswer::file.lpstrDefExt);
    EXPECT_STREQ("README", save.GetFileName());
    EXPECT_STREQ("", save.GetFileExt());
    EXPECT_STREQ("README", save.GetFileTitle());

    ChooserAnswer::ok = FALSE;
    CFileDialog cancelled(TRUE);
    EXPECT_EQ(IDCANCEL, cancelled.DoModal());
    EXPECT_EQ(nullptr, ChooserAnswer::file.lpstrFilter);
}
}  // namespace
