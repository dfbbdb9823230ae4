// GalleryIndexSite.h - the page index: a dockable view site hosting a list
// of the gallery's pages. Choosing a page reaches the frame as the list's
// LVN_ITEMCHANGED notification (the site passes it to its owner).
#pragma once

#include "Vokit.h"

class CGalleryIndexSite : public CDockableViewSite {
public:
    CListCtrl m_wndList;

protected:
    CWnd* GetBaseWnd() override { return &m_wndList; }
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    DECLARE_MESSAGE_MAP()
};
