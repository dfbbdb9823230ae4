// The look ahead before a run: real folders, the list's new names, and
// what the check finds without touching a file.
#include <gtest/gtest.h>

#include "FileItemList.h"
#include "RunCheck.h"
#include "TempDir.h"

#include <string>
#include <vector>

namespace {

class RunCheckTest : public ::testing::Test {
protected:
    // Lists the named files of folder (made when make is set) in this order.
    void List(const std::string& folder, const std::vector<std::string>& names, bool make = true) {
        for (const std::string& name : names) {
            if (make) dir.WriteFile(folder.substr(dir.Path().size() + 1) + "\\" + name, name);
            CFileItem found;
            found.m_strFolder = folder.c_str();
            found.m_strName = name.c_str();
            list.Add(&found);
        }
    }
    void Name(const char* base, int start) { list.MakeNewNames(base, 0, start, true); }
    // "path（reason）" of each problem, in run order.
    std::vector<std::string> Found() const {
        std::vector<std::string> found;
        for (const RunProblem& problem : check.Problems())
            found.push_back(std::string(problem.path) + "（" + std::string(problem.reason) + "）");
        return found;
    }

    TempDir dir;
    CFileItemList list;
    CRunCheck check;
};

TEST_F(RunCheckTest, NamesMovingUpwardOrToFreeNamesFindNothing) {
    const std::string in = dir.MakeDir("In");
    List(in, {"img1.jpg", "img2.jpg", "img3.jpg"});
    Name("img", 2);
    EXPECT_EQ(0, check.Examine(list.m_list, ""));
    EXPECT_EQ(CRunCheck::RUN_AS_IS, check.Ask());  // no box: the test guard fails on one
    Name("IMG", 1);                                // letter case only
    EXPECT_EQ(0, check.Examine(list.m_list, ""));
}

TEST_F(RunCheckTest, ClashesWithListedNamesOnlyCanGoThroughTemporaryNames) {
    const std::string in = dir.MakeDir("In");
    List(in, {"img1.jpg", "img2.jpg", "img3.jpg", "other.png"});
    Name("img", 0);  // img0, img1, img2 (.jpg), img3.png
    ASSERT_EQ(2, check.Examine(list.m_list, ""));
    EXPECT_EQ((std::vector<std::string>{in + "\\img3.jpg（同じ名前のファイルがあります）",
                                        in + "\\img2.jpg（同じ名前のファイルがあります）"}),
              Found());
    EXPECT_TRUE(check.OnlyListedClashes());
    EXPECT_NE(std::string::npos, std::string(check.Message()).find("キャンセル"));
    // Only the files whose names others take make way; the names are new.
    ASSERT_EQ(4u, check.SafeSteps().size());
    std::vector<std::string> temps;
    for (const SafeStep& step : check.SafeSteps()) temps.push_back(std::string(step.tempName));
    EXPECT_EQ((std::vector<std::string>{"", "", "~ordovan-1.tmp", "~ordovan-2.tmp"}), temps);
    EXPECT_EQ(L"img3.png", check.SafeSteps()[0].target);
}

TEST_F(RunCheckTest, EveryOtherFailureIsFoundWithItsReason) {
    const std::string in = dir.MakeDir("In");
    const std::string out = dir.MakeDir("Out");
    dir.WriteFile("In\\new2.txt", "not listed");
    dir.WriteFile("Out\\d.txt", "in the destination");
    const std::string deep = dir.MakeDir("In\\" + std::string(200, 'f'));
    List(in, {"a.txt", "b.txt"});
    List(in, {"gone.txt"}, false);
    List(deep, {"long.txt"});
    List(in, {"d.txt", "e.txt"});
    Name("new", 1);
    // Two files meet on one name; one name is a device's.
    static_cast<CFileItem*>(list.m_list.GetTail())->m_strNewName = "new5.txt";
    static_cast<CFileItem*>(list.m_list.GetHead())->m_strNewName = "con.txt";
    // A new name that takes the path past 259 bytes.
    static_cast<CFileItem*>(list.m_list.GetAt(list.m_list.FindIndex(3)))->m_strNewName = CString('n', 40) + ".txt";

    ASSERT_EQ(5, check.Examine(list.m_list, ""));
    EXPECT_EQ((std::vector<std::string>{
                  in + "\\d.txt（ほかのファイルと同じ名前になります）", deep + "\\long.txt（パスが長すぎます）",
                  in + "\\gone.txt（ファイルがありません）", in + "\\b.txt（同じ名前のファイルがあります）",
                  in + "\\a.txt（使用できない名前です）"}),
              Found());
    EXPECT_FALSE(check.OnlyListedClashes());
    EXPECT_TRUE(check.SafeSteps().empty());

    // Copies: the destination holds d.txt already.
    Name("x", 1);
    check.Examine(list.m_list, out.c_str());
    EXPECT_EQ(in + "\\d.txt（コピー先に同じ名前のファイルがあります）", Found().front());
    check.Examine(list.m_list, (in + "\\nowhere").c_str());
    EXPECT_EQ(6u, check.Problems().size());
    EXPECT_EQ(std::string("コピー先のフォルダがありません"), std::string(check.Problems()[0].reason));
}

TEST_F(RunCheckTest, TheMessageListsTenAndCountsAll) {
    const std::string in = dir.MakeDir("In");
    std::vector<std::string> names;
    for (int i = 1; i <= 12; ++i) names.push_back("f" + std::to_string(i) + ".txt");
    List(in, names);
    Name("f", 0);
    ASSERT_EQ(11, check.Examine(list.m_list, ""));
    const std::string message(check.Message());
    EXPECT_EQ(0u, message.find("11 個のファイルは"));
    EXPECT_NE(std::string::npos, message.find("f3.txt（"));
    EXPECT_EQ(std::string::npos, message.find("f2.txt（"));  // the eleventh
    EXPECT_NE(std::string::npos, message.find("その他多数・・・"));
}

}  // namespace
