// DockContext2.h - the docking context of CDockableViewSite.
//
// Classes:
//   CDockContext2  the framework's docking context with its own resize of
//                  a floating bar: every edge and every corner, each
//                  direction asked of the bar on its own (width with mode 0,
//                  height with LM_LENGTHY)
#pragma once

#include "VokitDefs.h"

#include <afxext.h>

class VOKIT_API CDockContext2 : public CDockContext {
public:
    explicit CDockContext2(CControlBar* pBar);
    CDockContext2(const CDockContext2&) = default;
    CDockContext2& operator=(const CDockContext2&) = default;
    ~CDockContext2() override;

    // Resizes the floating bar at the edge or corner nHitTest, from the
    // mouse at pt (screen).
    void StartResize(int nHitTest, CPoint pt) override;
    // One move of the mouse: the requested and the answered rectangles.
    void Stretch2(CPoint pt);
    // Commits the width and floats the bar at the new frame rectangle.
    void EndResize2();
    // The loop of the resize; TRUE when the left button went up.
    BOOL Track2();
};
