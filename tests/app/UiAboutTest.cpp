// Tests of the about box (template, version and date of the program file,
// the addresses, the ways to close it) and of opening the help page.
#include "AboutDlg.h"

#include <gtest/gtest.h>

#include "ModalScript.h"

#include <cstdio>
#include <functional>
#include <string>
#include <vector>

namespace {

std::string ItemText(CWnd* dlg, int id) {
    char text[256] = "";
    ::GetDlgItemTextA(dlg->m_hWnd, id, text, sizeof text);
    return text;
}

// The last-write date of the running program, as the about box should show
// it, worked out with the platform's own conversions.
std::string ProgramDate() {
    char path[MAX_PATH] = "";
    ::GetModuleFileNameA(nullptr, path, sizeof path);
    WIN32_FILE_ATTRIBUTE_DATA data = {};
    if (!::GetFileAttributesExA(path, GetFileExInfoStandard, &data)) return "?";
    FILETIME local;
    SYSTEMTIME st;
    ::FileTimeToLocalFileTime(&data.ftLastWriteTime, &local);
    ::FileTimeToSystemTime(&local, &st);
    char date[16];
    snprintf(date, sizeof date, "%04u.%02u.%02u", st.wYear, st.wMonth, st.wDay);
    return date;
}

// Records the launches instead of starting anything: "run <command line>"
// or "open <file>", each with its show command.
std::vector<std::string> g_launched;
UINT RecordRun(const char* pszCommandLine, UINT nCmdShow) {
    g_launched.push_back("run " + std::string(pszCommandLine) + " " + std::to_string(nCmdShow));
    return 33;
}
HINSTANCE RecordOpen(const char* pszFile, UINT nCmdShow) {
    g_launched.push_back("open " + std::string(pszFile) + " " + std::to_string(nCmdShow));
    return reinterpret_cast<HINSTANCE>(33);
}

}  // namespace

TEST(AboutDlg, ShowsTheVersionAndDateOfTheProgramAndTheAddresses) {
    CAboutDlg dlg;
    bool ran = false;
    ModalScript script([&](CWnd* pDlg) {
        ran = true;
        char title[64] = "";
        ::GetWindowTextA(pDlg->m_hWnd, title, sizeof title);
        EXPECT_STREQ("ﾊﾞｰｼﾞｮﾝ情報 Tallywise", title);
        EXPECT_EQ("Version 1.01 / " + ProgramDate(), ItemText(pDlg, IDC_ABOUT_VERSION));
        EXPECT_EQ(pDlg->GetDlgItem(IDC_ABOUT_VERSION)->m_hWnd, dlg.m_version.m_hWnd);
        EXPECT_EQ(kHomePageAddress, ItemText(pDlg, IDC_ABOUT_HOMEPAGE));
        EXPECT_EQ(kMailAddress, ItemText(pDlg, IDC_ABOUT_MAIL));
        for (int id : {IDC_ABOUT_HOMEPAGE, IDC_ABOUT_MAIL}) {
            EXPECT_TRUE(pDlg->GetDlgItem(id)->GetStyle() & ES_READONLY) << id;
        }
        EXPECT_EQ("OK", ItemText(pDlg, IDOK));
        pDlg->SendMessage(WM_COMMAND, IDOK, 0);
    });
    EXPECT_EQ(IDOK, dlg.DoModal());
    EXPECT_TRUE(ran);
    EXPECT_EQ(nullptr, dlg.m_version.m_hWnd);
}

TEST(AboutDlg, EscAndTheCloseBoxEndItToo) {
    {
        CAboutDlg dlg;
        ModalScript script(
            [](CWnd* pDlg) { ::PostMessageA(pDlg->GetDlgItem(IDOK)->m_hWnd, WM_KEYDOWN, VK_ESCAPE, 0); });
        EXPECT_EQ(IDCANCEL, dlg.DoModal());
    }
    {
        CAboutDlg dlg;
        ModalScript script([](CWnd* pDlg) { pDlg->PostMessage(WM_SYSCOMMAND, SC_CLOSE, 0); });
        EXPECT_EQ(IDCANCEL, dlg.DoModal());
    }
}

TEST(AboutDlg, TheVersionLabelReadsTheJapaneseBlock) {
    CWnd parent;
    ASSERT_TRUE(
        parent.CreateEx(0, AfxRegisterWndClass(0), "parent", WS_OVERLAPPEDWINDOW, 0, 0, 300, 100, nullptr, nullptr));
    CLabelVersion label;
    ASSERT_TRUE(label.CreateEx(0, "STATIC", "", WS_CHILD, 0, 0, 200, 20, parent.m_hWnd, nullptr));
    char program[MAX_PATH + 1];
    _GetModuleFileName(program, sizeof program);
    ASSERT_TRUE(label.Make(program, "041104b0", false));
    CString text;
    label.GetWindowText(text);
    EXPECT_STREQ("Ver 1.01", text);
    ASSERT_TRUE(label.Make(program, "040904b0", false));  // no such block
    label.GetWindowText(text);
    EXPECT_STREQ("Ver ", text);
    parent.DestroyWindow();
}

// Windows' file browser shows the page it is given; Wine's shows a folder,
// so there the shell opens the page itself. The tests run under Wine.
TEST(HelpPage, OpensHelpHtmThroughTheFileBrowserOnWindowsAndTheShellUnderWine) {
    const PFN_LAUNCH previousRun = g_pfnLaunch;
    const PFN_SHELL_OPEN previousOpen = g_pfnShellOpen;
    EXPECT_NE(nullptr, previousRun);
    EXPECT_NE(nullptr, previousOpen);
    g_pfnLaunch = &RecordRun;
    g_pfnShellOpen = &RecordOpen;
    g_launched.clear();
    OpenHelpPage("C:\\Program Files\\Tallywise\\", false);
    OpenHelpPage("C:\\Program Files\\Tallywise\\", true);
    OpenHelpPage("C:\\Tallywise\\");
    OpenHelpPage("", true);  // no program folder: no page of ours
    OpenHelpPage("", false);
    g_pfnLaunch = previousRun;
    g_pfnShellOpen = previousOpen;

    const std::vector<std::string> expected = {
        "run Explorer.exe \"C:\\Program Files\\Tallywise\\Help.htm\" 5",
        "open C:\\Program Files\\Tallywise\\Help.htm 5",
        "open C:\\Tallywise\\Help.htm 5",
    };
    EXPECT_EQ(expected, g_launched);
    EXPECT_TRUE(IsRunningUnderWine());
}
