// GalleryPages.cpp - the table of the gallery's pages.
#include "GalleryPages.h"

#include "GalleryDocView.h"

namespace {
const GalleryPage kPages[] = {
    {"ズームビューとドッキング", "CZoomView, CZoomCombo, CDockableViewSite", RUNTIME_CLASS(CGalleryDocView)},
};
const int kPageCount = static_cast<int>(sizeof kPages / sizeof kPages[0]);
}  // namespace

int GalleryPageCount() { return kPageCount; }

const GalleryPage& GalleryPageAt(int nIndex) { return kPages[nIndex >= 0 && nIndex < kPageCount ? nIndex : 0]; }
