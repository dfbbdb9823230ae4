// VoTreeCtrl.cpp - the path-addressed tree control.
#include "VoTreeCtrl.h"

#include "VoStringArray.h"
#include "VokitRes.h"

#include <cstring>

namespace {
const char kPartition = '\\';
// The library's bitmaps of the item images, in image-list order, and
// their transparent colour.
const UINT kOpenFolderBitmap = IDB_VO_FOLDER_OPEN;
const UINT kClosedFolderBitmap = IDB_VO_FOLDER_CLOSED;
const COLORREF kMaskColour = RGB(128, 0, 0);
const int kImageSize = 16;
const int kOpenFolderImage = 0;
const int kClosedFolderImage = 1;
}  // namespace

BEGIN_MESSAGE_MAP(CVoTreeCtrl, CTreeCtrl)
END_MESSAGE_MAP()

CVoTreeCtrl::CVoTreeCtrl() : m_chPartition(kPartition) {}

// The window goes before the image list it shows.
CVoTreeCtrl::~CVoTreeCtrl() {
    if (m_hWnd && CWnd::FromHandlePermanent(m_hWnd) == this) DestroyWindow();
}

char CVoTreeCtrl::GetPartition() const { return m_chPartition; }

void CVoTreeCtrl::InitialUpdate() {
    if (!m_pImageList) {
        auto images = std::make_unique<CImageList>();
        if (images->Create(kImageSize, kImageSize, ILC_COLOR24 | ILC_MASK, 4, 2)) {
            for (UINT id : {kOpenFolderBitmap, kClosedFolderBitmap}) {
                CBitmap bitmap;  // found through the resource chain; deleted after adding
                if (bitmap.LoadBitmap(id)) images->Add(&bitmap, kMaskColour);
            }
            m_pImageList = std::move(images);
        }
    }
    if (m_pImageList) SetImageList(m_pImageList.get(), TVSIL_NORMAL);
    ModifyStyle(0, TVS_HASBUTTONS | TVS_HASLINES | TVS_LINESATROOT);
    SetWindowPos(nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER);
}

HTREEITEM CVoTreeCtrl::InsertItem(HTREEITEM parent, char* text, long data) {
    return CTreeCtrl::InsertItem(TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE | TVIF_PARAM, text, kClosedFolderImage,
                                 kOpenFolderImage, 0, 0, static_cast<LPARAM>(data), parent ? parent : TVI_ROOT,
                                 TVI_LAST);
}

HTREEITEM CVoTreeCtrl::FindRootItem(const char* text) const { return FindChildItem(nullptr, text); }

HTREEITEM CVoTreeCtrl::FindChildItem(HTREEITEM parent, const char* text) const {
    if (!text) return nullptr;
    for (HTREEITEM item = parent ? GetChildItem(parent) : GetRootItem(); item; item = GetNextSiblingItem(item)) {
        if (std::strcmp(GetItemText(item), text) == 0) return item;
    }
    return nullptr;
}

HTREEITEM CVoTreeCtrl::AddItem(const CString& path) { return AddItem(path, path.GetLength()); }

HTREEITEM CVoTreeCtrl::AddItem(const char* path, int length) {
    if (!path || length <= 0) return GetSelectedItem();
    HTREEITEM current = path[0] == m_chPartition ? nullptr : GetSelectedItem();
    CStringArray pieces;
    _Divide(path, length, &pieces, m_chPartition);
    for (int i = 0; i < pieces.GetSize(); ++i) {
        CString piece = pieces.GetAt(i);
        HTREEITEM found = FindChildItem(current, piece);
        current = found ? found : InsertItem(current, piece.GetBuffer(piece.GetLength()), 0);
        piece.ReleaseBuffer();
        if (!current) return nullptr;  // the tree refused the item
    }
    return current;
}

CString CVoTreeCtrl::GetItemPath(HTREEITEM item) {
    CString path;
    for (; item; item = GetParentItem(item)) path = CString(m_chPartition) + GetItemText(item) + path;
    return path;
}

// Walks the tree without recursion, in the order a recursive walk would
// take: an item, its subtree, then its following siblings; climbing back
// stops at the level of start.
HTREEITEM CVoTreeCtrl::FindItem(long data, HTREEITEM start) const {
    HTREEITEM item = start ? start : GetRootItem();
    if (!item) return nullptr;
    const HTREEITEM boundary = GetParentItem(item);
    const DWORD_PTR wanted = static_cast<DWORD_PTR>(static_cast<LPARAM>(data));
    while (item) {
        if (GetItemData(item) == wanted) return item;
        if (HTREEITEM child = GetChildItem(item)) {
            item = child;
            continue;
        }
        for (;;) {
            if (HTREEITEM next = GetNextSiblingItem(item)) {
                item = next;
                break;
            }
            item = GetParentItem(item);
            if (item == boundary) return nullptr;
        }
    }
    return nullptr;
}
