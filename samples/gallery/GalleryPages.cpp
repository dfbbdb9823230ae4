// GalleryPages.cpp - the table of the gallery's pages.
#include "GalleryPages.h"

#include "GalleryColourPage.h"
#include "GalleryDocView.h"
#include "GalleryGradientPage.h"
#include "GalleryGroupPage.h"
#include "GalleryTreePage.h"

namespace {
const GalleryPage kPages[] = {
    {"ズームビューとドッキング", "CZoomView, CZoomCombo, CDockableViewSite", RUNTIME_CLASS(CGalleryDocView)},
    {"ステータスバーとツリー", "CVoStatusBar, CVoTreeCtrl", RUNTIME_CLASS(CGalleryTreePage)},
    {"色の選択", "CColourPicker, CColourPopup", RUNTIME_CLASS(CGalleryColourPage)},
    {"グラデーション", "CGradientProgressCtrl", RUNTIME_CLASS(CGalleryGradientPage)},
    {"グループ", "CGroup, CGroupList, CVoComboBox", RUNTIME_CLASS(CGalleryGroupPage)},
};
const int kPageCount = static_cast<int>(sizeof kPages / sizeof kPages[0]);
}  // namespace

int GalleryPageCount() { return kPageCount; }

const GalleryPage& GalleryPageAt(int nIndex) { return kPages[nIndex >= 0 && nIndex < kPageCount ? nIndex : 0]; }

GalleryOptions& GalleryStartOptions() {
    static GalleryOptions options;
    return options;
}

CFont* GalleryFont() {
    static CFont font;
    if (!font.GetSafeHandle()) font.CreatePointFont(90, "ＭＳ Ｐゴシック");
    return &font;
}
