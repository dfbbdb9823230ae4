// GalleryPages.h - the gallery's pages, one per family of classes.
//
// Every page is a view class the frame shows in its client area; the page
// index lists them in this order. A family of controls gets a page by
// adding an entry here (and its view).
#pragma once

#include <afxwin.h>

struct GalleryPage {
    const char* title;          // shown in the index
    const char* classes;        // the library classes the page shows
    CRuntimeClass* pViewClass;  // dynamically creatable CView
};

int GalleryPageCount();
// The page at nIndex (0 ... count - 1); the first page otherwise.
const GalleryPage& GalleryPageAt(int nIndex);

// What the command line asks of the pages.
struct GalleryOptions {
    CString folder;          // the tree page's folder (default: the program's)
    bool openPopup = false;  // the colour page opens its popup
};
GalleryOptions& GalleryStartOptions();

// The font of the pages' controls.
CFont* GalleryFont();
