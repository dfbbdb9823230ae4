// Tests of CGroupList (adding, lookups, name lists, text export) and of the
// archive forms of CGroupData and CGroupList.
#include "Vokit.h"

#include "MessageBoxCapture.h"
#include "TempDir.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <vector>

// Another serialisable class, for archives that hold something else.
class CForeignRecord : public CObject {
    DECLARE_SERIAL(CForeignRecord)
public:
    void Serialize(CArchive& ar) override {
        if (ar.IsStoring())
            ar << m_value;
        else
            ar >> m_value;
    }
    DWORD m_value = 7;
};
IMPLEMENT_SERIAL(CForeignRecord, CObject, 1)

namespace {

using Bytes = std::vector<BYTE>;
using Strings = std::vector<std::string>;

CGroupData Record(const char* group1, const char* group2, const char* group3, unsigned long color = 0) {
    CGroupData data;
    data.m_strGroup1 = group1;
    data.m_strGroup2 = group2;
    data.m_strGroup3 = group3;
    data.m_color = color;
    return data;
}

// "g1|g2|g3#colour" of every record, head first.
Strings Contents(const CGroupList& list) {
    Strings contents;
    for (POSITION pos = list.m_list.GetHeadPosition(); pos;) {
        const CGroupData* data = list.m_list.GetNext(pos);
        contents.push_back(std::string(data->GetGroup1()) + "|" + std::string(data->GetGroup2()) + "|" +
                           std::string(data->GetGroup3()) + "#" + std::to_string(data->GetColor()));
    }
    return contents;
}

Strings Items(const CStringArray& array) {
    Strings items;
    for (int i = 0; i < array.GetSize(); ++i) items.push_back(static_cast<const char*>(array.GetAt(i)));
    return items;
}

template <class T>
Bytes Store(T& object) {
    CMemFile file;
    CArchive ar(&file, CArchive::store);
    object.Serialize(ar);
    ar.Close();
    return file.GetBytes();
}

// Loads object from bytes; true when CArchiveException was raised.
template <class T>
bool LoadRaises(T& object, const Bytes& bytes) {
    CMemFile file(bytes.data(), static_cast<UINT>(bytes.size()));
    CArchive ar(&file, CArchive::load);
    try {
        object.Serialize(ar);
    } catch (CArchiveException* e) {
        e->Delete();
        return true;
    }
    return false;
}

Bytes Concat(std::initializer_list<Bytes> parts) {
    Bytes all;
    for (const Bytes& part : parts) all.insert(all.end(), part.begin(), part.end());
    return all;
}

// New-class tag, schema 100, name; for a later object the class reference.
const Bytes kClassRecord = {0xFF, 0xFF, 0x64, 0x00, 0x0A, 0x00, 'C', 'G', 'r', 'o', 'u', 'p', 'D', 'a', 't', 'a'};
const Bytes kClassReference = {0x01, 0x80};
// Records A/B/C colour 0x00FF8040 and 日本/(empty)/x colour 5.
const Bytes kRecordABC = {0x64, 0x00, 0x01, 'A', 0x01, 'B', 0x01, 'C', 0x40, 0x80, 0xFF, 0x00};
const Bytes kRecordJapanese = {0x64, 0x00, 0x04, 0x93, 0xFA, 0x96, 0x7B, 0x00, 0x01, 'x', 0x05, 0x00, 0x00, 0x00};

void FillTwo(CGroupList& list) {
    list.Add(Record("A", "B", "C", 0x00FF8040));
    list.Add(Record("日本", "", "x", 5));
}

// Loading bytes into a list holding one record must raise and leave it alone.
void ExpectRefused(const Bytes& bytes, const std::string& what) {
    CGroupList target;
    target.Add(Record("Keep", "", "", 1));
    EXPECT_TRUE(LoadRaises(target, bytes)) << what;
    EXPECT_EQ((Strings{"Keep||#1"}), Contents(target)) << what;
}

}  // namespace

TEST(GroupList, AddKeepsEachNameCombinationOnce) {
    CGroupList list;
    CGroupData* first = list.Add(Record("A", "B", "C", 1));
    CGroupData* second = list.Add(Record("A", "B", "", 2));
    ASSERT_NE(nullptr, first);
    EXPECT_NE(first, second);
    EXPECT_EQ(first, list.Add(Record("A", "B", "C", 99)));
    list.Add(Record("a", "B", "C", 3));
    EXPECT_EQ((Strings{"A|B|C#99", "A|B|#2", "a|B|C#3"}), Contents(list));

    CGroupList other;
    other.Add(Record("x", "", "", 4));
    other.Add(Record("A", "B", "", 5));
    EXPECT_EQ(&list, &(list += other));
    list += list;
    EXPECT_EQ((Strings{"A|B|C#99", "A|B|#5", "a|B|C#3", "x||#4"}), Contents(list));
}

TEST(GroupList, LookupsByNamesPositionAndAddress) {
    CGroupList list;
    EXPECT_EQ(nullptr, list.GetGroupData(0));
    CGroupData* a = list.Add(Record("A", "1", "", 10));
    CGroupData* b = list.Add(Record("B", "", "", 20));
    list.Add(Record("C", "", "", 30));

    EXPECT_EQ(b, list.CheckGroupData(Record("B", "", "")));
    EXPECT_EQ(b, list.GetGroupPtr(Record("B", "", "")));
    EXPECT_EQ(nullptr, list.CheckGroupData(Record("B", "x", "")));
    EXPECT_EQ(10u, list.GetColor(Record("A", "1", "")));
    EXPECT_EQ(0u, list.GetColor(Record("A", "", "")));
    EXPECT_EQ(b, list.GetGroupData(1));
    EXPECT_EQ(nullptr, list.GetGroupData(3));
    EXPECT_EQ(nullptr, list.GetGroupData(-1));
    EXPECT_EQ(0, list.GetGroupIndex(a));
    const CGroupData outsider = Record("B", "", "");
    EXPECT_EQ(3, list.GetGroupIndex(&outsider)) << "identity, not equality";

    list.DeleteContents();
    EXPECT_EQ(0, list.m_list.GetCount());
}

TEST(GroupList, NameListsInOrderOfFirstOccurrence) {
    CGroupList list;
    for (const char* path : {"A/x/1", "B/y/1", "A/x/2", "A/z", "A/w"}) list.Add(CGroupData().SetTreeText(path, '/'));
    list.Add(Record("A", "", ""));

    CStringArray group1;
    list.GetGroup1List(&group1);
    EXPECT_EQ((Strings{"A", "B"}), Items(group1));

    CStringArray group2;
    group2.Add("z");
    list.GetGroup2List("A", &group2);
    EXPECT_EQ((Strings{"z", "x", "w", ""}), Items(group2)) << "held names are not added again";
    CStringArray allGroup2;
    list.GetGroup2List(nullptr, &allGroup2);
    EXPECT_EQ((Strings{"x", "y", "z", "w", ""}), Items(allGroup2));

    CStringArray group3;
    list.GetGroup3List("A", "x", &group3);
    EXPECT_EQ((Strings{"1", "2"}), Items(group3));
    CStringArray allGroup3;
    list.GetGroup3List(nullptr, nullptr, &allGroup3);
    EXPECT_EQ((Strings{"1", "2", ""}), Items(allGroup3));

    list.GetGroup1List(nullptr);
    list.GetGroup2List("A", nullptr);
    list.GetGroup3List(nullptr, nullptr, nullptr);
}

TEST(GroupList, WriteTextGivesCrLfLines) {
    TempDir dir;
    const std::string path = dir.WriteFile("groups.txt", std::string(100, 'z'));
    CGroupList list;
    list.Add(Record("A", "B", "C"));
    list.Add(Record("D", "", "E"));
    list.Add(Record("日本", "表", ""));
    EXPECT_TRUE(list.WriteText(path.c_str()));
    EXPECT_EQ("\\A\\B\\C\r\n\\D\r\n\\日本\\表\r\n", TempDir::ReadFile(path)) << "and the old file is truncated";
    EXPECT_FALSE(list.WriteText((dir / "missing\\groups.txt").c_str())) << "silently";
}

TEST(GroupArchive, RecordFormAndOtherVersions) {
    CGroupData data = Record("日本", "", "x", 5);
    EXPECT_EQ(kRecordJapanese, Store(data));

    Bytes other = kRecordABC;
    other[0] = 0x65;  // version 101
    CMemFile file(other.data(), static_cast<UINT>(other.size()));
    CArchive ar(&file, CArchive::load);
    {
        MessageBoxCapture boxes;
        data.Serialize(ar);
        ASSERT_EQ(1, boxes.Count());
        EXPECT_EQ("バージョン不明\n\n [CGroupData::Serialize]", boxes.Text(0));
        EXPECT_EQ(static_cast<UINT>(MB_ICONEXCLAMATION), boxes.Boxes()[0].type & MB_ICONMASK);
    }
    EXPECT_EQ(CString("日本"), data.GetGroup1()) << "the record keeps its content";
    BYTE next = 0;
    ar >> next;
    EXPECT_EQ(0x01, next) << "the archive stays behind the version word";
}

TEST(GroupArchive, ListFormOfOneAndTwoRecords) {
    CGroupList list;
    list.Add(Record("A", "B", "C", 0x00FF8040));
    EXPECT_EQ(Concat({{0x01, 0x00}, kClassRecord, kRecordABC}), Store(list));

    CGroupList two;
    FillTwo(two);
    const Bytes bytes = Store(two);
    EXPECT_EQ(Concat({{0x02, 0x00}, kClassRecord, kRecordABC, kClassReference, kRecordJapanese}), bytes);

    CGroupList loaded;
    loaded.Add(Record("A", "B", "C", 1));
    EXPECT_FALSE(LoadRaises(loaded, bytes));
    EXPECT_FALSE(LoadRaises(loaded, {0x00, 0x00}));
    EXPECT_EQ((Strings{"A|B|C#1", "A|B|C#16744512", "日本||x#5"}), Contents(loaded))
        << "appended behind the held records, duplicates included";
}

TEST(GroupArchive, BrokenArchivesLeaveTheListUnchanged) {
    CGroupList two;
    FillTwo(two);
    const Bytes bytes = Store(two);
    for (size_t cut = 0; cut < bytes.size(); ++cut)
        ExpectRefused(Bytes(bytes.begin(), bytes.begin() + cut), "cut at " + std::to_string(cut));

    // Group 1 claims 0x7FFFFFFF or 0xFFFFFFFF bytes; the count claims 0x7FFFFFFF records.
    for (BYTE top : {BYTE{0x7F}, BYTE{0xFF}}) {
        ExpectRefused(
            Concat({{0x01, 0x00}, kClassRecord, {0x64, 0x00, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, top}, Bytes(16, 'x')}),
            "oversized string");
    }
    ExpectRefused(Concat({{0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x7F}, kClassRecord, kRecordABC}), "oversized count");
    ExpectRefused({0x01, 0x00, 0x00, 0x00}, "a null element");
}

TEST(GroupArchive, OnlyNewGroupRecordsAreAccepted) {
    CForeignRecord foreign;
    CGroupData group = Record("A", "", "", 1);
    for (CObject* second : {static_cast<CObject*>(&foreign), static_cast<CObject*>(&group)}) {
        CObList mixed;  // a record and then another class, or the same record again
        mixed.AddTail(&group);
        mixed.AddTail(second);
        ExpectRefused(Store(mixed), second == &group ? "same record twice" : "another class");
        mixed.RemoveAll();
    }

    // The same list stored twice: the second copy names the records of the first.
    CGroupList source;
    FillTwo(source);
    CMemFile file;
    CArchive store(&file, CArchive::store);
    source.Serialize(store);
    source.Serialize(store);
    store.Close();
    file.SeekToBegin();
    CArchive load(&file, CArchive::load);
    CGroupList owner;
    owner.Serialize(load);
    bool raised = false;
    try {
        owner.Serialize(load);
    } catch (CArchiveException* e) {
        raised = true;
        e->Delete();
    }
    EXPECT_TRUE(raised);
    EXPECT_EQ(Contents(source), Contents(owner));
}
