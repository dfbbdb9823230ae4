// GalleryTreePage.h - the gallery's page of the status bar and the path
// tree: a folder on disk shown as a CVoTreeCtrl, and a button that runs a
// simulated long task with its progress over the frame's CVoStatusBar.
#pragma once

#include "Vokit.h"

class CGalleryTreePage : public CView {
    DECLARE_DYNCREATE(CGalleryTreePage)
public:
    void OnDraw(CDC* pDC) override;
    void OnInitialUpdate() override;

    // Adds the entries of folder (and of its subfolders) under one item
    // named after it; at most maxItems entries. Returns the entries added.
    static int FillTree(CVoTreeCtrl& tree, const CString& folder, int maxItems);

protected:
    CGalleryTreePage() = default;

    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnStartTask();
    DECLARE_MESSAGE_MAP()

    CButton m_wndTask;
    CStatic m_wndFolder;
    CVoTreeCtrl m_wndTree;
};
