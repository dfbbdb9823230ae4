// CScrollView.h - views larger than their window.
//
// Classes:
//   CScrollView  a view with a total size (in logical units of a map mode)
//                that shows scroll bars when the window is smaller, scrolls
//                by the bars, the keyboard (arrows, Page Up/Down, Home, End)
//                and the mouse wheel, and prepares the DC so that OnDraw
//                draws the whole document at its scroll position
#pragma once

#include "CView.h"

class CBrush;

class AFX_API CScrollView : public CView {
    DECLARE_DYNAMIC(CScrollView)
protected:
    CScrollView();

public:
    ~CScrollView() override;

    // Stands for "a tenth of the total" (page) and "a tenth of a page" (line).
    static const SIZE sizeDefault;

    // nMapMode: MM_TEXT or a fixed mode (MM_LOMETRIC ...); the sizes are in
    // its logical units and positive.
    void SetScrollSizes(int nMapMode, SIZE sizeTotal, const SIZE& sizePage = sizeDefault,
                        const SIZE& sizeLine = sizeDefault);
    void GetDeviceScrollSizes(int& nMapMode, SIZE& sizeTotal, SIZE& sizePage, SIZE& sizeLine) const;
    CSize GetTotalSize() const { return m_totalLog; }
    // The scroll position: in device pixels, and in logical units.
    CPoint GetDeviceScrollPosition() const;
    CPoint GetScrollPosition() const;
    // Scrolls so that the logical point pt is at the window's top-left
    // (as far as the scroll ranges allow).
    void ScrollToPosition(POINT pt);
    // Fills the part of the client area outside the document (call it from
    // OnEraseBkgnd, with the DC as it comes).
    void FillOutsideRect(CDC* pDC, CBrush* pBrush);

    // Origin at the scroll position, in the view's map mode.
    void OnPrepareDC(CDC* pDC, CPrintInfo* pInfo = nullptr) override;
    // A scroll-bar action: nScrollCode = MAKEWORD(horizontal code, vertical
    // code), 0xFF for "none". FALSE when nothing would move.
    virtual BOOL OnScroll(UINT nScrollCode, UINT nPos, BOOL bDoScroll = TRUE);
    // Scrolls by sizeScroll device pixels, within the ranges.
    virtual BOOL OnScrollBy(CSize sizeScroll, BOOL bDoScroll = TRUE);

protected:
    // Shows the scroll bars the total size needs and sets their ranges,
    // pages and (kept in range) positions.
    void UpdateBars();
    // Scrolls to ptDev (device pixels, kept in range).
    void ScrollToDevicePosition(POINT ptDev);
    // The client size without the scroll bars, and the bars' sizes.
    void GetTrueClientSize(CSize& size, CSize& sizeSb) const;
    // The furthest position of each bar (0 when it is not shown).
    CSize GetScrollLimit() const;

    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnHScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
    afx_msg void OnVScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
    afx_msg BOOL OnMouseWheel(UINT nFlags, short zDelta, CPoint pt);
    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    DECLARE_MESSAGE_MAP()

    int m_nMapMode;
    CSize m_totalLog;  // total size in logical units
    CSize m_totalDev;  // total size in device pixels
    CSize m_pageDev;   // page in device pixels
    CSize m_lineDev;   // line in device pixels
    BOOL m_bInsideUpdate;
};
