// Tests of a run started from the main dialog: the question, the new names
// on disk and in the list, the failure report, the copy option, the base-name
// history, and refused start numbers.
#include "UiFixture.h"

#include "MessageBoxCapture.h"

#include <Vokit.h>

#if __has_include("ProgressDlg.h")
#include "ProgressDlg.h"

namespace {

const char kStartQuestion[] = "ファイル名を変更します。";
const char kReportHead[] = "以下のファイル名が変更に失敗しました。\n\n";

}  // namespace

class OrdovanRunTest : public OrdovanUiTest {
protected:
    // img1.jpg, img2.jpg, img3.jpg listed in this order, base name img.
    void ListImages() {
        Open();
        ChooseTargetFolder(files.Path());
        for (const char* name : {"img1.jpg", "img2.jpg", "img3.jpg"}) {
            MakeFiles({name});
            Click(IDC_SEARCH_ADD);
        }
        TypeFileName("img");
        SetCheck(IDC_RENAME_FILE, true);
    }

    std::string Content(const std::string& name) const { return TempDir::ReadFile(files / name); }
};

TEST_F(OrdovanRunTest, StartAsksThenRenamesFromTheLastFile) {
    ListImages();
    TypeStartNumber("2");
    MessageBoxCapture boxes(IDYES);
    Click(IDC_START);

    ASSERT_EQ(1, boxes.Count());
    EXPECT_EQ(kStartQuestion, boxes.Text(0));
    EXPECT_EQ(static_cast<UINT>(MB_YESNO | MB_ICONQUESTION), boxes.Boxes()[0].type);
    EXPECT_EQ("img1.jpg", Content("img2.jpg"));
    EXPECT_EQ("img2.jpg", Content("img3.jpg"));
    EXPECT_EQ("img3.jpg", Content("img4.jpg"));
    EXPECT_FALSE(TempDir::Exists(files / "img1.jpg"));
    EXPECT_EQ("img2.jpg,img3.jpg,img4.jpg", RowNames());
    EXPECT_TRUE(dlg->IsWindowEnabled());
    EXPECT_EQ(nullptr, g_pProgressDlg);
    // The base name went into its history.
    ASSERT_EQ(1, dlg->m_comboFileName.GetCount());
    EXPECT_EQ("img", Text(IDC_FILE_NAME));
}

TEST_F(OrdovanRunTest, NoMeansNoRun) {
    ListImages();
    MessageBoxCapture boxes(IDNO);
    Click(IDC_START);
    EXPECT_EQ(1, boxes.Count());
    EXPECT_EQ("img1.jpg,img2.jpg,img3.jpg", RowNames());
    EXPECT_TRUE(TempDir::Exists(files / "img1.jpg"));
    EXPECT_EQ(0, dlg->m_comboFileName.GetCount());
}

TEST_F(OrdovanRunTest, FailedFilesAreReportedInOneBox) {
    ListImages();
    TypeStartNumber("0");
    MessageBoxCapture boxes(IDYES);
    // The check sees both clashes first; No runs as before, and they fail.
    boxes.QueueAnswers({IDYES, IDNO});
    Click(IDC_START);

    ASSERT_EQ(3, boxes.Count());
    EXPECT_EQ(static_cast<UINT>(MB_YESNOCANCEL | MB_ICONEXCLAMATION), boxes.Boxes()[1].type);
    EXPECT_EQ(0u, boxes.Text(1).find("2 個のファイルは、このままでは名前を変更できません。\n\n" + (files / "img3.jpg") +
                                     "（同じ名前のファイルがあります）\n" + (files / "img2.jpg")));
    EXPECT_EQ(std::string(kReportHead) + (files / "img3.jpg") + "\n" + (files / "img2.jpg") + "\n", boxes.Text(2));
    EXPECT_EQ(static_cast<UINT>(MB_OK), boxes.Boxes()[2].type);
    EXPECT_EQ("img1.jpg", Content("img0.jpg"));
    EXPECT_EQ("img2.jpg", Content("img2.jpg"));
    EXPECT_EQ("img3.jpg", Content("img3.jpg"));
    EXPECT_EQ("img0.jpg,img2.jpg,img3.jpg", RowNames());
}

TEST_F(OrdovanRunTest, CancelAtTheCheckTouchesNothing) {
    ListImages();
    TypeStartNumber("0");
    MessageBoxCapture boxes(IDYES);
    boxes.QueueAnswers({IDYES, IDCANCEL});
    Click(IDC_START);

    EXPECT_EQ(2, boxes.Count());  // no report
    for (const char* name : {"img1.jpg", "img2.jpg", "img3.jpg"}) EXPECT_EQ(name, Content(name));
    EXPECT_EQ("img1.jpg,img2.jpg,img3.jpg", RowNames());
    EXPECT_TRUE(dlg->IsWindowEnabled());
}

TEST_F(OrdovanRunTest, TheDigitsAndTheOwnNamesMakeTheNewNames) {
    ListImages();
    SetCheck(IDC_RENAME_FILE, false);
    ChooseDigits(3);
    TypeStartNumber("8");
    dlg->m_bMsgContinueStart = false;
    MessageBoxCapture boxes;
    Click(IDC_START);
    EXPECT_EQ(0, boxes.Count());
    EXPECT_EQ("img1008.jpg,img2009.jpg,img3010.jpg", RowNames());
    EXPECT_TRUE(TempDir::Exists(files / "img3010.jpg"));
}

TEST_F(OrdovanRunTest, TheCopyOptionRenamesCopiesInTheDestination) {
    const std::string out = files.MakeDir("Out");
    ListImages();
    TypeStartNumber("1");
    dlg->SetDlgItemText(IDC_MOVE_FOLDER, out.c_str());
    SetCheck(IDC_MOVE_RENAME, true);
    TypeFileName("copy");
    MessageBoxCapture boxes(IDYES);
    Click(IDC_START);

    EXPECT_EQ(1, boxes.Count());
    EXPECT_EQ("img1.jpg", TempDir::ReadFile(out + "\\copy1.jpg"));
    EXPECT_EQ("img3.jpg", TempDir::ReadFile(out + "\\copy3.jpg"));
    EXPECT_TRUE(TempDir::Exists(files / "img1.jpg"));
    EXPECT_EQ(out, std::string(dlg->m_listCtrl.GetItemText(0, 2)));
    EXPECT_EQ("copy1.jpg,copy2.jpg,copy3.jpg", RowNames());
}

TEST_F(OrdovanRunTest, AnEmptyListRunsWithoutReport) {
    Open();
    MessageBoxCapture boxes(IDYES);
    Click(IDC_START);
    EXPECT_EQ(1, boxes.Count());
    EXPECT_TRUE(Rows().empty());
    EXPECT_TRUE(dlg->IsWindowEnabled());
}

TEST_F(OrdovanRunTest, ARefusedStartNumberStopsTheRun) {
    ListImages();
    TypeStartNumber("99999999999");
    MessageBoxCapture boxes(IDYES);
    Click(IDC_START);
    ASSERT_EQ(2, boxes.Count());
    EXPECT_EQ("整数を入力してください。", boxes.Text(1));
    EXPECT_EQ("img1.jpg,img2.jpg,img3.jpg", RowNames());
    EXPECT_TRUE(TempDir::Exists(files / "img1.jpg"));
}

TEST_F(OrdovanRunTest, ASecondRunStartsFromTheNamesTheFirstLeft) {
    ListImages();
    TypeStartNumber("2");
    MessageBoxCapture boxes(IDYES);
    Click(IDC_START);
    TypeStartNumber("5");
    Click(IDC_START);
    EXPECT_EQ("img5.jpg,img6.jpg,img7.jpg", RowNames());
    EXPECT_EQ("img1.jpg", Content("img5.jpg"));

    // The renamed files are the listed ones: a search adds nothing.
    Click(IDC_SEARCH_ADD);
    EXPECT_EQ("img5.jpg,img6.jpg,img7.jpg", RowNames());
}

#endif
