// The main dialog's undo: the system-menu item follows the journal, undo
// brings files and rows back, and a run that did not end is asked about
// once at the next start.
#include "UiFixture.h"

#include "MessageBoxCapture.h"
#include "RunJournal.h"
#include "WideName.h"

namespace {

const char kUnfinished[] = "前回の連番作成は途中で終わっています。\n元の名前に戻しますか？";

bool UndoEnabled(const COrdovanDlg& dlg) {
    const UINT state = ::GetMenuState(::GetSystemMenu(dlg.m_hWnd, FALSE), IDM_UNDO, MF_BYCOMMAND);
    return state != static_cast<UINT>(-1) && !(state & MF_GRAYED);
}

}  // namespace

class OrdovanUndoTest : public OrdovanUiTest {
protected:
    std::string Content(const std::string& name) const { return TempDir::ReadFile(files / name); }
    std::string JournalPath() const { return programFolder / "Ordovim.jnl"; }
};

TEST_F(OrdovanUndoTest, TheMenuUndoesTheLastRunAndThenGreysOut) {
    Open();
    MakeFiles({"a.jpg", "b.jpg"});
    ChooseTargetFolder(files.Path());
    Click(IDC_SEARCH_ADD);
    const std::string listed = RowNames();
    TypeFileName("pic");
    SetCheck(IDC_RENAME_FILE, true);
    EXPECT_FALSE(UndoEnabled(*dlg));
    {
        MessageBoxCapture boxes(IDYES);
        Click(IDC_START);
        EXPECT_EQ(1, boxes.Count());
    }
    EXPECT_EQ("pic0.jpg,pic1.jpg", RowNames());
    EXPECT_TRUE(UndoEnabled(*dlg));

    dlg->SendMessage(WM_SYSCOMMAND, IDM_UNDO, 0);
    EXPECT_EQ(listed, RowNames());
    EXPECT_EQ("a.jpg", Content("a.jpg"));
    EXPECT_EQ("b.jpg", Content("b.jpg"));
    EXPECT_FALSE(TempDir::Exists(files / "pic0.jpg"));
    EXPECT_FALSE(UndoEnabled(*dlg));
    EXPECT_TRUE(dlg->IsWindowEnabled());
}

TEST_F(OrdovanUndoTest, ARunThatDidNotEndIsAskedAboutOnce) {
    MakeFiles({"a.jpg"});
    {
        // A run that renamed a.jpg and never came to its end.
        CRunJournal journal(JournalPath().c_str());
        journal.RecordRename(WideOf(files.Path().c_str()), L"a.jpg", L"b.jpg");
    }
    ASSERT_TRUE(MoveFileA((files / "a.jpg").c_str(), (files / "b.jpg").c_str()));
    {
        MessageBoxCapture boxes(IDNO);
        Open();
        ASSERT_EQ(1, boxes.Count());
        EXPECT_EQ(kUnfinished, boxes.Text(0));
        EXPECT_EQ(static_cast<UINT>(MB_YESNO | MB_ICONQUESTION), boxes.Boxes()[0].type);
    }
    EXPECT_TRUE(UndoEnabled(*dlg));  // No: still on the menu, not asked again
    Close();
    Open();
    EXPECT_TRUE(TempDir::Exists(files / "b.jpg"));
    dlg->SendMessage(WM_SYSCOMMAND, IDM_UNDO, 0);
    EXPECT_EQ("a.jpg", Content("a.jpg"));
}
