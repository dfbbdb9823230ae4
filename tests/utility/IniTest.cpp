// Tests of the INI access functions: spellings of the value kinds, per-computer
// keys, cut-off lengths, numbered lists and damaged files.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "ImportPatch.h"
#include "MessageBoxCapture.h"
#include "TempDir.h"
#include "Vokit.h"

namespace {

// The numbered-list functions as the platform's single-key calls carry them
// out; what the library stores must match their result byte for byte.
void DeleteKeyByKey(const char* section, const char* file) {
    char buffer[1024];
    for (int n = 0;; ++n) {
        const std::string key = std::to_string(n);
        if (GetPrivateProfileStringA(section, key.c_str(), "", buffer, sizeof buffer, file) == 0) break;
        WritePrivateProfileStringA(section, key.c_str(), nullptr, file);
    }
}

void WriteKeyByKey(const char* section, const std::vector<std::string>& items, const char* file) {
    DeleteKeyByKey(section, file);
    for (size_t i = 0; i < items.size(); ++i)
        WritePrivateProfileStringA(section, std::to_string(i).c_str(), items[i].c_str(), file);
}

CStringArray ArrayOf(const std::vector<std::string>& items) {
    CStringArray array;
    for (const std::string& item : items) array.Add(item.c_str());
    return array;
}

// Vokit's calls of the platform's profile writers, counted.
int g_profileWrites = 0;
BOOL WINAPI CountedWriteString(LPCSTR section, LPCSTR key, LPCSTR value, LPCSTR file) {
    ++g_profileWrites;
    return WritePrivateProfileStringA(section, key, value, file);
}
BOOL WINAPI CountedWriteSection(LPCSTR section, LPCSTR lines, LPCSTR file) {
    ++g_profileWrites;
    return WritePrivateProfileSectionA(section, lines, file);
}

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

TEST_F(IniTest, ListsAreStoredAsKeyByKeyWritesStoreThem) {
    const char* starts[] = {
        nullptr,           // no file
        "[A]\r\nx=1\r\n",  // no such section
        "[A]\r\nx=1\r\n[H]\r\n0=old0\r\n1=old1\r\n2=old2\r\n3=old3\r\n[Z]\r\nz=1\r\n",
        "[H]\r\nOther=o\r\n0=a\r\n1=\r\n2=behind the gap\r\n0=second zero\r\n",
        "[H]\r\n0=\"quoted\"\r\n1=\"\"\r\n2=behind\r\n",
        "[H]\r\n  0 =  spaced  \r\n1=表示\r\n2='single'\r\n",
    };
    const std::vector<std::string> lists[] = {
        {}, {"new"}, {"n0", "n1", "n2", "n3", "n4"}, {" padded ", "\"q\"", "ソ\\", "a=b", "\ttabs\t"}};
    const std::string reference = m_dir / "reference.ini";
    for (const char* start : starts) {
        for (const auto& list : lists) {
            const std::string what = std::string(start ? start : "(none)") + " + " + std::to_string(list.size());
            for (const std::string& path : {reference, m_file}) {
                DeleteFileA(path.c_str());
                if (start) m_dir.WriteFile(path.substr(m_dir.Path().size() + 1), start);
            }
            WriteKeyByKey("H", list, reference.c_str());
            EXPECT_TRUE(_WriteIniContinue("H", ArrayOf(list), File())) << what;
            EXPECT_EQ(TempDir::ReadFile(reference), FileText()) << what;

            DeleteKeyByKey("H", reference.c_str());
            EXPECT_TRUE(_DeleteIniContinue("H", File())) << what;
            EXPECT_EQ(TempDir::ReadFile(reference), FileText()) << what;
        }
    }
}

TEST_F(IniTest, LongListsAreRewrittenWithOneWriteOfTheirSection) {
    ImportPatch writeString("Vokit.dll", "WritePrivateProfileStringA", reinterpret_cast<void*>(&CountedWriteString));
    ImportPatch writeSection("Vokit.dll", "WritePrivateProfileSectionA", reinterpret_cast<void*>(&CountedWriteSection));
    ASSERT_TRUE(writeString.IsActive() || writeSection.IsActive());

    // More than the first listing buffer holds.
    std::vector<std::string> items;
    for (int i = 0; i < 3000; ++i) items.push_back("C:\\写真\\フォルダ " + std::to_string(i) + "\\サブ");
    _WriteIni("Before", "k", "v", File(), false);
    g_profileWrites = 0;
    EXPECT_TRUE(_WriteIniContinue("H", ArrayOf(items), File()));
    EXPECT_EQ(1, g_profileWrites);

    items.resize(2000);
    items[0] = "front";
    g_profileWrites = 0;
    EXPECT_TRUE(_WriteIniContinue("H", ArrayOf(items), File()));
    EXPECT_EQ(1, g_profileWrites);
    EXPECT_EQ("<missing>", Raw("H", "2000"));

    CStringArray read;
    _ReadIniContinue("H", &read, File());
    ASSERT_EQ(2000, read.GetSize());
    EXPECT_EQ("front", std::string(read[0]));
    EXPECT_EQ(items[1999], std::string(read[1999]));

    g_profileWrites = 0;
    EXPECT_TRUE(_DeleteIniContinue("H", File()));
    EXPECT_TRUE(_DeleteIniContinue("H", File()));
    EXPECT_EQ(1, g_profileWrites) << "nothing left to delete: no write";
    EXPECT_EQ("v", Raw("Before", "k"));
}

TEST_F(IniTest, NamesAndValuesThePlatformCannotTakeAreRefused) {
    const std::string huge(32768, 's');
    const std::string tooLong(256, 'k');
    const std::string longest(255, 'k');
    _WriteIni("S", "Key", "kept", File(), false);
    const std::string before = FileText();

    EXPECT_FALSE(_WriteIni(huge.c_str(), "Key", "v", File(), false));
    EXPECT_FALSE(_WriteIni("S", huge.c_str(), "v", File(), false));
    EXPECT_FALSE(_WriteIni("S", tooLong.c_str(), "v", File(), false));
    EXPECT_FALSE(_WriteIni("S", longest.c_str(), "v", File(), true)) << "too long with the computer's name";
    EXPECT_FALSE(_WriteIniNum("S", tooLong.c_str(), 1, File(), false));
    EXPECT_FALSE(_WriteIniBool(tooLong.c_str(), "Key", true, File(), false));
    EXPECT_TRUE(_WriteIniRect("S", longest.c_str(), nullptr, File(), false));
    RECT rect = {1, 2, 3, 4};
    EXPECT_TRUE(_WriteIniRect("S", std::string(250, 'r').c_str(), &rect, File(), false)) << "always true, no side";
    // A value the platform cannot convert would delete the key and report success.
    EXPECT_FALSE(_WriteIni("S", "Key", std::string(32767, 'v').c_str(), File(), false));
    const std::string longFile = m_dir / (std::string(200, 'd') + "\\" + std::string(100, 'f') + ".ini");
    EXPECT_FALSE(_WriteIni("S", "Key", "v", longFile.c_str(), false));
    EXPECT_FALSE(_WriteIni("S", "Key", "v", "", false)) << "an empty file name names no file";
    EXPECT_EQ(before, FileText());

    EXPECT_TRUE(_WriteIni("S", longest.c_str(), "longest", File(), false));
    EXPECT_EQ("longest", std::string(_ReadIni("S", longest.c_str(), "", File(), false)));
    EXPECT_TRUE(_WriteIni("S", "Long", std::string(32766, 'v').c_str(), File(), false));

    // Reads with such names give the default, cut to the buffer.
    EXPECT_EQ("dflt", std::string(_ReadIni(huge.c_str(), "Key", "dflt", File(), false)));
    EXPECT_EQ("dflt", std::string(_ReadIni("S", huge.c_str(), "dflt", File(), false)));
    EXPECT_EQ("dflt", std::string(_ReadIni("S", "Key", "dflt", longFile.c_str(), false)));
    EXPECT_EQ("dflt", std::string(_ReadIni("S", "Key", "dflt", "", false)));
    EXPECT_EQ(0, _ReadIniNum("S", huge.c_str(), File(), false));
    EXPECT_TRUE(_ReadIniBool("S", huge.c_str(), true, File(), false));
    RECT back = {9, 9, 9, 9};
    _ReadIniRect("S", huge.c_str(), &back, File(), false);
    EXPECT_EQ(0, back.left + back.top + back.right + back.bottom);
    char buffer[8];
    memset(buffer, '#', sizeof buffer);
    EXPECT_EQ(4, _ReadIni("S", huge.c_str(), File(), buffer, 6, "表示ソフト", false)) << "cut on a character boundary";
    EXPECT_STREQ("表示", buffer);
    EXPECT_EQ("##", std::string(buffer + 6, 2));
    const std::string hugeDefault(40000, 'd');
    EXPECT_EQ(1023u, strlen(_ReadIni("S", "Missing", hugeDefault.c_str(), File(), false)));

    // Numbered lists: such a section stores and reads nothing; an element
    // that cannot be stored fails the write, the others are written.
    EXPECT_FALSE(_WriteIniContinue(huge.c_str(), ArrayOf({"a"}), File()));
    EXPECT_TRUE(_DeleteIniContinue(huge.c_str(), File()));
    CStringArray read;
    _ReadIniContinue(huge.c_str(), &read, File());
    EXPECT_EQ(0, read.GetSize());
    EXPECT_FALSE(_WriteIniContinue("L", ArrayOf({"a", std::string(32767, 'x'), "c"}), File()));
    EXPECT_EQ("a", Raw("L", "0"));
    EXPECT_EQ("<missing>", Raw("L", "1"));
    EXPECT_EQ("c", Raw("L", "2"));
}

TEST_F(IniTest, ADoubleByteCharacterCutByTheBufferIsLeftOutWhole) {
    const std::string value = std::string(1022, 'a') + "表";
    _WriteIni("C", "Key", value.c_str(), File(), false);
    CString read = _ReadIni("C", "Key", "", File(), false);
    EXPECT_EQ(1022, read.GetLength());
    EXPECT_EQ(strlen(read), static_cast<size_t>(read.GetLength()));

    _WriteIni("C", "Short", "aa表", File(), false);
    char buffer[4];
    EXPECT_EQ(2, _ReadIni("C", "Short", File(), buffer, sizeof buffer, "", false));
    EXPECT_STREQ("aa", buffer);

    CStringArray list;
    list.Add((std::string(510, 'b') + "表").c_str());
    _WriteIniContinue("CL", list, File());
    CStringArray back;
    _ReadIniContinue("CL", &back, File());
    ASSERT_EQ(1, back.GetSize());
    EXPECT_EQ(std::string(510, 'b'), std::string(back[0]));
}

}  // namespace
