// GalleryIndexSite.cpp - the list of pages in its dockable site.
#include "GalleryIndexSite.h"

#include "GalleryPages.h"
#include "GalleryResource.h"

BEGIN_MESSAGE_MAP(CGalleryIndexSite, CDockableViewSite)
    ON_WM_CREATE()
END_MESSAGE_MAP()

int CGalleryIndexSite::OnCreate(LPCREATESTRUCT lpCreateStruct) {
    if (CDockableViewSite::OnCreate(lpCreateStruct) == -1) return -1;
    // The list's size gives the site its sizes.
    if (!m_wndList.Create(WS_CHILD | WS_VISIBLE | LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS, CRect(0, 0, 240, 420),
                          this, IDC_PAGE_LIST))
        return -1;
    m_wndList.ModifyStyleEx(0, WS_EX_CLIENTEDGE, SWP_FRAMECHANGED);
    m_wndList.SendMessage(LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT, LVS_EX_FULLROWSELECT);
    m_wndList.InsertColumn(0, "ページ", LVCFMT_LEFT, 150);
    m_wndList.InsertColumn(1, "クラス", LVCFMT_LEFT, 260);
    for (int i = 0; i < GalleryPageCount(); ++i) {
        m_wndList.InsertItem(i, GalleryPageAt(i).title);
        m_wndList.SetItemText(i, 1, GalleryPageAt(i).classes);
    }
    return 0;
}
