// VoTreeCtrl.h - a tree control whose items are addressed by paths.
#pragma once

#include "VokitDefs.h"

#include <afxwin.h>

#include <memory>

// A tree whose items are addressed like folders: a path such as
// "\Fruit\Apple" names the item texts of successive levels, divided by the
// partition character (a backslash). Adding a path creates the levels that
// are missing; items are found by text or by item data, and every item
// gives its path. The tree brings two 16 x 16 images of its own: a closed
// folder for items and an open one for the selected item.
class VOKIT_API CVoTreeCtrl : public CTreeCtrl {
public:
    CVoTreeCtrl();
    ~CVoTreeCtrl() override;

    // Loads the images and gives the tree buttons and lines; called once
    // by the owner after the window exists.
    virtual void InitialUpdate();
    // The first top-level item whose text is exactly text; null if none.
    virtual HTREEITEM FindRootItem(const char* text) const;
    // The first child of parent whose text is exactly text (top-level items
    // for a null parent); null if none.
    virtual HTREEITEM FindChildItem(HTREEITEM parent, const char* text) const;
    // Finds or creates the items of the path (length bytes of it) and
    // returns the last one. A path that does not begin with the partition
    // is taken from the selected item; empty pieces are skipped.
    virtual HTREEITEM AddItem(const CString& path);
    virtual HTREEITEM AddItem(const char* path, int length);
    // "\top\...\item"; empty for a null item.
    virtual CString GetItemPath(HTREEITEM item);
    virtual char GetPartition() const;

    // The first item carrying data, searched depth first from start (the
    // first top-level item when null) through its subtree and its following
    // siblings with theirs; null if none.
    HTREEITEM FindItem(long data, HTREEITEM start = nullptr) const;

protected:
    // One item under parent (null: the top level) after its last sibling,
    // with the closed folder and, when selected, the open one.
    virtual HTREEITEM InsertItem(HTREEITEM parent, char* text, long data);

    char m_chPartition;
    std::unique_ptr<CImageList> m_pImageList;  // made by InitialUpdate

    DECLARE_MESSAGE_MAP()
};
