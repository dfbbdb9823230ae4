// CCreateContext.h - what a frame passes on to the views it creates.
//
// Classes:
//   CCreateContext  the view class to make, the document it shows, and the
//                   frame; reaches the view's OnCreate as lpCreateParams
#pragma once

#include "CObject.h"

class CDocument;
class CFrameWnd;
class CView;

class CCreateContext {
public:
    CRuntimeClass* m_pNewViewClass = nullptr;  // dynamically creatable CView class
    CDocument* m_pCurrentDoc = nullptr;        // the document of the new view, or null
    CView* m_pLastView = nullptr;              // the view that was active before, or null
    CFrameWnd* m_pCurrentFrame = nullptr;      // the frame being built
};
