// Tests of the arrays and lists.
#include <afx.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {
// A small object whose destruction is counted.
class CCounted : public CObject {
public:
    explicit CCounted(int value = 0) : m_value(value) { ++s_alive; }
    ~CCounted() override { --s_alive; }
    int m_value;
    static int s_alive;
};
int CCounted::s_alive = 0;

std::vector<int> Values(const CObList& list) {
    std::vector<int> out;
    for (POSITION pos = list.GetHeadPosition(); pos;) out.push_back(static_cast<CCounted*>(list.GetNext(pos))->m_value);
    return out;
}
}  // namespace

TEST(CStringArrayTest, GrowsInsertsAndRemoves) {
    CStringArray a;
    EXPECT_EQ(-1, a.GetUpperBound());
    EXPECT_EQ(0, a.Add("x"));
    EXPECT_EQ(1, a.Add(CString("y")));
    a.InsertAt(1, "m");
    a.InsertAt(0, "first", 2);
    ASSERT_EQ(5, a.GetSize());
    EXPECT_STREQ("first", a[0]);
    EXPECT_STREQ("first", a[1]);
    EXPECT_STREQ("x", a[2]);
    EXPECT_STREQ("m", a[3]);
    a.RemoveAt(0, 2);
    EXPECT_STREQ("x", a.GetAt(0));
    a.SetAtGrow(5, "far");
    EXPECT_EQ(6, a.GetSize());
    EXPECT_STREQ("", a[4]);
    a.ElementAt(0) = "changed";
    EXPECT_STREQ("changed", a[0]);

    CStringArray copy(a);
    a.RemoveAll();
    EXPECT_EQ(0, a.GetSize());
    EXPECT_EQ(6, copy.GetSize());
}

TEST(CStringArrayTest, OutOfRangeIndicesTouchNothing) {
    CStringArray a;
    a.Add("only");
    EXPECT_STREQ("", a.GetAt(5));
    EXPECT_STREQ("", a.GetAt(-1));
    a.SetAt(7, "ignored");
    a.RemoveAt(3);
    a.RemoveAt(-1);
    ASSERT_EQ(1, a.GetSize());
    EXPECT_STREQ("only", a[0]);
}

TEST(CObListTest, InsertFindAndRemoveByPosition) {
    CObList list;
    CCounted one(1), two(2), three(3), four(4);
    POSITION p2 = list.AddTail(&two);
    list.AddHead(&one);
    list.InsertAfter(p2, &four);
    list.InsertBefore(list.Find(&four), &three);
    EXPECT_EQ((std::vector<int>{1, 2, 3, 4}), Values(list));
    EXPECT_EQ(list.FindIndex(2), list.Find(&three));
    EXPECT_EQ(nullptr, list.FindIndex(4));
    EXPECT_EQ(nullptr, list.FindIndex(-1));
    EXPECT_EQ(nullptr, list.Find(&two, list.Find(&two)));  // search starts behind

    list.RemoveAt(list.Find(&two));
    EXPECT_EQ((std::vector<int>{1, 3, 4}), Values(list));
    EXPECT_EQ(&one, list.RemoveHead());
    EXPECT_EQ(&four, list.RemoveTail());
    EXPECT_EQ(1, list.GetCount());
    EXPECT_EQ(&three, list.GetHead());
    EXPECT_EQ(&three, list.GetTail());

    // Walking backwards.
    list.AddHead(&one);
    std::vector<int> back;
    for (POSITION pos = list.GetTailPosition(); pos;)
        back.push_back(static_cast<CCounted*>(list.GetPrev(pos))->m_value);
    EXPECT_EQ((std::vector<int>{3, 1}), back);
    list.RemoveAll();
    EXPECT_TRUE(list.IsEmpty());
    EXPECT_EQ(nullptr, list.GetHeadPosition());
}

TEST(CTypedPtrListTest, HandsOutTheTypedPointers) {
    CTypedPtrList<CObList, CCounted*> list;
    CCounted a(7), b(8);
    list.AddTail(&a);
    list.AddTail(&b);
    POSITION pos = list.GetHeadPosition();
    CCounted* first = list.GetNext(pos);
    EXPECT_EQ(7, first->m_value);
    EXPECT_EQ(8, list.GetAt(pos)->m_value);
    EXPECT_EQ(&b, list.GetTail());
    list.GetHead() = &b;  // writable reference
    EXPECT_EQ(&b, list.RemoveHead());
}
