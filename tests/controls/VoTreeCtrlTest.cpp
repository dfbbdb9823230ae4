// Tests of CVoTreeCtrl on a real tree view: adding by path (double-byte
// names whose second byte is a backslash included), paths of items,
// finding by text and by item data, and its folder images.
#include "ControlsTestSupport.h"

#include <gtest/gtest.h>

namespace {

// Lets a test put in items with data, and siblings of the same text.
class CTreeProbe : public CVoTreeCtrl {
public:
    HTREEITEM Insert(HTREEITEM parent, const char* text, long data) {
        CString copy(text);
        return InsertItem(parent, copy.GetBuffer(copy.GetLength()), data);
    }
};

class VoTreeCtrlTest : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dlg.Open());
        ASSERT_TRUE(tree.Create(WS_CHILD | WS_VISIBLE, CRect(10, 10, 300, 200), &dlg, 3000));
        tree.InitialUpdate();
    }
    void TearDown() override { dlg.DestroyWindow(); }

    CControlsDialog dlg;
    CTreeProbe tree;
};

}  // namespace

TEST_F(VoTreeCtrlTest, PathsCreateTheMissingLevelsOnceAndComeBackFromTheirItems) {
    HTREEITEM apple = tree.AddItem(CString("\\果物\\りんご"));
    EXPECT_EQ(apple, tree.AddItem(CString("\\果物\\りんご")));
    EXPECT_EQ(2u, tree.GetCount());
    EXPECT_STREQ("\\果物\\りんご", tree.GetItemPath(apple));
    EXPECT_STREQ("", tree.GetItemPath(nullptr));
    // Doubled partitions give no empty level; a cut length ends the path early.
    HTREEITEM b = tree.AddItem(CString("\\A\\\\B"));
    EXPECT_STREQ("\\A\\B", tree.GetItemPath(b));
    EXPECT_EQ(b, tree.AddItem("\\A\\B\\C", 4));

    // Second bytes that are backslashes belong to their characters.
    const CString japanese("\\表計算\\ソフト\\能力");
    HTREEITEM ability = tree.AddItem(japanese);
    EXPECT_STREQ("能力", tree.GetItemText(ability));
    EXPECT_STREQ("ソフト", tree.GetItemText(tree.GetParentItem(ability)));
    EXPECT_STREQ(japanese, tree.GetItemPath(ability));
    EXPECT_EQ(ability, tree.AddItem(tree.GetItemPath(ability)));
    EXPECT_EQ(7u, tree.GetCount());

    // Without a leading partition the path starts at the selected item, or
    // at the top without one.
    HTREEITEM fruit = tree.FindRootItem("果物");
    ASSERT_TRUE(tree.SelectItem(fruit));
    EXPECT_STREQ("\\果物\\みかん\\温州", tree.GetItemPath(tree.AddItem(CString("みかん\\温州"))));
    EXPECT_EQ(fruit, tree.AddItem(CString()));
    tree.SelectItem(nullptr);
    EXPECT_STREQ("\\野菜", tree.GetItemPath(tree.AddItem(CString("野菜"))));

    // Exact, case-sensitive matching; the first of equal siblings wins.
    EXPECT_EQ(nullptr, tree.FindRootItem("a"));
    EXPECT_EQ(tree.FindRootItem("A"), tree.FindChildItem(nullptr, "A"));
    EXPECT_EQ(nullptr, tree.FindChildItem(fruit, "りん"));
    HTREEITEM first = tree.Insert(fruit, "同じ", 1);
    tree.Insert(fruit, "同じ", 2);
    EXPECT_EQ(first, tree.AddItem(CString("\\果物\\同じ")));
}

TEST_F(VoTreeCtrlTest, FindItemSearchesFromStartThroughItsSubtreeAndFollowingSiblings) {
    EXPECT_EQ(nullptr, tree.FindItem(0));  // empty tree
    // A(1) { A1(2), A2(3) }, B(2) { B1(4) }
    HTREEITEM a = tree.Insert(nullptr, "A", 1);
    HTREEITEM a1 = tree.Insert(a, "A1", 2);
    HTREEITEM a2 = tree.Insert(a, "A2", 3);
    HTREEITEM b = tree.Insert(nullptr, "B", 2);
    HTREEITEM b1 = tree.Insert(b, "B1", 4);
    EXPECT_EQ(a, tree.FindItem(1));
    EXPECT_EQ(a1, tree.FindItem(2));  // depth first: before B
    EXPECT_EQ(b1, tree.FindItem(4, a));
    EXPECT_EQ(b, tree.FindItem(2, b));
    EXPECT_EQ(nullptr, tree.FindItem(2, a2));                                     // nor its parent's later siblings...
    EXPECT_EQ(nullptr, tree.FindItem(1, a1));                                     // ...nor its ancestors
    EXPECT_EQ(DWORD_PTR{0}, tree.GetItemData(tree.AddItem(CString("\\B\\B2"))));  // added items carry 0
}

TEST_F(VoTreeCtrlTest, ItemsShowTheClosedFolderAndTheOpenOneWhenSelected) {
    const DWORD lines = TVS_HASBUTTONS | TVS_HASLINES | TVS_LINESATROOT;
    EXPECT_EQ(lines, tree.GetStyle() & lines);
    CImageList* images = tree.GetImageList(TVSIL_NORMAL);
    ASSERT_NE(nullptr, images);
    int image = -1, selected = -1;
    ASSERT_TRUE(tree.GetItemImage(tree.AddItem(CString("\\x")), image, selected));
    EXPECT_EQ(1, image);
    EXPECT_EQ(0, selected);

    // Drawn over white: the mask colour lets it through, the folder is yellow.
    CClientDC screen(&dlg);
    CDC dc;
    ASSERT_TRUE(dc.CreateCompatibleDC(&screen));
    CBitmap bitmap;
    ASSERT_TRUE(bitmap.CreateCompatibleBitmap(&screen, 16, 16));
    CBitmap* old = dc.SelectObject(&bitmap);
    for (int i : {0, 1}) {
        dc.FillSolidRect(0, 0, 16, 16, RGB(255, 255, 255));
        ASSERT_TRUE(images->Draw(&dc, i, CPoint(0, 0), ILD_TRANSPARENT));
        EXPECT_EQ(RGB(255, 255, 255), dc.GetPixel(0, 0)) << i;
        EXPECT_EQ(RGB(255, 255, 0), dc.GetPixel(5, 11)) << i;
    }
    dc.SelectObject(old);
    tree.InitialUpdate();  // again: the same two images
    EXPECT_EQ(2, tree.GetImageList(TVSIL_NORMAL)->GetImageCount());
}
