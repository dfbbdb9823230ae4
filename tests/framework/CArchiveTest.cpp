// Tests of CArchive: the byte layout of values, strings and object records,
// and the failure of every malformed or truncated archive.
#include <afx.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

using Bytes = std::vector<BYTE>;

// A serialisable record: a word and a string.
class CRecordA : public CObject {
    DECLARE_SERIAL(CRecordA)
public:
    CRecordA() { ++s_alive; }
    ~CRecordA() override { --s_alive; }
    void Serialize(CArchive& ar) override {
        if (ar.IsStoring()) {
            ar << m_w << m_s;
        } else {
            m_schema = ar.GetObjectSchema();
            ar >> m_w >> m_s;
        }
    }
    WORD m_w = 0;
    CString m_s;
    UINT m_schema = 0;
    static int s_alive;
};
int CRecordA::s_alive = 0;
IMPLEMENT_SERIAL(CRecordA, CObject, VERSIONABLE_SCHEMA | 2)

// Another serialisable class, with a fixed schema.
class CRecordB : public CObject {
    DECLARE_SERIAL(CRecordB)
public:
    void Serialize(CArchive& ar) override {
        if (ar.IsStoring())
            ar << m_n;
        else
            ar >> m_n;
    }
    LONG m_n = 0;
};
IMPLEMENT_SERIAL(CRecordB, CObject, 1)

namespace {

template <class F>
Bytes Store(F&& write) {
    CMemFile file;
    {
        CArchive ar(&file, CArchive::store);
        write(ar);
        ar.Close();
    }
    return file.GetBytes();
}

template <class F>
void Load(const Bytes& bytes, F&& read) {
    CMemFile file(bytes.data(), static_cast<UINT>(bytes.size()));
    CArchive ar(&file, CArchive::load);
    read(ar);
}

// Loads and returns the archive exception's cause, or -1 when none came.
template <class F>
int LoadCause(const Bytes& bytes, F&& read) {
    try {
        Load(bytes, read);
    } catch (CArchiveException* e) {
        int cause = e->m_cause;
        e->Delete();
        return cause;
    }
    return -1;
}

Bytes Concat(std::initializer_list<Bytes> parts) {
    Bytes all;
    for (const Bytes& p : parts) all.insert(all.end(), p.begin(), p.end());
    return all;
}
Bytes Text(const char* s) { return Bytes(s, s + strlen(s)); }
}  // namespace

TEST(CArchiveTest, NumbersAreLittleEndianWithoutPadding) {
    Bytes bytes = Store([](CArchive& ar) {
        ar << static_cast<BYTE>(1) << static_cast<WORD>(0x0203) << static_cast<DWORD>(0x04050607)
           << static_cast<LONG>(-2) << 1.5;
    });
    Bytes expected = {1, 3, 2, 7, 6, 5, 4, 0xFE, 0xFF, 0xFF, 0xFF, 0, 0, 0, 0, 0, 0, 0xF8, 0x3F};
    EXPECT_EQ(expected, bytes);
    Load(bytes, [](CArchive& ar) {
        BYTE b;
        WORD w;
        DWORD d;
        LONG l;
        double x;
        ar >> b >> w >> d >> l >> x;
        EXPECT_EQ(1, b);
        EXPECT_EQ(0x0203, w);
        EXPECT_EQ(0x04050607u, d);
        EXPECT_EQ(-2, l);
        EXPECT_EQ(1.5, x);
    });
}

TEST(CArchiveTest, StringLengthPrefixes) {
    struct Case {
        int length;
        Bytes prefix;
    } cases[] = {
        {0, {0}},
        {254, {254}},
        {255, {0xFF, 0xFF, 0x00}},
        {0xFFFD, {0xFF, 0xFD, 0xFF}},
        {0xFFFE, {0xFF, 0xFF, 0xFF, 0xFE, 0xFF, 0x00, 0x00}},
        {0x10000, {0xFF, 0xFF, 0xFF, 0x00, 0x00, 0x01, 0x00}},
    };
    for (const Case& c : cases) {
        CString s('q', c.length);
        Bytes bytes = Store([&](CArchive& ar) { ar << s; });
        ASSERT_EQ(c.prefix.size() + c.length, bytes.size()) << c.length;
        EXPECT_EQ(c.prefix, Bytes(bytes.begin(), bytes.begin() + c.prefix.size())) << c.length;
        Load(bytes, [&](CArchive& ar) {
            CString back;
            ar >> back;
            EXPECT_TRUE(back == s) << c.length;
        });
    }
}

TEST(CArchiveTest, Utf16StringsAreConvertedOnLoad) {
    // 0xFF 0xFFFE marks a UTF-16 string; "あA" follows with its length.
    Bytes bytes = {0xFF, 0xFE, 0xFF, 2, 0x42, 0x30, 0x41, 0x00};
    Load(bytes, [](CArchive& ar) {
        CString s;
        ar >> s;
        EXPECT_STREQ("\x82\xa0"
                     "A",
                     s);
    });
}

TEST(CArchiveTest, CountsUseAWordOrAnEscapedDword) {
    Bytes bytes = Store([](CArchive& ar) {
        ar.WriteCount(0xFFFE);
        ar.WriteCount(0xFFFF);
    });
    EXPECT_EQ((Bytes{0xFE, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0, 0}), bytes);
    Load(bytes, [](CArchive& ar) {
        EXPECT_EQ(0xFFFEu, ar.ReadCount());
        EXPECT_EQ(0xFFFFu, ar.ReadCount());
    });
}

TEST(CArchiveTest, ObjectRecordsAndReferences) {
    CRecordA a;
    a.m_w = 0x1234;
    a.m_s = "hi";
    CRecordA b;
    CObList list;
    list.AddTail(&a);
    list.AddTail(&b);
    list.AddTail(&a);  // the same object again: a back reference
    list.AddTail(static_cast<CObject*>(nullptr));
    Bytes bytes = Store([&](CArchive& ar) { list.Serialize(ar); });
    Bytes expected = Concat({
        {4, 0},  // count
        {0xFF, 0xFF, 2, 0, 8, 0},
        Text("CRecordA"),  // new class (index 1), schema 2
        {0x34, 0x12, 2},
        Text("hi"),    // object a (index 2)
        {0x01, 0x80},  // class reference to index 1
        {0, 0, 0},     // object b (index 3)
        {0x02, 0x00},  // back reference to object a
        {0x00, 0x00},  // null
    });
    EXPECT_EQ(expected, bytes);

    CObList loaded;
    Load(bytes, [&](CArchive& ar) { loaded.Serialize(ar); });
    ASSERT_EQ(4, loaded.GetCount());
    POSITION pos = loaded.GetHeadPosition();
    CObject* first = loaded.GetNext(pos);
    CObject* second = loaded.GetNext(pos);
    CObject* third = loaded.GetNext(pos);
    EXPECT_EQ(nullptr, loaded.GetNext(pos));
    ASSERT_TRUE(first->IsKindOf(RUNTIME_CLASS(CRecordA)));
    EXPECT_EQ(0x1234, static_cast<CRecordA*>(first)->m_w);
    EXPECT_STREQ("hi", static_cast<CRecordA*>(first)->m_s);
    EXPECT_EQ(2u, static_cast<CRecordA*>(first)->m_schema);
    EXPECT_EQ(first, third);
    delete first;
    delete second;
}

TEST(CArchiveTest, VersionableSchemaAcceptsOtherSchemasFixedOneDoesNot) {
    Bytes a = Concat({{0xFF, 0xFF, 7, 0, 8, 0}, Text("CRecordA"), {1, 0, 0}});
    Load(a, [](CArchive& ar) {
        CObject* p = ar.ReadObject(RUNTIME_CLASS(CRecordA));
        ASSERT_NE(nullptr, p);
        EXPECT_EQ(7u, static_cast<CRecordA*>(p)->m_schema);
        delete p;
    });
    Bytes b = Concat({{0xFF, 0xFF, 9, 0, 8, 0}, Text("CRecordB"), {1, 0, 0, 0}});
    EXPECT_EQ(CArchiveException::badSchema, LoadCause(b, [](CArchive& ar) { ar.ReadObject(nullptr); }));
}

TEST(CArchiveTest, MalformedObjectRecordsRaiseArchiveExceptions) {
    auto readAny = [](CArchive& ar) { delete ar.ReadObject(nullptr); };
    // Unknown class name.
    EXPECT_EQ(CArchiveException::badClass, LoadCause(Concat({{0xFF, 0xFF, 1, 0, 7, 0}, Text("CNobody")}), readAny));
    // A class name too long to be one.
    Bytes longName = {0xFF, 0xFF, 1, 0, 200, 0};
    longName.resize(longName.size() + 200, 'x');
    EXPECT_EQ(CArchiveException::badClass, LoadCause(longName, readAny));
    // A reference to a class or object never stored.
    EXPECT_EQ(CArchiveException::badIndex, LoadCause({0x05, 0x80}, readAny));
    EXPECT_EQ(CArchiveException::badIndex, LoadCause({0x05, 0x00}, readAny));
    // A non-creatable class that exists (CObject) cannot be loaded.
    EXPECT_EQ(CArchiveException::badClass,
              LoadCause(Concat({{0xFF, 0xFF, 0xFF, 0xFF, 7, 0}, Text("CObject")}), readAny));
    // The right record, but not of the class the caller asked for.
    Bytes recordB = Concat({{0xFF, 0xFF, 1, 0, 8, 0}, Text("CRecordB"), {1, 0, 0, 0}});
    EXPECT_EQ(CArchiveException::badClass,
              LoadCause(recordB, [](CArchive& ar) { delete ar.ReadObject(RUNTIME_CLASS(CRecordA)); }));
}

TEST(CArchiveTest, EveryTruncationRaisesEndOfFileAndLeaksNothing) {
    CRecordA a, b;
    a.m_s = "first record";
    b.m_s = CString('z', 300);
    CObList list;
    list.AddTail(&a);
    list.AddTail(&b);
    Bytes full = Store([&](CArchive& ar) { list.Serialize(ar); });
    int aliveBefore = CRecordA::s_alive;
    for (size_t cut = 0; cut < full.size(); ++cut) {
        Bytes part(full.begin(), full.begin() + cut);
        CObList target;
        CRecordA keep;
        target.AddTail(&keep);
        int cause = LoadCause(part, [&](CArchive& ar) { target.Serialize(ar); });
        EXPECT_EQ(CArchiveException::endOfFile, cause) << "cut at " << cut;
        EXPECT_EQ(1, target.GetCount()) << "cut at " << cut;  // left as it was
    }
    EXPECT_EQ(aliveBefore, CRecordA::s_alive);
}

TEST(CArchiveTest, OversizedLengthsFailWithoutHugeAllocations) {
    // A string claiming 4 GB, and a string array claiming 4 billion elements.
    EXPECT_EQ(CArchiveException::endOfFile,
              LoadCause({0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 'a'}, [](CArchive& ar) {
                  CString s;
                  ar >> s;
              }));
    EXPECT_EQ(CArchiveException::endOfFile, LoadCause({0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 1, 'a'}, [](CArchive& ar) {
                  CStringArray array;
                  array.Serialize(ar);
              }));
}

TEST(CArchiveTest, StringArrayRoundTrip) {
    CStringArray in;
    in.Add("一");
    in.Add("");
    in.Add("three");
    Bytes bytes = Store([&](CArchive& ar) { in.Serialize(ar); });
    EXPECT_EQ(Concat({{3, 0, 2}, Text("一"), {0, 5}, Text("three")}), bytes);
    CStringArray out;
    out.Add("old");
    Load(bytes, [&](CArchive& ar) { out.Serialize(ar); });
    ASSERT_EQ(3, out.GetSize());
    EXPECT_STREQ("一", out[0]);
    EXPECT_STREQ("", out[1]);
}

TEST(CArchiveTest, ModeMismatchIsAnError) {
    CMemFile file;
    CArchive ar(&file, CArchive::store);
    try {
        BYTE b;
        ar >> b;
        ADD_FAILURE() << "reading a storing archive must fail";
    } catch (CArchiveException* e) {
        EXPECT_EQ(CArchiveException::writeOnly, e->m_cause);
        e->Delete();
    }
}
