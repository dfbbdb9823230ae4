// GalleryTreePage.cpp - the status bar and path tree page.
#include "GalleryTreePage.h"

#include "GalleryPages.h"
#include "GalleryResource.h"

#include <algorithm>

namespace {
const int kMargin = 12;
const int kRowHeight = 26;
const int kButtonWidth = 150;
const int kMaxItems = 400;  // enough to show the tree, quick to fill
}  // namespace

IMPLEMENT_DYNCREATE(CGalleryTreePage, CView)

BEGIN_MESSAGE_MAP(CGalleryTreePage, CView)
    ON_WM_CREATE()
    ON_WM_SIZE()
    ON_BN_CLICKED(IDC_TASK_BUTTON, OnStartTask)
END_MESSAGE_MAP()

int CGalleryTreePage::OnCreate(LPCREATESTRUCT lpCreateStruct) {
    if (CView::OnCreate(lpCreateStruct) == -1) return -1;
    CRect none(0, 0, 0, 0);
    if (!m_wndTask.Create("長い処理を試す", WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, none, this,
                          IDC_TASK_BUTTON) ||
        !m_wndFolder.Create("", WS_CHILD | WS_VISIBLE | SS_CENTERIMAGE | SS_LEFTNOWORDWRAP, none, this,
                            IDC_FOLDER_LABEL) ||
        !m_wndTree.Create(WS_CHILD | WS_VISIBLE | WS_BORDER | WS_TABSTOP | TVS_SHOWSELALWAYS, none, this,
                          IDC_FOLDER_TREE))
        return -1;
    m_wndTask.SetFont(GalleryFont());
    m_wndFolder.SetFont(GalleryFont());
    m_wndTree.SetFont(GalleryFont());
    return 0;
}

void CGalleryTreePage::OnInitialUpdate() {
    CView::OnInitialUpdate();
    m_wndTree.InitialUpdate();
    const CString& folder = GalleryStartOptions().folder;
    int count = FillTree(m_wndTree, folder, kMaxItems);
    CString label;
    label.Format("%s  (%d 件)", static_cast<LPCSTR>(folder), count);
    m_wndFolder.SetWindowText(label);
}

int CGalleryTreePage::FillTree(CVoTreeCtrl& tree, const CString& folder, int maxItems) {
    CVoFileFind finder;
    finder.FindFile(folder, "*.*", true);
    // The folder's own name heads the tree; every entry's path follows it.
    CString top = "\\" + _GetFullPathToFileName(folder);
    HTREEITEM root = tree.AddItem(top);
    int count = 0;
    for (int i = 0; i < finder.GetSize() && count < maxItems; ++i) {
        CWin32FindData& entry = finder[i];
        CString below = entry.m_strPath.Mid(folder.GetLength());
        tree.AddItem(top + below + "\\" + entry.GetFileName());
        ++count;
    }
    tree.Expand(root, TVE_EXPAND);
    // One level deeper: the first subfolder.
    HTREEITEM child = tree.GetChildItem(root);
    while (child && !tree.ItemHasChildren(child)) child = tree.GetNextSiblingItem(child);
    if (child) tree.Expand(child, TVE_EXPAND);
    return count;
}

void CGalleryTreePage::OnSize(UINT nType, int cx, int cy) {
    CView::OnSize(nType, cx, cy);
    if (!m_wndTree.m_hWnd) return;
    m_wndTask.MoveWindow(kMargin, kMargin, kButtonWidth, kRowHeight);
    int labelLeft = kMargin * 2 + kButtonWidth;
    m_wndFolder.MoveWindow(labelLeft, kMargin, std::max(cx - labelLeft - kMargin, 0), kRowHeight);
    int treeTop = kMargin * 2 + kRowHeight;
    m_wndTree.MoveWindow(kMargin, treeTop, std::max(cx - 2 * kMargin, 0), std::max(cy - treeTop - kMargin, 0));
}

void CGalleryTreePage::OnDraw(CDC*) {}

// The frame runs the task: its status bar shows the progress.
void CGalleryTreePage::OnStartTask() { GetParentFrame()->SendMessage(WM_COMMAND, ID_GALLERY_LONGTASK); }
