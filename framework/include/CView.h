// CView.h - windows that show a document.
//
// Classes:
//   CPrintInfo  what a print job tells the views it prints with (declared
//               for the views' signatures; printing is not built)
//   CView       a child window of a frame that paints its document in
//               OnDraw on a DC prepared by OnPrepareDC, becomes the frame's
//               active view when clicked, and passes the commands it does
//               not handle to its document
//
// Views are made by a frame from a CCreateContext (their class must be
// dynamically creatable), live on the heap and delete themselves when their
// window is destroyed.
#pragma once

#include "CCreateContext.h"
#include "CWnd.h"

class CDocument;
class CFrameWnd;

struct CPrintInfo {
    BOOL m_bPreview = FALSE;  // a print preview, not a print
    BOOL m_bContinuePrinting = TRUE;
    UINT m_nCurPage = 1;  // the page being printed
    UINT m_nNumPreviewPages = 1;
    LPVOID m_lpUserData = nullptr;
    CRect m_rectDraw;  // the printable area of the page
};

class AFX_API CView : public CWnd {
    DECLARE_DYNAMIC(CView)
protected:
    CView();

public:
    ~CView() override;

    CDocument* GetDocument() const { return m_pDocument; }

    // Draws the document; the DC is prepared by OnPrepareDC.
    virtual void OnDraw(CDC* pDC) = 0;
    // Sets up the DC's mapping before OnDraw; nothing by default.
    virtual void OnPrepareDC(CDC* pDC, CPrintInfo* pInfo = nullptr);
    // Once, after the frame was built (WM_INITIALUPDATE): OnUpdate.
    virtual void OnInitialUpdate();
    // The document changed (pSender made the change); repaints by default.
    virtual void OnUpdate(CView* pSender, LPARAM lHint, CObject* pHint);
    // The frame's active view changes to pActivateView.
    virtual void OnActivateView(BOOL bActivate, CView* pActivateView, CView* pDeactiveView);

    // This view, then its document.
    BOOL OnCmdMsg(UINT nID, int nCode, WPARAM wParam, LPARAM lParam) override;

protected:
    BOOL PreCreateWindow(CREATESTRUCT& cs) override;
    void PostNcDestroy() override;

    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnDestroy();
    afx_msg void OnPaint();
    afx_msg int OnMouseActivate(CWnd* pDesktopWnd, UINT nHitTest, UINT message);
    afx_msg LRESULT OnInitialUpdateMessage(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

    CDocument* m_pDocument;

    friend class CDocument;
};
