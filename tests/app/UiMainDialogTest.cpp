// Tests of Ordovan's main dialog: the first start, the layout when resized,
// the enabling rules, the sample, closing with the settings file, the system
// menu, help, and the application object.
#include "UiFixture.h"

#include "MessageBoxCapture.h"

#if __has_include("AboutDlg.h")
#include "AboutDlg.h"
#endif

#include <Vokit.h>

#include <sstream>

namespace {

const char kTilde[] = "\x81\x60";  // "～" in code page 932

std::string Sample(const std::string& name, const std::string& first, const std::string& last) {
    return name + first + ".xxx " + kTilde + " " + name + last + ".xxx";
}

// The non-empty lines of a text.
std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (!line.empty()) lines.push_back(line);
    }
    return lines;
}

CRect ChildRect(CWnd* dlg, int nID) {
    CRect rect;
    dlg->GetDlgItem(nID)->GetWindowRect(&rect);
    dlg->ScreenToClient(&rect);
    return rect;
}

// The inner edit of a folder field.
CWnd* InnerEdit(CWnd* dlg, int nID) { return dlg->GetDlgItem(nID)->GetDlgItem(CVoButtonEdit::IDC_VO_EDIT); }

}  // namespace

// ---- First start ---------------------------------------------------------------

TEST_F(OrdovanUiTest, FirstStartShowsTheDefaults) {
    Open();
    EXPECT_EQ("Tallywise Ver1.01", [&] {
        CString title;
        dlg->GetWindowText(title);
        return std::string(title);
    }());
    EXPECT_EQ("", Text(IDC_CONTINUE_PATH));
    EXPECT_EQ("", Text(IDC_MOVE_FOLDER));
    EXPECT_EQ("", Text(IDC_FILE_NAME));
    EXPECT_EQ(0u, dlg->IsDlgButtonChecked(IDC_RENAME_FILE));
    EXPECT_EQ(0u, dlg->IsDlgButtonChecked(IDC_MOVE_RENAME));
    EXPECT_EQ(0u, dlg->IsDlgButtonChecked(IDC_SUB_FOLDER));
    EXPECT_FALSE(IsEnabled(IDC_FILE_NAME));
    EXPECT_FALSE(InnerEdit(dlg.get(), IDC_MOVE_FOLDER)->IsWindowEnabled());
    EXPECT_TRUE(InnerEdit(dlg.get(), IDC_CONTINUE_PATH)->IsWindowEnabled());
    EXPECT_EQ("0", Text(IDC_START_NUMBER));
    EXPECT_EQ("無し", Text(IDC_FIGURE));
    EXPECT_EQ(Sample("Xxxx", "0", "2147483647"), Text(IDC_SAMPLE));
    EXPECT_TRUE(dlg->m_bMsgDelete);
    EXPECT_TRUE(dlg->m_bMsgReset);
    EXPECT_TRUE(dlg->m_bMsgContinueStart);
    EXPECT_EQ(0, dlg->m_recentFolder.GetSize());
    EXPECT_EQ(0, dlg->m_recentMoveFolder.GetSize());
    EXPECT_EQ(0, dlg->m_comboFileName.GetCount());
    EXPECT_EQ(std::vector<std::string>{"1||||"}, Rows());
    EXPECT_EQ(0u, dlg->m_listCtrl.GetItemData(0));
    EXPECT_EQ(0, dlg->m_fileList.m_list.GetCount());
    // Nothing is written before the dialog closes.
    EXPECT_FALSE(TempDir::Exists(IniPath()));
}

TEST_F(OrdovanUiTest, TheDigitsListOffersNoneAndOneToTen) {
    Open();
    CComboBox* figure = static_cast<CComboBox*>(dlg->GetDlgItem(IDC_FIGURE));
    std::vector<std::string> entries;
    for (int i = 0; i < figure->GetCount(); ++i) {
        CString text;
        figure->GetLBText(i, text);
        entries.push_back(std::string(text));
    }
    EXPECT_EQ((std::vector<std::string>{"無し", "1", "2", "3", "4", "5", "6", "7", "8", "9", "10"}), entries);
}

TEST_F(OrdovanUiTest, TheListHasFiveColumnsAndTheButtonsShowBitmaps) {
    Open();
    CHeaderCtrl* header = dlg->m_listCtrl.GetHeaderCtrl();
    ASSERT_NE(nullptr, header);
    EXPECT_EQ(5, static_cast<int>(header->SendMessage(HDM_GETITEMCOUNT)));
    std::vector<std::string> titles;
    for (int i = 0; i < 5; ++i) {
        char text[64] = {};
        LVCOLUMNA column = {};
        column.mask = LVCF_TEXT;
        column.pszText = text;
        column.cchTextMax = sizeof text;
        dlg->m_listCtrl.GetColumn(i, &column);
        titles.push_back(text);
    }
    EXPECT_EQ((std::vector<std::string>{"No", "ファイル名", "フォルダ", "サイズ", "日付"}), titles);
    for (int nID : {IDC_DELETE, IDC_UP, IDC_DOWN})
        EXPECT_NE(0, dlg->GetDlgItem(nID)->SendMessage(BM_GETIMAGE, IMAGE_BITMAP)) << nID;
}

// ---- Layout ---------------------------------------------------------------------

TEST_F(OrdovanUiTest, ResizingStretchesTheListAndSplitsItsButtonsInHalf) {
    Open();
    const CRect list = ChildRect(dlg.get(), IDC_FILE_LIST);
    const CRect up = ChildRect(dlg.get(), IDC_UP);
    const CRect down = ChildRect(dlg.get(), IDC_DOWN);
    const CRect folder = ChildRect(dlg.get(), IDC_CONTINUE_PATH);
    const CRect history = ChildRect(dlg.get(), IDC_FOLDER_HISTORY);
    const CRect start = ChildRect(dlg.get(), IDC_START);
    CRect window;
    dlg->GetWindowRect(&window);

    dlg->SetWindowPos(nullptr, 0, 0, window.Width() + 100, window.Height() + 80, SWP_NOMOVE | SWP_NOZORDER);

    const CRect newList = ChildRect(dlg.get(), IDC_FILE_LIST);
    EXPECT_EQ(list.Width() + 100, newList.Width());
    EXPECT_EQ(list.Height() + 80, newList.Height());
    const CRect newUp = ChildRect(dlg.get(), IDC_UP);
    const CRect newDown = ChildRect(dlg.get(), IDC_DOWN);
    EXPECT_EQ(up.top, newUp.top);
    EXPECT_EQ(up.bottom + 40, newUp.bottom);
    EXPECT_EQ(down.top + 40, newDown.top);
    EXPECT_EQ(down.bottom + 80, newDown.bottom);
    EXPECT_EQ(newUp.bottom, newDown.top);
    EXPECT_EQ(up.left + 100, newUp.left);
    EXPECT_EQ(folder.Width() + 100, ChildRect(dlg.get(), IDC_CONTINUE_PATH).Width());
    EXPECT_EQ(history.left + 100, ChildRect(dlg.get(), IDC_FOLDER_HISTORY).left);
    EXPECT_EQ(history.Width(), ChildRect(dlg.get(), IDC_FOLDER_HISTORY).Width());
    EXPECT_EQ(start, ChildRect(dlg.get(), IDC_START));
}

TEST_F(OrdovanUiTest, TheDialogCannotBecomeSmallerThanDesigned) {
    Open();
    CRect window;
    dlg->GetWindowRect(&window);
    MINMAXINFO info = {};
    dlg->SendMessage(WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info));
    EXPECT_EQ(window.Width(), info.ptMinTrackSize.x);
    EXPECT_EQ(window.Height(), info.ptMinTrackSize.y);
    EXPECT_EQ(::GetSystemMetrics(SM_CXMAXIMIZED), info.ptMaxTrackSize.x);
    EXPECT_EQ(::GetSystemMetrics(SM_CYMAXIMIZED), info.ptMaxTrackSize.y);
}

TEST_F(OrdovanUiTest, AStoredWindowRectangleIsAppliedAndTheClosingOneStored) {
    const std::string prefix = Prefix();
    WriteIni("WindowSize", prefix + "DialogRect_left", "40");
    WriteIni("WindowSize", prefix + "DialogRect_top", "30");
    WriteIni("WindowSize", prefix + "DialogRect_right", "740");
    WriteIni("WindowSize", prefix + "DialogRect_bottom", "630");
    Open();
    CRect window;
    dlg->GetWindowRect(&window);
    EXPECT_EQ(CRect(40, 30, 740, 630), window);

    dlg->MoveWindow(50, 60, 720, 640);
    Close();
    const std::string ini = Ini();
    for (const char* line :
         {"DialogRect_left=50", "DialogRect_top=60", "DialogRect_right=770", "DialogRect_bottom=700"})
        EXPECT_NE(std::string::npos, ini.find(prefix + line)) << line;
}

TEST_F(OrdovanUiTest, AMinimisedDialogStoresTheRectangleItComesBackTo) {
    Open();
    dlg->MoveWindow(50, 60, 720, 640);
    dlg->ShowWindow(SW_MINIMIZE);
    Close();
    const std::string ini = Ini();
    EXPECT_NE(std::string::npos, ini.find(Prefix() + "DialogRect_left=50"));
    EXPECT_NE(std::string::npos, ini.find(Prefix() + "DialogRect_right=770"));
}

// ---- Enabling rules and the sample ----------------------------------------------------

TEST_F(OrdovanUiTest, TheRenameFlagEnablesTheBaseNameAndPutsItIntoTheSample) {
    Open();
    TypeFileName("img");
    SetCheck(IDC_RENAME_FILE, true);
    EXPECT_TRUE(IsEnabled(IDC_FILE_NAME));
    EXPECT_EQ(Sample("img", "0", "2147483647"), Text(IDC_SAMPLE));

    SetCheck(IDC_RENAME_FILE, false);
    EXPECT_FALSE(IsEnabled(IDC_FILE_NAME));
    EXPECT_EQ(Sample("Xxxx", "0", "2147483647"), Text(IDC_SAMPLE));
}

TEST_F(OrdovanUiTest, TheCopyOptionEnablesTheDestinationField) {
    Open();
    SetCheck(IDC_MOVE_RENAME, true);
    EXPECT_TRUE(InnerEdit(dlg.get(), IDC_MOVE_FOLDER)->IsWindowEnabled());
    EXPECT_TRUE(dlg->GetDlgItem(IDC_MOVE_FOLDER)->GetDlgItem(CVoButtonEdit::IDC_VO_BUTTON)->IsWindowEnabled());
    SetCheck(IDC_MOVE_RENAME, false);
    EXPECT_FALSE(InnerEdit(dlg.get(), IDC_MOVE_FOLDER)->IsWindowEnabled());
    EXPECT_FALSE(dlg->GetDlgItem(IDC_MOVE_FOLDER)->GetDlgItem(CVoButtonEdit::IDC_VO_BUTTON)->IsWindowEnabled());
}

TEST_F(OrdovanUiTest, TheSampleShowsTheFirstAndTheLargestName) {
    Open();
    ChooseDigits(3);
    TypeStartNumber("1");
    EXPECT_EQ(Sample("Xxxx", "001", "999"), Text(IDC_SAMPLE));

    ChooseDigits(0);
    TypeFileName("img");
    SetCheck(IDC_RENAME_FILE, true);
    TypeStartNumber("0");
    EXPECT_EQ(Sample("img", "0", "2147483647"), Text(IDC_SAMPLE));

    ChooseDigits(10);
    TypeStartNumber("-5");
    EXPECT_EQ(Sample("img", "00000000-5", "9999999999"), Text(IDC_SAMPLE));
}

TEST_F(OrdovanUiTest, AStartNumberWiderThanTheDigitsKeepsItsLastDigits) {
    Open();
    ChooseDigits(2);
    TypeStartNumber("123");
    EXPECT_EQ(Sample("Xxxx", "23", "99"), Text(IDC_SAMPLE));
    EXPECT_EQ(23, dlg->m_nStartNumber);
    // The field itself keeps what was typed until the values are written back.
    EXPECT_EQ("123", Text(IDC_START_NUMBER));
}

TEST_F(OrdovanUiTest, AStartNumberThatIsNotANumberCountsAsZero) {
    Open();
    ChooseDigits(1);
    for (const char* text : {"", "abc"}) {
        TypeStartNumber(text);
        EXPECT_EQ(Sample("Xxxx", "0", "9"), Text(IDC_SAMPLE)) << text;
    }
}

TEST_F(OrdovanUiTest, ChoosingABaseNameFromTheHistoryUpdatesTheSample) {
    Open();
    SetCheck(IDC_RENAME_FILE, true);
    CComboBox* combo = static_cast<CComboBox*>(dlg->GetDlgItem(IDC_FILE_NAME));
    combo->AddString("photo");
    combo->AddString("scan");
    combo->SetCurSel(1);
    dlg->SendMessage(WM_COMMAND, MAKEWPARAM(IDC_FILE_NAME, CBN_SELCHANGE), reinterpret_cast<LPARAM>(combo->m_hWnd));
    EXPECT_EQ("scan", std::string(dlg->m_strCurrentFileName));
    EXPECT_EQ(Sample("scan", "0", "2147483647"), Text(IDC_SAMPLE));
}

// ---- Closing and the settings file ------------------------------------------------------

TEST_F(OrdovanUiTest, TheFirstCloseWritesTheSettingsFileInItsOrder) {
    Open();
    ChooseTargetFolder("C:\\Photos");
    Close();
    const std::string p = Prefix();
    std::vector<std::string> lines = Lines(Ini());
    ASSERT_EQ(16u, lines.size()) << Ini();
    const std::vector<std::string> expected = {
        "[ViewData]",           p + "ContinuePath=C:\\Photos",
        p + "MoveFolder=",      p + "CurrentFileName=",
        p + "RenameFile=FALSE", p + "MoveRename=FALSE",
        p + "StartNumber=0",    p + "SubFolder=FALSE",
        p + "Figure=0",         "[RecentFolder]",
        "0=C:\\Photos",         "[WindowSize]",
    };
    EXPECT_EQ(expected, std::vector<std::string>(lines.begin(), lines.begin() + 12));
    for (size_t i = 12; i < 16; ++i) EXPECT_EQ(0u, lines[i].find(p + "DialogRect_")) << lines[i];
}

TEST_F(OrdovanUiTest, TheSettingsComeBackAtTheNextStart) {
    Open();
    ChooseTargetFolder(files.Path());
    dlg->SetDlgItemText(IDC_MOVE_FOLDER, "D:\\Out");
    SetCheck(IDC_MOVE_RENAME, true);
    SetCheck(IDC_RENAME_FILE, true);
    TypeFileName("img");
    SetCheck(IDC_SUB_FOLDER, true);
    ChooseDigits(4);
    TypeStartNumber("17");
    Close();

    Open();
    EXPECT_EQ(files.Path(), Text(IDC_CONTINUE_PATH));
    EXPECT_EQ("D:\\Out", Text(IDC_MOVE_FOLDER));
    EXPECT_EQ("img", Text(IDC_FILE_NAME));
    EXPECT_EQ(1u, dlg->IsDlgButtonChecked(IDC_RENAME_FILE));
    EXPECT_EQ(1u, dlg->IsDlgButtonChecked(IDC_MOVE_RENAME));
    EXPECT_EQ(1u, dlg->IsDlgButtonChecked(IDC_SUB_FOLDER));
    EXPECT_TRUE(IsEnabled(IDC_FILE_NAME));
    EXPECT_TRUE(InnerEdit(dlg.get(), IDC_MOVE_FOLDER)->IsWindowEnabled());
    EXPECT_EQ("4", Text(IDC_FIGURE));
    EXPECT_EQ("17", Text(IDC_START_NUMBER));
    EXPECT_EQ(Sample("img", "0017", "9999"), Text(IDC_SAMPLE));
    ASSERT_EQ(1, dlg->m_recentFolder.GetSize());
    EXPECT_EQ(files.Path(), std::string(dlg->m_recentFolder[0]));
    ASSERT_EQ(1, dlg->m_recentMoveFolder.GetSize());
    EXPECT_EQ("D:\\Out", std::string(dlg->m_recentMoveFolder[0]));
    // The target list itself is never stored.
    EXPECT_EQ(std::vector<std::string>{"1||||"}, Rows());
}

TEST_F(OrdovanUiTest, ClosingPutsTheCurrentFoldersInFrontOfTheirHistories) {
    for (const char* section : {"RecentFolder", "RecentMoveFolder"}) {
        WriteIni(section, "0", "C:\\A");
        WriteIni(section, "1", "C:\\B");
    }
    Open();
    ChooseTargetFolder("C:\\B");
    Close();
    EXPECT_EQ("C:\\B", std::string(_ReadIni("RecentFolder", "0", "", IniPath().c_str(), false)));
    EXPECT_EQ("C:\\A", std::string(_ReadIni("RecentFolder", "1", "", IniPath().c_str(), false)));
    EXPECT_EQ("", std::string(_ReadIni("RecentFolder", "2", "", IniPath().c_str(), false)));
    // An empty copy destination leaves its history as it was.
    EXPECT_EQ("C:\\A", std::string(_ReadIni("RecentMoveFolder", "0", "", IniPath().c_str(), false)));
    EXPECT_EQ("C:\\B", std::string(_ReadIni("RecentMoveFolder", "1", "", IniPath().c_str(), false)));
}

TEST_F(OrdovanUiTest, EachComputerKeepsItsOwnValues) {
    WriteIni("ViewData", "OTHERPC_ContinuePath", "C:\\Elsewhere");
    WriteIni("ViewData", "OTHERPC_Figure", "5");
    Open();
    EXPECT_EQ("", Text(IDC_CONTINUE_PATH));
    EXPECT_EQ("無し", Text(IDC_FIGURE));
    ChooseTargetFolder("C:\\Here");
    Close();
    const std::string ini = Ini();
    EXPECT_NE(std::string::npos, ini.find("OTHERPC_ContinuePath=C:\\Elsewhere"));
    EXPECT_NE(std::string::npos, ini.find(Prefix() + "ContinuePath=C:\\Here"));
}

TEST_F(OrdovanUiTest, OddStoredValuesReadSafely) {
    const std::string p = Prefix();
    WriteIni("ViewData", p + "RenameFile", "true");  // only "TRUE" is true
    WriteIni("ViewData", p + "Figure", "12");        // not a width the list offers
    WriteIni("ViewData", p + "StartNumber", "42abc");
    Open();
    EXPECT_EQ(0u, dlg->IsDlgButtonChecked(IDC_RENAME_FILE));
    EXPECT_EQ("無し", Text(IDC_FIGURE));
    EXPECT_EQ("42", Text(IDC_START_NUMBER));
}

TEST_F(OrdovanUiTest, EscAndTheCloseBoxBothSave) {
    Open();
    ChooseTargetFolder("C:\\ByEsc");
    dlg->SendMessage(WM_COMMAND, IDCANCEL, 0);
    EXPECT_NE(std::string::npos, Ini().find("ContinuePath=C:\\ByEsc"));
    dlg->DestroyWindow();

    Open();
    ChooseTargetFolder("C:\\ByCloseBox");
    dlg->SendMessage(WM_SYSCOMMAND, SC_CLOSE, 0);
    PumpMessages();  // the dialog posts itself the Cancel command
    EXPECT_NE(std::string::npos, Ini().find("ContinuePath=C:\\ByCloseBox"));
}

TEST_F(OrdovanUiTest, TheModalDialogRunsUntilClosed) {
    ModalScript script;
    script.onDialog = [](CWnd* pDialog) {
        pDialog->SetDlgItemText(IDC_CONTINUE_PATH, "C:\\Modal");
        pDialog->SendMessage(WM_COMMAND, IDCANCEL, 0);
    };
    COrdovanDlg modal;
    app.m_pMainWnd = &modal;
    EXPECT_EQ(IDCANCEL, modal.DoModal());
    app.m_pMainWnd = nullptr;
    EXPECT_EQ(1, script.dialogs);
    EXPECT_NE(std::string::npos, Ini().find("ContinuePath=C:\\Modal"));
}

namespace {
// Presses Enter in a control as a user does: the key's messages go through
// the thread's message handling, the dialog's key handling included.
void PressEnter(HWND target) {
    ::SetFocus(target);
    ::PostMessageA(target, WM_KEYDOWN, VK_RETURN, 1);
    ::PostMessageA(target, WM_CHAR, '\r', 1);
    ::PostMessageA(target, WM_KEYUP, VK_RETURN, 0xC0000001);
    MSG msg;
    while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) AfxDispatchMessage(&msg);
}
}  // namespace

// Only 終了, Esc and the close box end the program, and they save; Enter in
// a field never does. The start number keeps its own Enter: on to the next
// field.
TEST_F(OrdovanUiTest, EnterNeverEndsTheDialog) {
    ModalScript script;
    script.onDialog = [&](CWnd* pDialog) {
        pDialog->SetDlgItemText(IDC_CONTINUE_PATH, "C:\\Kept");
        const struct {
            const char* name;
            HWND hWnd;
        } fields[] = {
            {"list", pDialog->GetDlgItem(IDC_FILE_LIST)->m_hWnd},
            {"base name", ::GetWindow(pDialog->GetDlgItem(IDC_FILE_NAME)->m_hWnd, GW_CHILD)},
            {"target folder", InnerEdit(pDialog, IDC_CONTINUE_PATH)->m_hWnd},
            {"digits", pDialog->GetDlgItem(IDC_FIGURE)->m_hWnd},
            {"subfolder check box", pDialog->GetDlgItem(IDC_SUB_FOLDER)->m_hWnd},
            {"start number", pDialog->GetDlgItem(IDC_START_NUMBER)->m_hWnd},
        };
        for (const auto& field : fields) {
            ASSERT_NE(nullptr, field.hWnd) << field.name;
            PressEnter(field.hWnd);
            EXPECT_TRUE(pDialog->IsWindowVisible()) << field.name;
        }
        EXPECT_EQ(pDialog->GetDlgItem(IDC_SAMPLE)->m_hWnd, ::GetFocus());
        pDialog->SendMessage(WM_COMMAND, IDCANCEL, 0);
    };
    COrdovanDlg modal;
    app.m_pMainWnd = &modal;
    EXPECT_EQ(IDCANCEL, modal.DoModal());
    app.m_pMainWnd = nullptr;
    EXPECT_NE(std::string::npos, Ini().find("ContinuePath=C:\\Kept"));
}

// ---- System menu, help, about box ----------------------------------------------------------

TEST_F(OrdovanUiTest, TheSystemMenuOffersTheAboutBoxThenUndo) {
    Open();
    HMENU sysMenu = ::GetSystemMenu(dlg->m_hWnd, FALSE);
    char text[128] = {};
    ASSERT_GT(::GetMenuStringA(sysMenu, IDM_ABOUTBOX, text, sizeof text, MF_BYCOMMAND), 0);
    EXPECT_STREQ("ﾊﾞｰｼﾞｮﾝ情報(Ordovan) (&A)...", text);
    const int count = ::GetMenuItemCount(sysMenu);
    EXPECT_EQ(IDM_ABOUTBOX, static_cast<int>(::GetMenuItemID(sysMenu, count - 2)));
    EXPECT_EQ(MF_SEPARATOR, ::GetMenuState(sysMenu, static_cast<UINT>(count - 3), MF_BYPOSITION) & MF_SEPARATOR);
    EXPECT_EQ(IDM_UNDO, static_cast<int>(::GetMenuItemID(sysMenu, count - 1)));
    ASSERT_GT(::GetMenuStringA(sysMenu, IDM_UNDO, text, sizeof text, MF_BYCOMMAND), 0);
    EXPECT_STREQ("元に戻す(&U)", text);
    EXPECT_EQ(static_cast<UINT>(MF_GRAYED), ::GetMenuState(sysMenu, IDM_UNDO, MF_BYCOMMAND) & MF_GRAYED);  // no run yet
}

#if __has_include("AboutDlg.h")
TEST_F(OrdovanUiTest, TheAboutBoxOpensFromItsButtonAndFromTheSystemMenu) {
    Open();
    ModalScript script;
    std::vector<std::string> titles;
    script.onDialog = [&](CWnd* pDialog) {
        CString title;
        pDialog->GetWindowText(title);
        titles.push_back(std::string(title));
        pDialog->SendMessage(WM_COMMAND, IDOK, 0);
    };
    Click(IDC_ABOUT);
    dlg->SendMessage(WM_SYSCOMMAND, IDM_ABOUTBOX, 0);
    EXPECT_EQ((std::vector<std::string>{"ﾊﾞｰｼﾞｮﾝ情報 Tallywise", "ﾊﾞｰｼﾞｮﾝ情報 Tallywise"}), titles);
    EXPECT_TRUE(dlg->IsWindowEnabled());
}
#endif

#if __has_include("AboutDlg.h")
namespace {
std::vector<std::string> g_opened;
HINSTANCE RecordOpen(const char* file, UINT nCmdShow) {
    g_opened.push_back(file);
    EXPECT_EQ(static_cast<UINT>(SW_SHOW), nCmdShow);
    return reinterpret_cast<HINSTANCE>(33);
}
}  // namespace

// Under Wine, where the tests run, the shell opens the page.
TEST_F(OrdovanUiTest, HelpOpensThePageBesideTheProgram) {
    Open();
    g_opened.clear();
    const PFN_SHELL_OPEN previous = g_pfnShellOpen;
    g_pfnShellOpen = &RecordOpen;
    Click(IDC_HELP_PAGE);
    g_pfnShellOpen = previous;
    EXPECT_EQ(std::vector<std::string>{programFolder.Path() + "\\Help.htm"}, g_opened);
}
#endif

TEST_F(OrdovanUiTest, MinimisedTheDialogAnswersWithItsIcon) {
    Open();
    EXPECT_NE(nullptr, dlg->m_hIcon);
    EXPECT_EQ(reinterpret_cast<LRESULT>(dlg->m_hIcon), dlg->SendMessage(WM_QUERYDRAGICON));
    EXPECT_EQ(reinterpret_cast<LRESULT>(dlg->m_hIcon), dlg->SendMessage(WM_GETICON, ICON_BIG));
}

// A themed button has the dialog erase its background in the button's own
// device context; the button must still be able to draw there afterwards.
TEST_F(OrdovanUiTest, ErasingBehindAControlLeavesItsDrawingAreaAlone) {
    Open();
    CWnd* button = dlg->GetDlgItem(IDC_START);
    HDC hdc = ::GetDC(button->m_hWnd);
    RECT before = {};
    ASSERT_NE(NULLREGION, ::GetClipBox(hdc, &before));
    dlg->SendMessage(WM_ERASEBKGND, reinterpret_cast<WPARAM>(hdc));
    RECT after = {};
    EXPECT_NE(NULLREGION, ::GetClipBox(hdc, &after));
    EXPECT_TRUE(::EqualRect(&before, &after));
    ::ReleaseDC(button->m_hWnd, hdc);
}

namespace {
BOOL CALLBACK ChooseOut(LPCSTR initialFolder, LPSTR path) {
    EXPECT_STREQ("C:\\Start", initialFolder);
    lstrcpynA(path, "D:\\Chosen", MAX_PATH);
    return TRUE;
}
}  // namespace

TEST_F(OrdovanUiTest, TheFolderButtonOfAFieldChoosesAFolder) {
    Open();
    ChooseTargetFolder("C:\\Start");
    AFX_MODAL_HANDLERS handlers = {};
    handlers.pfnFolder = &ChooseOut;
    const AFX_MODAL_HANDLERS previous = AfxSetModalHandlers(&handlers);
    dlg->GetDlgItem(IDC_CONTINUE_PATH)->GetDlgItem(CVoButtonEdit::IDC_VO_BUTTON)->SendMessage(BM_CLICK);
    AfxSetModalHandlers(&previous);
    EXPECT_EQ("D:\\Chosen", Text(IDC_CONTINUE_PATH));
    dlg->UpdateData(TRUE);
    EXPECT_EQ("D:\\Chosen", std::string(dlg->m_strContinuePath));
}

// ---- The application object -------------------------------------------------------------

TEST_F(OrdovanUiTest, TheSettingsFileLiesInTheProgramFolder) {
    EXPECT_EQ(IniPath(), std::string(GetIniPath()));
    app.m_strProgramFolder = "C:\\Somewhere\\";
    EXPECT_EQ("C:\\Somewhere\\Ordovim.ini", std::string(GetIniPath()));
    // A program folder without an exact form is none: no settings, no journal.
    app.m_strProgramFolder.Empty();
    EXPECT_TRUE(GetIniPath().IsEmpty());
    EXPECT_TRUE(GetJournalPath().IsEmpty());
}

TEST(OrdovanApp, InitInstanceRunsTheDialogFromTheProgramFolderAndEnds) {
    COrdovanApp application;
    char module[MAX_PATH] = {};
    ::GetModuleFileNameA(nullptr, module, MAX_PATH);
    std::string folder(module);
    folder.erase(folder.rfind('\\') + 1);
    const std::string ini = folder + "Ordovim.ini";
    const std::string before = TempDir::ReadFile(ini);
    const bool existed = TempDir::Exists(ini);

    ModalScript script;
    CWnd* mainWindow = nullptr;
    script.onDialog = [&](CWnd* pDialog) {
        mainWindow = AfxGetMainWnd();
        EXPECT_EQ(pDialog, mainWindow);
        pDialog->SendMessage(WM_COMMAND, IDCANCEL, 0);
    };
    EXPECT_FALSE(application.InitInstance());
    EXPECT_EQ(1, script.dialogs);
    EXPECT_EQ(folder, std::string(application.m_strProgramFolder));
    EXPECT_EQ(nullptr, application.m_pMainWnd);
    EXPECT_TRUE(TempDir::Exists(ini));

    // Leave the build folder as it was.
    if (existed) {
        TempDir scratch;
        ::DeleteFileA(ini.c_str());
        HANDLE file =
            ::CreateFileA(ini.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
        DWORD written = 0;
        ::WriteFile(file, before.data(), static_cast<DWORD>(before.size()), &written, nullptr);
        ::CloseHandle(file);
    } else {
        ::DeleteFileA(ini.c_str());
    }
}
