// CImageList.cpp - image lists of the common controls and the map from
// their handles to CImageList objects.
#include "CImageList.h"

#include "AfxModule.h"
#include "CDC.h"
#include "HandleMap.h"

namespace {
CHandleMap<HIMAGELIST, CImageList>& ImageListMap() {
    static CHandleMap<HIMAGELIST, CImageList> map([](const CImageList* p) { return p->m_hImageList; },
                                                  [](CImageList* p, HIMAGELIST h) { p->m_hImageList = h; });
    return map;
}

HBITMAP BitmapOf(const CBitmap* pBitmap) { return pBitmap ? static_cast<HBITMAP>(pBitmap->m_hObject) : nullptr; }
}  // namespace

IMPLEMENT_DYNCREATE(CImageList, CObject)

CImageList::CImageList() : m_hImageList(nullptr) {}

CImageList::~CImageList() { DeleteImageList(); }

CImageList* PASCAL CImageList::FromHandle(HIMAGELIST hImageList) {
    return ImageListMap().FromHandle(hImageList, [] { return new CImageList; });
}

void PASCAL CImageList::DeleteTempMap() { ImageListMap().DeleteTemp(); }

BOOL CImageList::Create(int cx, int cy, UINT nFlags, int nInitial, int nGrow) {
    return ImageListMap().AttachNew(this, [&] { return ImageList_Create(cx, cy, nFlags, nInitial, nGrow); });
}

BOOL CImageList::Create(UINT nBitmapID, int cx, int nGrow, COLORREF crMask) {
    return Create(MAKEINTRESOURCEA(nBitmapID), cx, nGrow, crMask);
}

// Images cx wide cut from a bitmap resource; crMask (or CLR_NONE for no
// mask) is the colour that becomes transparent.
BOOL CImageList::Create(LPCSTR lpszBitmapID, int cx, int nGrow, COLORREF crMask) {
    return ImageListMap().AttachNew(this, [&] {
        HINSTANCE hInst = AfxFindResourceHandle(lpszBitmapID, RT_BITMAP);
        return ImageList_LoadImageA(hInst, lpszBitmapID, cx, nGrow, crMask, IMAGE_BITMAP, LR_DEFAULTCOLOR);
    });
}

BOOL CImageList::Attach(HIMAGELIST hImageList) { return ImageListMap().Attach(this, hImageList); }

HIMAGELIST CImageList::Detach() { return ImageListMap().Detach(this); }

BOOL CImageList::DeleteImageList() {
    if (!m_hImageList) return FALSE;
    return ImageList_Destroy(Detach());
}

int CImageList::GetImageCount() const { return ImageList_GetImageCount(m_hImageList); }

BOOL CImageList::GetImageInfo(int nImage, IMAGEINFO* pImageInfo) const {
    return ImageList_GetImageInfo(m_hImageList, nImage, pImageInfo);
}

COLORREF CImageList::SetBkColor(COLORREF cr) { return ImageList_SetBkColor(m_hImageList, cr); }

int CImageList::Add(CBitmap* pbmImage, CBitmap* pbmMask) {
    return ImageList_Add(m_hImageList, BitmapOf(pbmImage), BitmapOf(pbmMask));
}

int CImageList::Add(CBitmap* pbmImage, COLORREF crMask) {
    return ImageList_AddMasked(m_hImageList, BitmapOf(pbmImage), crMask);
}

int CImageList::Add(HICON hIcon) { return ImageList_ReplaceIcon(m_hImageList, -1, hIcon); }

BOOL CImageList::Remove(int nImage) { return ImageList_Remove(m_hImageList, nImage); }

BOOL CImageList::Replace(int nImage, CBitmap* pbmImage, CBitmap* pbmMask) {
    return ImageList_Replace(m_hImageList, nImage, BitmapOf(pbmImage), BitmapOf(pbmMask));
}

HICON CImageList::ExtractIcon(int nImage) { return ImageList_GetIcon(m_hImageList, nImage, ILD_NORMAL); }

BOOL CImageList::Draw(CDC* pDC, int nImage, POINT pt, UINT nStyle) {
    if (!pDC) return FALSE;
    return ImageList_Draw(m_hImageList, nImage, pDC->m_hDC, pt.x, pt.y, nStyle);
}
