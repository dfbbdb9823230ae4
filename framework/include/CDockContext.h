// CDockContext.h - dragging a control bar to another side of its frame or
// out into a floating frame, and resizing a floating bar.
//
// Classes:
//   CDockContext  belongs to one control bar (made by EnableDocking).
//                 StartDrag follows the mouse with a focus rectangle: thin
//                 in the bar's docked shape over a dock bar it may dock at,
//                 thick in its floating frame's shape elsewhere; button-up
//                 docks or floats the bar there. StartResize does the same
//                 for the edges of a floating frame. ToggleDocking docks a
//                 floating bar where it was last docked, or floats a docked
//                 one where it last floated.
//
// Both loops capture the mouse and run their own message loop until the
// left button goes up (done), Escape, the right button or a loss of the
// capture (cancelled); they never wait for anything else.
#pragma once

#include "CControlBar.h"

class CDockBar;
class CFrameWnd;

class AFX_API CDockContext {
public:
    explicit CDockContext(CControlBar* pBar);
    virtual ~CDockContext();

    // pt: the mouse in screen coordinates.
    virtual void StartDrag(CPoint pt);
    // nHitTest: the edge or corner (HTLEFT ... HTBOTTOMRIGHT) of the floating frame.
    virtual void StartResize(int nHitTest, CPoint pt);
    virtual void ToggleDocking();

    // --- the drag ---
    void Move(CPoint pt);
    void EndDrag();
    // Ctrl held: never dock (float wherever the mouse is).
    void OnKey(int nChar, BOOL bDown);
    // The side the bar would dock at now (CBRS_ALIGN_*), 0 for floating.
    DWORD CanDock();
    CDockBar* GetDockBar(DWORD dwOverDockStyle) const;

    // --- the resize of a floating bar ---
    void Stretch(CPoint pt);
    void EndResize();

    // --- the loop ---
    // Prepares a loop: draws on the locked desktop from now on.
    void InitLoop();
    // Ends a loop: removes the focus rectangle, releases capture and desktop.
    void CancelLoop();
    // Runs the loop; TRUE when it ended with the left button up.
    BOOL Track();
    // Draws the current drag or resize rectangle in place of the last one
    // (bRemoveRect: removes the last one only).
    void DrawFocusRect(BOOL bRemoveRect = FALSE);

    // --- state ---
    CPoint m_ptLast;            // the mouse at the last move (screen)
    CRect m_rectLast;           // the focus rectangle on the screen now
    CSize m_sizeLast;           // its thickness
    BOOL m_bDitherLast;         // it is the thick floating one
    CRect m_rectDragHorz;       // the bar docked at the top or bottom, where the mouse is
    CRect m_rectDragVert;       // the bar docked at the left or right
    CRect m_rectFrameDragHorz;  // the floating frame, horizontal bar
    CRect m_rectFrameDragVert;  // the floating frame, vertical bar

    CControlBar* m_pBar;
    CFrameWnd* m_pDockSite;
    DWORD m_dwDockStyle;      // the bar's allowed sides when the loop began
    DWORD m_dwOverDockStyle;  // the side under the mouse, 0 when floating
    DWORD m_dwStyle;          // the bar's style when the loop began
    BOOL m_bFlip;             // the floating shape is the other orientation
    BOOL m_bForceFrame;       // Ctrl held: float only
    CDC* m_pDC;               // the desktop's DC during a loop
    BOOL m_bDragging;         // a drag (else a resize) runs

    int m_nHitTest;               // the edge being resized
    CRect m_rectRequestedSize;    // the bar as the mouse asks for it
    CRect m_rectActualSize;       // the bar as it answers
    CRect m_rectActualFrameSize;  // its floating frame
    CRect m_rectFrameBorders;     // (0, 0, frame width - bar width, frame height - bar height)

    UINT m_uMRUDockID;        // the dock bar it was last docked at
    CRect m_rectMRUDockPos;   // and where (screen)
    DWORD m_dwMRUFloatStyle;  // how it last floated (0: never)
    CPoint m_ptMRUFloatPos;   // and where

protected:
    // The set-up shared by the resize loops: the three rectangles from the
    // bar's floating size at its window's top-left.
    void InitResize(int nHitTest, CPoint pt);
    // Changes the bar's width (or height) in the resize rectangles, keeping
    // the opposite edge when bFromStart (left or top) moved.
    void SetResizeWidth(int nWidth, BOOL bFromStart);
    void SetResizeHeight(int nHeight, BOOL bFromStart);
    // The loop of Track, with the stretch and end steps of a resize.
    BOOL RunTrackLoop(void (CDockContext::*pfnStretch)(CPoint), void (CDockContext::*pfnEndResize)());
    // The style a bar floats with after a drag or resize.
    DWORD FloatStyle(BOOL bHorz) const;
    // Which edges of the floating frame a hit-test code moves.
    static BOOL PASCAL HitsLeft(int nHitTest);
    static BOOL PASCAL HitsRight(int nHitTest);
    static BOOL PASCAL HitsTop(int nHitTest);
    static BOOL PASCAL HitsBottom(int nHitTest);
};
