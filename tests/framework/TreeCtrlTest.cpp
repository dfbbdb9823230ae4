// Tests of CTreeCtrl with a real tree view: inserting, walking, item
// attributes, texts of any length, selection, deletion and image lists.
#include <afxwin.h>
#include <gtest/gtest.h>

#include <string>

TEST(TreeCtrlTest, ItemsAreInsertedWalkedReadAndDeleted) {
    CWnd parent;
    ASSERT_TRUE(
        parent.CreateEx(0, AfxRegisterWndClass(0), "木", WS_POPUP | WS_VISIBLE, 0, 0, 300, 300, nullptr, nullptr));
    CTreeCtrl tree;
    ASSERT_TRUE(tree.Create(WS_CHILD | WS_VISIBLE, CRect(0, 0, 280, 260), &parent, 10));
    HTREEITEM fruit = tree.InsertItem("果物");
    HTREEITEM apple = tree.InsertItem("りんご", 1, 2, fruit);
    HTREEITEM pear = tree.InsertItem(TVIF_TEXT | TVIF_PARAM, "梨", 0, 0, 0, 0, 77, fruit, nullptr);  // null: the end
    HTREEITEM first = tree.InsertItem("最初", nullptr, TVI_FIRST);
    EXPECT_EQ(4u, tree.GetCount());
    EXPECT_EQ(first, tree.GetRootItem());
    EXPECT_EQ(fruit, tree.GetNextSiblingItem(first));
    EXPECT_EQ(first, tree.GetPrevSiblingItem(fruit));
    EXPECT_EQ(pear, tree.GetNextSiblingItem(tree.GetChildItem(fruit)));
    EXPECT_EQ(fruit, tree.GetParentItem(pear));
    EXPECT_TRUE(tree.ItemHasChildren(fruit));
    EXPECT_FALSE(tree.ItemHasChildren(apple));

    EXPECT_EQ(DWORD_PTR{77}, tree.GetItemData(pear));
    EXPECT_TRUE(tree.SetItemImage(apple, 3, 4));
    int image = -1, selected = -1;
    EXPECT_TRUE(tree.GetItemImage(apple, image, selected));
    EXPECT_EQ(3, image);
    EXPECT_EQ(4, selected);
    // Texts longer than the first buffer come back whole; cut ones end on a character.
    const std::string longText = std::string(700, 'x') + "表";
    EXPECT_TRUE(tree.SetItemText(pear, longText.c_str()));
    EXPECT_EQ(longText, std::string(tree.GetItemText(pear)));
    char cut[6];
    EXPECT_EQ(4, tree.GetItemText(apple, cut, sizeof cut));
    EXPECT_STREQ("りん", cut);

    EXPECT_TRUE(tree.Expand(fruit, TVE_EXPAND));
    EXPECT_TRUE(tree.SelectItem(pear));
    EXPECT_EQ(pear, tree.GetSelectedItem());
    CRect rect;
    ASSERT_TRUE(tree.GetItemRect(pear, &rect, TRUE));
    UINT flags = 0;
    EXPECT_EQ(pear, tree.HitTest(CPoint(rect.left + 2, rect.CenterPoint().y), &flags));
    EXPECT_TRUE(flags & TVHT_ONITEMLABEL);

    CImageList images;
    ASSERT_TRUE(images.Create(16, 16, ILC_COLOR24 | ILC_MASK, 2, 2));
    EXPECT_EQ(nullptr, tree.SetImageList(&images, TVSIL_NORMAL));
    EXPECT_EQ(&images, tree.GetImageList(TVSIL_NORMAL));
    EXPECT_EQ(&images, tree.SetImageList(nullptr, TVSIL_NORMAL));

    EXPECT_FALSE(tree.DeleteItem(nullptr));  // never the whole tree
    EXPECT_TRUE(tree.DeleteItem(fruit));
    EXPECT_EQ(1u, tree.GetCount());
    EXPECT_TRUE(tree.DeleteAllItems());
    EXPECT_EQ(nullptr, tree.GetRootItem());
    parent.DestroyWindow();
    AfxDeleteTempMaps();
}
