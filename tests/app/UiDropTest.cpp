// Tests of files and folders dropped on the main dialog: the dialog gets
// the WM_DROPFILES a drop from the file browser sends, with a drop handle
// of wide names built here.
#include "UiFixture.h"

#include "MessageBoxCapture.h"

#include <cstring>
#include <set>

namespace {

// DROPFILES of shlobj.h (which cannot come here: its SORT_ASCENDING and
// SORT_DESCENDING are Vokit's too).
struct DropFiles {
    DWORD pFiles;  // where the names start
    POINT pt;
    BOOL fNC;
    BOOL fWide;
};

std::wstring Wide(const std::string& text) {
    wchar_t wide[MAX_PATH * 2] = L"";
    ::MultiByteToWideChar(932, 0, text.c_str(), -1, wide, MAX_PATH * 2);
    return wide;
}

// A drop handle as the file browser makes one: DROPFILES, then the wide
// paths, each with its terminator, and an empty one to end them.
HDROP MakeDrop(const std::vector<std::wstring>& paths) {
    std::wstring names;
    for (const std::wstring& path : paths) names += path + L'\0';
    names += L'\0';
    const size_t size = sizeof(DropFiles) + names.size() * sizeof(wchar_t);
    HGLOBAL memory = ::GlobalAlloc(GHND, size);
    DropFiles* drop = static_cast<DropFiles*>(::GlobalLock(memory));
    drop->pFiles = sizeof(DropFiles);
    drop->fWide = TRUE;
    std::memcpy(drop + 1, names.data(), names.size() * sizeof(wchar_t));
    ::GlobalUnlock(memory);
    return static_cast<HDROP>(memory);
}

}  // namespace

class OrdovanDropTest : public OrdovanUiTest {
protected:
    // Drops paths on the dialog; the dialog frees the handle.
    void Drop(const std::vector<std::wstring>& paths) {
        dlg->SendMessage(WM_DROPFILES, reinterpret_cast<WPARAM>(MakeDrop(paths)));
    }
    std::vector<std::string> Folders() const {
        std::vector<std::string> folders;
        for (int row = 0; row < dlg->m_listCtrl.GetItemCount(); ++row)
            folders.push_back(std::string(dlg->m_listCtrl.GetItemText(row, 2)));
        return folders;
    }
};

TEST_F(OrdovanDropTest, DroppedFoldersAreSearchedAndTheFirstBecomesTheTarget) {
    const std::string first = files.MakeDir("first");
    const std::string second = files.MakeDir("second");
    files.WriteFile("first\\a.jpg", "a");
    files.WriteFile("first\\deep\\b.jpg", "b");
    files.WriteFile("second\\c.jpg", "c");
    Open();
    EXPECT_TRUE(dlg->GetExStyle() & WS_EX_ACCEPTFILES);  // the file browser drops only there
    ChooseTargetFolder("C:\\Elsewhere");

    Drop({Wide(first), Wide(second)});
    EXPECT_EQ(first, Text(IDC_CONTINUE_PATH));
    EXPECT_EQ("a.jpg,c.jpg", RowNames());  // without subfolders, as set
    EXPECT_EQ((std::vector<std::string>{first, second}), Folders());
    EXPECT_EQ(first, std::string(dlg->m_recentFolder[0]));

    // With subfolders; what is listed already stays where it is.
    SetCheck(IDC_SUB_FOLDER, true);
    Drop({Wide(first)});
    EXPECT_EQ("a.jpg,c.jpg,b.jpg", RowNames());
    EXPECT_EQ("1", std::string(dlg->m_listCtrl.GetItemText(0, 0)));
}

TEST_F(OrdovanDropTest, DroppedFilesAreAddedOnceAsTheSearchWouldAddThem) {
    MakeFiles({"a.jpg", "b.jpg", "c.jpg"});
    const std::string sub = files.MakeDir("sub");
    const std::string d = files.WriteFile("sub\\d.jpg", "dd");
    files.WriteFile("sub\\e.jpg", "not dropped");
    Open();
    ChooseTargetFolder(files.Path());
    Click(IDC_SEARCH_ADD);
    const std::vector<std::string> searched = Rows();

    // b.jpg is listed already; d.jpg twice in one drop comes once; a file
    // gone since the drag is passed over. The target folder stays.
    Drop({Wide(d), Wide(files / "b.jpg"), Wide(d), Wide(files / "gone.jpg")});
    EXPECT_EQ(files.Path(), Text(IDC_CONTINUE_PATH));
    const std::vector<std::string> rows = Rows();
    ASSERT_EQ(4u, rows.size());
    EXPECT_EQ(searched, std::vector<std::string>(rows.begin(), rows.begin() + 3));
    EXPECT_EQ("a.jpg,b.jpg,c.jpg,d.jpg", RowNames());
    EXPECT_EQ(0u, rows[3].find("4|d.jpg|" + sub + "|2|")) << rows[3];

    // A search of the folder afterwards finds the dropped file listed.
    ChooseTargetFolder(sub);
    Click(IDC_SEARCH_ADD);
    EXPECT_EQ("a.jpg,b.jpg,c.jpg,d.jpg,e.jpg", RowNames());
}

// Paths code page 932 cannot hold are searched through their UTF-16 form
// and listed marked; such a folder cannot become the target folder. Only
// names no path can carry are left out and reported.
TEST_F(OrdovanDropTest, ForeignNamesAreListedMarkedAndUnusableOnesReported) {
    MakeFiles({"a.jpg", "odd\\ok.jpg"});
    const std::string odd = files / "odd";
    ASSERT_TRUE(TempDir::WriteWideFile(files.Path(), L"\u00e4.jpg"));  // ä: no exact Shift-JIS form
    ASSERT_TRUE(TempDir::WriteWideFile(odd, L"\u00f6.jpg"));
    ASSERT_TRUE(TempDir::WriteWideFile(odd, L"x."));
    ASSERT_TRUE(TempDir::MakeWideDir(files.Path(), L"\u00fc"));
    ASSERT_TRUE(TempDir::WriteWideFile(files.Path(), L"\u00fc\\b.jpg"));
    Open();
    MessageBoxCapture boxes;

    // A file and a folder with such names, and a folder holding one.
    Drop({Wide(files / "a.jpg"), Wide(files.Path()) + L"\\\u00e4.jpg", Wide(files.Path()) + L"\\\u00fc", Wide(odd)});
    std::multiset<std::string> rows;
    for (int row = 0; row < dlg->m_listCtrl.GetItemCount(); ++row)
        rows.insert(std::string(dlg->m_listCtrl.GetItemText(row, 1)) + "|" +
                    std::string(dlg->m_listCtrl.GetItemText(row, 2)));
    EXPECT_EQ((std::multiset<std::string>{"a.jpg|" + files.Path(), "※a.jpg|" + files.Path(),
                                          "b.jpg|※" + files.Path() + "\\u", "※o.jpg|" + odd, "ok.jpg|" + odd}),
              rows);
    EXPECT_EQ(odd, Text(IDC_CONTINUE_PATH));
    ASSERT_EQ(1, boxes.Count());
    const std::string text = boxes.Text(0);
    EXPECT_NE(std::string::npos, text.find(" 1 個")) << text;
    EXPECT_NE(std::string::npos, text.find("\n" + odd + "\n")) << text;
}
