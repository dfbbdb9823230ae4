// Tests of the settings dialog and of the history menus of the two folder
// fields.
#include "UiFixture.h"

#include "MessageBoxCapture.h"

#include <Vokit.h>

namespace {

const char kNoHistory[] = "履歴はありません";

// Clicks a button of a dialog the way the button itself would report it.
void ClickIn(CWnd* pDialog, int nID) {
    pDialog->SendMessage(WM_COMMAND, MAKEWPARAM(nID, BN_CLICKED),
                         reinterpret_cast<LPARAM>(pDialog->GetDlgItem(nID)->m_hWnd));
}

}  // namespace

class OrdovanSettingsTest : public OrdovanUiTest {
protected:
    // Opens the settings dialog and lets work run in it before it ends.
    void RunSettings(const std::function<void(CWnd*)>& work) {
        ModalScript script;
        script.onDialog = work;
        Click(IDC_SETTINGS);
        EXPECT_EQ(1, script.dialogs);
    }

    // Opens the history menu of a button; returns its texts and chooses the
    // item at position choose (-1: none).
    std::vector<std::string> RunMenu(int nIDButton, int choose) {
        ModalScript script;
        std::vector<std::string> texts;
        script.onMenu = [&](HMENU hMenu) -> UINT {
            texts = MenuTexts(hMenu);
            return choose < 0 ? 0 : ::GetMenuItemID(hMenu, choose);
        };
        Click(nIDButton);
        PumpMessages();  // the chosen command arrives as a posted message
        EXPECT_EQ(1, script.menus);
        return texts;
    }

    void AddFileNameHistory(const std::vector<std::string>& names) {
        for (size_t i = 0; i < names.size(); ++i) WriteIni("RecentFileName", std::to_string(i), names[i]);
    }
};

// ---- The settings dialog ------------------------------------------------------------------

// Not at the screen's corner over the main window's caption: centred over
// the main window, wherever that stands.
TEST_F(OrdovanSettingsTest, TheDialogOpensCentredOverTheMainWindow) {
    Open();
    dlg->SetWindowPos(nullptr, 160, 120, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    CRect main;
    dlg->GetWindowRect(&main);
    CRect settings;
    RunSettings([&](CWnd* pDialog) {
        pDialog->GetWindowRect(&settings);
        pDialog->SendMessage(WM_COMMAND, IDCANCEL, 0);
    });
    EXPECT_NEAR(main.CenterPoint().x, settings.CenterPoint().x, 1);
    EXPECT_NEAR(main.CenterPoint().y, settings.CenterPoint().y, 1);
}

TEST_F(OrdovanSettingsTest, TheDialogShowsTheConfirmationsAndStoresThemOnOk) {
    Open();
    dlg->m_bMsgReset = false;
    std::string title;
    RunSettings([&](CWnd* pDialog) {
        CString text;
        pDialog->GetWindowText(text);
        title = std::string(text);
        EXPECT_EQ(1u, pDialog->IsDlgButtonChecked(IDC_MSG_DELETE));
        EXPECT_EQ(0u, pDialog->IsDlgButtonChecked(IDC_MSG_RESET));
        EXPECT_EQ(1u, pDialog->IsDlgButtonChecked(IDC_MSG_CONTINUE_START));
        pDialog->CheckDlgButton(IDC_MSG_DELETE, BST_UNCHECKED);
        pDialog->CheckDlgButton(IDC_MSG_RESET, BST_CHECKED);
        pDialog->SendMessage(WM_COMMAND, IDOK, 0);
    });
    EXPECT_EQ("設定", title);
    EXPECT_FALSE(dlg->m_bMsgDelete);
    EXPECT_TRUE(dlg->m_bMsgReset);
    EXPECT_TRUE(dlg->m_bMsgContinueStart);

    const std::string p = Prefix();
    const std::string ini = Ini();
    const size_t deleteAt = ini.find(p + "MsgDelete=FALSE");
    const size_t resetAt = ini.find(p + "MsgReset=TRUE");
    const size_t startAt = ini.find(p + "MsgContinueStart=TRUE");
    ASSERT_NE(std::string::npos, deleteAt) << ini;
    EXPECT_LT(deleteAt, resetAt);
    EXPECT_LT(resetAt, startAt);
    EXPECT_NE(std::string::npos, startAt);
    EXPECT_EQ(0u, ini.find("[Setup]"));
}

TEST_F(OrdovanSettingsTest, WithoutTheDeleteQuestionTheSettingHoldsAfterARestart) {
    Open();
    RunSettings([](CWnd* pDialog) {
        pDialog->CheckDlgButton(IDC_MSG_DELETE, BST_UNCHECKED);
        pDialog->SendMessage(WM_COMMAND, IDOK, 0);
    });
    Close();

    MakeFiles({"a.txt", "b.txt"});
    Open();
    EXPECT_FALSE(dlg->m_bMsgDelete);
    ChooseTargetFolder(files.Path());
    Click(IDC_SEARCH_ADD);
    SelectRows({0});
    Click(IDC_DELETE);  // no question
    EXPECT_EQ(1u, Rows().size());
}

TEST_F(OrdovanSettingsTest, CancelChangesNothingEvenAfterAClearButton) {
    AddFileNameHistory({"img", "scan"});
    WriteIni("RecentFolder", "0", "C:\\A");
    Open();
    RunSettings([](CWnd* pDialog) {
        ClickIn(pDialog, IDC_CLEAR_FILE_NAME);
        ClickIn(pDialog, IDC_CLEAR_FOLDER);
        EXPECT_FALSE(pDialog->GetDlgItem(IDC_CLEAR_FILE_NAME)->IsWindowEnabled());
        EXPECT_FALSE(pDialog->GetDlgItem(IDC_CLEAR_FOLDER)->IsWindowEnabled());
        pDialog->CheckDlgButton(IDC_MSG_DELETE, BST_UNCHECKED);
        pDialog->SendMessage(WM_COMMAND, IDCANCEL, 0);
    });
    EXPECT_TRUE(dlg->m_bMsgDelete);
    EXPECT_EQ(2, dlg->m_comboFileName.GetCount());
    EXPECT_EQ(1, dlg->m_recentFolder.GetSize());
    EXPECT_EQ(std::string::npos, Ini().find("[Setup]"));
}

TEST_F(OrdovanSettingsTest, ClearingTheFileNamesEmptiesListFieldAndFileAtOnce) {
    AddFileNameHistory({"img", "scan"});
    WriteIni("ViewData", Prefix() + "CurrentFileName", "img");
    Open();
    EXPECT_EQ(2, dlg->m_comboFileName.GetCount());
    EXPECT_EQ("img", Text(IDC_FILE_NAME));
    RunSettings([](CWnd* pDialog) {
        ClickIn(pDialog, IDC_CLEAR_FILE_NAME);
        pDialog->SendMessage(WM_COMMAND, IDOK, 0);
    });
    EXPECT_EQ(0, dlg->m_comboFileName.GetCount());
    EXPECT_EQ("", Text(IDC_FILE_NAME));
    EXPECT_EQ("", std::string(_ReadIni("RecentFileName", "0", "", IniPath().c_str(), false)));

    // Closing stores the emptied field.
    Close();
    EXPECT_NE(std::string::npos, Ini().find(Prefix() + "CurrentFileName=\r\n"));
}

TEST_F(OrdovanSettingsTest, ClearingTheFoldersEmptiesOnlyTheTargetFolderHistory) {
    WriteIni("RecentFolder", "0", "C:\\A");
    WriteIni("RecentMoveFolder", "0", "D:\\Out");
    Open();
    RunSettings([](CWnd* pDialog) {
        ClickIn(pDialog, IDC_CLEAR_FOLDER);
        pDialog->SendMessage(WM_COMMAND, IDOK, 0);
    });
    EXPECT_EQ(std::vector<std::string>{kNoHistory}, RunMenu(IDC_FOLDER_HISTORY, -1));
    EXPECT_EQ(std::vector<std::string>{"D:\\Out"}, RunMenu(IDC_MOVE_FOLDER_HISTORY, -1));
    // The file learns it at the close, which adds the current folder first.
    EXPECT_EQ("C:\\A", std::string(_ReadIni("RecentFolder", "0", "", IniPath().c_str(), false)));
    ChooseTargetFolder("C:\\New");
    Close();
    EXPECT_EQ("C:\\New", std::string(_ReadIni("RecentFolder", "0", "", IniPath().c_str(), false)));
    EXPECT_EQ("", std::string(_ReadIni("RecentFolder", "1", "", IniPath().c_str(), false)));
}

// ---- History menus -----------------------------------------------------------------------------

TEST_F(OrdovanSettingsTest, EmptyHistoriesOfferOneItemThatDoesNothing) {
    Open();
    ChooseTargetFolder("C:\\Typed");
    dlg->SetDlgItemText(IDC_MOVE_FOLDER, "D:\\Typed");
    EXPECT_EQ(std::vector<std::string>{kNoHistory}, RunMenu(IDC_FOLDER_HISTORY, 0));
    EXPECT_EQ(std::vector<std::string>{kNoHistory}, RunMenu(IDC_MOVE_FOLDER_HISTORY, 0));
    EXPECT_EQ("C:\\Typed", Text(IDC_CONTINUE_PATH));
    EXPECT_EQ("D:\\Typed", Text(IDC_MOVE_FOLDER));
}

TEST_F(OrdovanSettingsTest, ChoosingAnEntryFillsItsField) {
    WriteIni("RecentFolder", "0", "C:\\A");
    WriteIni("RecentFolder", "1", "C:\\B&C");
    WriteIni("RecentMoveFolder", "0", "D:\\Out");
    Open();
    EXPECT_EQ((std::vector<std::string>{"C:\\A", "C:\\B&&C"}), RunMenu(IDC_FOLDER_HISTORY, 1));
    EXPECT_EQ("C:\\B&C", Text(IDC_CONTINUE_PATH));
    // The entry keeps its place until the next search or close.
    EXPECT_EQ("C:\\A", std::string(dlg->m_recentFolder[0]));

    EXPECT_EQ(std::vector<std::string>{"D:\\Out"}, RunMenu(IDC_MOVE_FOLDER_HISTORY, 0));
    EXPECT_EQ("D:\\Out", Text(IDC_MOVE_FOLDER));
}

TEST_F(OrdovanSettingsTest, ChoosingAnEntryWritesBackEveryOtherValueToo) {
    WriteIni("RecentFolder", "0", "C:\\A");
    Open();
    ChooseDigits(2);
    TypeStartNumber("123");  // the sample keeps 23 of it
    RunMenu(IDC_FOLDER_HISTORY, 0);
    EXPECT_EQ("C:\\A", Text(IDC_CONTINUE_PATH));
    EXPECT_EQ("23", Text(IDC_START_NUMBER));
}

TEST_F(OrdovanSettingsTest, AMenuShowsAtMostTenEntries) {
    for (int i = 0; i < 12; ++i) WriteIni("RecentFolder", std::to_string(i), "C:\\F" + std::to_string(i));
    Open();
    EXPECT_EQ(10, dlg->m_recentFolder.GetSize()) << "cut to its capacity when read";
    const std::vector<std::string> texts = RunMenu(IDC_FOLDER_HISTORY, 9);
    ASSERT_EQ(10u, texts.size());
    EXPECT_EQ("C:\\F9", texts[9]);
    EXPECT_EQ("C:\\F9", Text(IDC_CONTINUE_PATH));
}

TEST_F(OrdovanSettingsTest, TheHistoryCommandIdsAreNamedInTheStringTable) {
    for (UINT nID = ID_RECENT_FOLDER_FIRST; nID <= ID_RECENT_MOVE_FOLDER_LAST; ++nID) {
        CString text;
        EXPECT_TRUE(text.LoadString(nID)) << nID;
        EXPECT_EQ("最近使ったフォルダ", std::string(text)) << nID;
    }
    CString noMemory;
    EXPECT_TRUE(noMemory.LoadString(IDS_NO_MEMORY));
    EXPECT_EQ("メモリが足りません。", std::string(noMemory));
}
