// GalleryResource.h - resource and command IDs of VokitGallery.
#pragma once

#define IDR_GALLERY 128  // menu, accelerators and title of the frame

#define ID_GALLERY_EXIT    32771
#define ID_VIEW_INDEX      32772  // show or hide the page index
#define ID_VIEW_FLOATINDEX 32773  // float or dock the page index
#define ID_ZOOM_IN         32774
#define ID_ZOOM_OUT        32775
#define ID_ZOOM_FULL       32776

#define IDC_ZOOM_LABEL 1001
#define IDC_ZOOM_COMBO 1002
#define IDC_PAGE_LIST  1003
