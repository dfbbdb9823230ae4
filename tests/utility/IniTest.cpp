// Tests of the INI access functions: spellings of the value kinds, per-computer
// keys, cut-off lengths, numbered lists and damaged files.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "MessageBoxCapture.h"
#include "TempDir.h"
#include "Vokit.h"

namespace {

class IniTest : public ::testing::Test {
protected:
    const char* File() const { return m_file.c_str(); }
    // The value stored under exactly this key (no computer prefix).
    std::string Raw(const char* section, const char* key) const {
        return std::string(_ReadIni(section, key, "<missing>", File(), false));
    }
    // The key a per-computer value of this computer is stored under.
    static std::string PcKey(const char* key) { return std::string(_GetComputerName()) + "_" + key; }
    std::string FileText() const { return TempDir::ReadFile(m_file); }

    TempDir m_dir;
    std::string m_file = m_dir / "test.ini";
};

TEST_F(IniTest, StringsRoundTripIncludingDoubleByteTexts) {
    // 表 and ソ end in the byte 0x5C, which must survive unchanged.
    const char* japanese = "表示ソフト\\サンプル";
    EXPECT_TRUE(_WriteIni("Main", "Plain", "hello world", File(), false));
    EXPECT_TRUE(_WriteIni("Main", "Japanese", japanese, File(), false));
    EXPECT_EQ("hello world", std::string(_ReadIni("Main", "Plain", "x", File(), false)));
    EXPECT_EQ(japanese, std::string(_ReadIni("Main", "Japanese", "x", File(), false)));
    EXPECT_EQ("fallback", std::string(_ReadIni("Main", "Missing", "fallback", File(), false)));
    EXPECT_EQ("", std::string(_ReadIni("Main", "Missing", nullptr, File(), false)));

    char buffer[64];
    EXPECT_EQ(11, _ReadIni("Main", "Plain", File(), buffer, sizeof buffer, "", false));
    EXPECT_STREQ("hello world", buffer);
    EXPECT_EQ(0, _ReadIni("Nowhere", "Plain", File(), buffer, sizeof buffer, "", false));
    EXPECT_STREQ("", buffer);
}

TEST_F(IniTest, BoolsAreSpelledTrueAndFalseAndOnlyExactTrueReadsTrue) {
    EXPECT_TRUE(_WriteIniBool("B", "On", true, File(), false));
    EXPECT_TRUE(_WriteIniBool("B", "Off", false, File(), false));
    EXPECT_EQ("TRUE", Raw("B", "On"));
    EXPECT_EQ("FALSE", Raw("B", "Off"));
    EXPECT_TRUE(_ReadIniBool("B", "On", false, File(), false));
    EXPECT_FALSE(_ReadIniBool("B", "Off", true, File(), false));

    for (const char* other : {"true", "True", "1", "yes", "TRUE1"}) {
        _WriteIni("B", "Other", other, File(), false);
        EXPECT_FALSE(_ReadIniBool("B", "Other", true, File(), false)) << other;
    }
    _WriteIni("B", "Empty", "", File(), false);
    EXPECT_TRUE(_ReadIniBool("B", "Empty", true, File(), false));
    EXPECT_FALSE(_ReadIniBool("B", "Empty", false, File(), false));
    EXPECT_TRUE(_ReadIniBool("B", "Missing", true, File(), false));
}

TEST_F(IniTest, NumbersReadTheLeadingSignedDecimal) {
    EXPECT_TRUE(_WriteIniNum("N", "Neg", -42, File(), false));
    EXPECT_EQ("-42", Raw("N", "Neg"));
    EXPECT_EQ(-42, _ReadIniNum("N", "Neg", File(), false));
    _WriteIniNum("N", "Min", INT_MIN, File(), false);
    _WriteIniNum("N", "Max", INT_MAX, File(), false);
    EXPECT_EQ(INT_MIN, _ReadIniNum("N", "Min", File(), false));
    EXPECT_EQ(INT_MAX, _ReadIniNum("N", "Max", File(), false));

    struct {
        const char* text;
        int expected;
    } cases[] = {
        {"123abc", 123},          {"+7", 7}, {"", 0}, {"abc", 0}, {"-", 0}, {"12 34", 12}, {"99999999999", INT_MAX},
        {"-99999999999", INT_MIN}};
    for (const auto& c : cases) {
        _WriteIni("N", "Text", c.text, File(), false);
        EXPECT_EQ(c.expected, _ReadIniNum("N", "Text", File(), false)) << c.text;
    }
    EXPECT_EQ(0, _ReadIniNum("N", "Missing", File(), false));
}

TEST_F(IniTest, RectanglesUseFourSideKeys) {
    RECT written = {-10, 20, 300, 400};
    EXPECT_TRUE(_WriteIniRect("R", "Win", &written, File(), false));
    EXPECT_EQ("20", Raw("R", "Win_top"));
    EXPECT_EQ("400", Raw("R", "Win_bottom"));
    EXPECT_EQ("-10", Raw("R", "Win_left"));
    EXPECT_EQ("300", Raw("R", "Win_right"));

    RECT read = {1, 2, 3, 4};
    _ReadIniRect("R", "Win", &read, File(), false);
    EXPECT_EQ(-10, read.left);
    EXPECT_EQ(20, read.top);
    EXPECT_EQ(300, read.right);
    EXPECT_EQ(400, read.bottom);

    // Only left and right stored: top and bottom come back 0, not as they were.
    _WriteIni("R", "Half_left", "5", File(), false);
    _WriteIni("R", "Half_right", "6", File(), false);
    RECT half = {9, 9, 9, 9};
    _ReadIniRect("R", "Half", &half, File(), false);
    EXPECT_EQ(5, half.left);
    EXPECT_EQ(6, half.right);
    EXPECT_EQ(0, half.top);
    EXPECT_EQ(0, half.bottom);

    _ReadIniRect("R", "Win", nullptr, File(), false);  // no crash
    EXPECT_TRUE(_WriteIniRect("R", "Null", nullptr, File(), false)) << "always true, writes nothing";
    EXPECT_EQ(std::string::npos, FileText().find("Null_"));
}

TEST_F(IniTest, PerComputerValuesAreKeptApart) {
    ASSERT_FALSE(_GetComputerName().IsEmpty());
    _WriteIni("S", "Start", "mine", File(), true);
    _WriteIniNum("S", "Count", 5, File(), true);
    EXPECT_EQ("mine", Raw("S", PcKey("Start").c_str()));
    EXPECT_EQ("<missing>", Raw("S", "Start"));
    EXPECT_EQ("mine", std::string(_ReadIni("S", "Start", "", File(), true)));
    EXPECT_EQ(5, _ReadIniNum("S", "Count", File(), true));

    // Another computer sharing the file writes under its own prefix; this
    // computer does not see it, and the other does not see ours.
    _WriteIni("S", "OTHER-PC-XYZ_Only", "theirs", File(), false);
    EXPECT_EQ("dflt", std::string(_ReadIni("S", "Only", "dflt", File(), true)));
    EXPECT_EQ("<missing>", Raw("S", "OTHER-PC-XYZ_Start"));

    // A per-computer write without a key must not wipe the shared section.
    EXPECT_FALSE(_WriteIni("S", nullptr, "x", File(), true));
    EXPECT_EQ("theirs", Raw("S", "OTHER-PC-XYZ_Only"));

    RECT rect = {1, 2, 3, 4};
    _WriteIniRect("S", "DialogRect", &rect, File(), true);
    EXPECT_EQ("2", Raw("S", PcKey("DialogRect_top").c_str()));
    RECT back = {};
    _ReadIniRect("S", "DialogRect", &back, File(), true);
    EXPECT_EQ(4, back.bottom);
    _ReadIniRect("S", "DialogRect", &back, File(), false);
    EXPECT_EQ(0, back.bottom);
}

TEST_F(IniTest, LongValuesAreCutAt1023Bytes) {
    std::string exact(1023, 'a');
    std::string longer = std::string(1023, 'b') + "X";
    _WriteIni("L", "Exact", exact.c_str(), File(), false);
    _WriteIni("L", "Longer", longer.c_str(), File(), false);
    EXPECT_EQ(exact, std::string(_ReadIni("L", "Exact", "", File(), false)));
    EXPECT_EQ(longer.substr(0, 1023), std::string(_ReadIni("L", "Longer", "", File(), false)));
}

TEST_F(IniTest, BufferFormNeverWritesPastItsSize) {
    _WriteIni("L", "Key", "0123456789", File(), false);
    for (int size : {1, 2, 10, 11, 12}) {
        char buffer[32];
        memset(buffer, '#', sizeof buffer);
        int got = _ReadIni("L", "Key", File(), buffer, size, "", false);
        int expected = size - 1 < 10 ? size - 1 : 10;
        EXPECT_EQ(expected, got) << size;
        EXPECT_EQ(std::string("0123456789").substr(0, expected), std::string(buffer)) << size;
        for (int i = size; i < static_cast<int>(sizeof buffer); ++i) ASSERT_EQ('#', buffer[i]) << size;
    }
    char guard = '#';
    EXPECT_EQ(0, _ReadIni("L", "Key", File(), &guard, 0, "", false));
    EXPECT_EQ('#', guard);
    EXPECT_EQ(0, _ReadIni("L", "Key", File(), nullptr, 10, "", false));
}

TEST_F(IniTest, NumberedListsRoundTripAndAppend) {
    CStringArray items;
    items.Add("C:\\first");
    items.Add("二番目");
    items.Add("third");
    EXPECT_TRUE(_WriteIniContinue("List", items, File()));
    EXPECT_EQ("C:\\first", Raw("List", "0"));
    EXPECT_EQ("third", Raw("List", "2"));

    CStringArray read;
    read.Add("already");
    _ReadIniContinue("List", &read, File());
    ASSERT_EQ(4, read.GetSize());
    EXPECT_EQ("already", std::string(read[0]));
    EXPECT_EQ("二番目", std::string(read[2]));
    EXPECT_EQ("third", std::string(read[3]));

    // A shorter list leaves no stale keys of the longer one.
    CStringArray shorter;
    shorter.Add("only");
    EXPECT_TRUE(_WriteIniContinue("List", shorter, File()));
    EXPECT_EQ("<missing>", Raw("List", "1"));
    EXPECT_EQ("<missing>", Raw("List", "2"));

    // An empty array only deletes.
    EXPECT_TRUE(_WriteIniContinue("List", CStringArray(), File()));
    EXPECT_EQ("<missing>", Raw("List", "0"));
    _ReadIniContinue("List", nullptr, File());  // no crash
}

TEST_F(IniTest, EmptyListElementEndsReadingAndDeleting) {
    CStringArray items;
    items.Add("a");
    items.Add("");
    items.Add("c");
    EXPECT_TRUE(_WriteIniContinue("Gap", items, File()));
    CStringArray read;
    _ReadIniContinue("Gap", &read, File());
    ASSERT_EQ(1, read.GetSize());
    EXPECT_EQ("a", std::string(read[0]));

    EXPECT_TRUE(_DeleteIniContinue("Gap", File()));
    EXPECT_EQ("<missing>", Raw("Gap", "0"));
    EXPECT_EQ("c", Raw("Gap", "2"));  // behind the gap, left in the file
}

TEST_F(IniTest, ListElementsAreCutAt511Bytes) {
    CStringArray items;
    items.Add(CString('x', 511));
    items.Add(CString('y', 512));
    _WriteIniContinue("Long", items, File());
    CStringArray read;
    _ReadIniContinue("Long", &read, File());
    ASSERT_EQ(2, read.GetSize());
    EXPECT_EQ(511, read[0].GetLength());
    EXPECT_EQ(std::string(511, 'y'), std::string(read[1]));
}

TEST_F(IniTest, NullSectionDoesNotLoopOverSectionNames) {
    _WriteIni("One", "0", "a", File(), false);
    CStringArray read;
    _ReadIniContinue(nullptr, &read, File());
    EXPECT_EQ(0, read.GetSize());
    EXPECT_TRUE(_DeleteIniContinue(nullptr, File())) << "always true, deletes nothing";
    EXPECT_FALSE(_WriteIniContinue(nullptr, read, File()));
    EXPECT_EQ("a", Raw("One", "0"));
}

TEST_F(IniTest, GarbageFilesGiveDefaults) {
    std::string garbage;
    for (int i = 0; i < 4096; ++i) garbage += static_cast<char>((i * 7919 + 13) % 256);
    m_dir.WriteFile("test.ini", garbage);
    EXPECT_EQ("dflt", std::string(_ReadIni("Main", "Key", "dflt", File(), false)));
    EXPECT_EQ(0, _ReadIniNum("Main", "Key", File(), false));
    EXPECT_TRUE(_ReadIniBool("Main", "Key", true, File(), true));
    CStringArray read;
    _ReadIniContinue("Main", &read, File());
    EXPECT_EQ(0, read.GetSize());

    static const char damaged[] = "\xFF\xFE\x00\x01[Main]\r\n=\r\n[\r\n\x81\r\n";
    m_dir.WriteFile("test.ini", std::string(damaged, sizeof damaged - 1));
    EXPECT_EQ("dflt", std::string(_ReadIni("Main", "Key", "dflt", File(), false)));
}

TEST_F(IniTest, InvalidShiftJisBytesReadBackBounded) {
    // A lone lead byte at the end, a lead byte with an invalid second byte
    // and bytes that are no character at all.
    const char* values[] = {"ab\x81", "ab\x81\x20z", "\xFF\xFD\x80", "ok\xA0"};
    std::string text = "[Bad]\r\n";
    for (int i = 0; i < 4; ++i) text += "v" + std::to_string(i) + "=" + values[i] + "\r\n";
    m_dir.WriteFile("test.ini", text);
    for (int i = 0; i < 4; ++i) {
        std::string key = "v" + std::to_string(i);
        char buffer[8];
        memset(buffer, '#', sizeof buffer);
        int got = _ReadIni("Bad", key.c_str(), File(), buffer, 6, "", false);
        EXPECT_TRUE(got > 0 && got <= 5 && static_cast<size_t>(got) == strlen(buffer)) << key << ": " << got;
        EXPECT_EQ("##", std::string(buffer + 6, 2)) << key;
        CString value = _ReadIni("Bad", key.c_str(), "", File(), false);
        EXPECT_EQ(static_cast<size_t>(value.GetLength()), strlen(value)) << key;
    }
    EXPECT_EQ(0, strncmp("ab", _ReadIni("Bad", "v0", "", File(), false), 2));
}

}  // namespace
