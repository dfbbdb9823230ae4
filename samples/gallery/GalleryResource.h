// GalleryResource.h - resource and command IDs of VokitGallery.
#pragma once

#define IDR_GALLERY 128  // menu, accelerators and title of the frame

#define ID_GALLERY_EXIT     32771
#define ID_VIEW_INDEX       32772  // show or hide the page index
#define ID_VIEW_FLOATINDEX  32773  // float or dock the page index
#define ID_ZOOM_IN          32774
#define ID_ZOOM_OUT         32775
#define ID_ZOOM_FULL        32776
#define ID_GALLERY_LONGTASK 32777  // runs a simulated long task in the status bar

// Status bar panes (their strings give the panes' widths)
#define ID_INDICATOR_PAGE 32790
#define ID_INDICATOR_ZOOM 32791

#define IDC_ZOOM_LABEL     1001
#define IDC_ZOOM_COMBO     1002
#define IDC_PAGE_LIST      1003
#define IDC_TASK_BUTTON    1004
#define IDC_FOLDER_LABEL   1005
#define IDC_FOLDER_TREE    1006
#define IDC_TEXT_PICKER    1007
#define IDC_BACK_PICKER    1008
#define IDC_GRADIENT_FIRST 1010  // and the next one
#define IDC_GROUP_FIRST    1020  // and the next two
