// afxpriv.h - what the framework's frame, control-bar and view classes
// share among themselves: private messages, the layout record of control
// bars and the cached system metrics.
#pragma once

#include "AfxTypes.h"

// Private messages of the frame machinery (0x0360 and up).
#define WM_SIZEPARENT      0x0361  // lParam: AFX_SIZEPARENTPARAMS*; a bar takes its share of the client
#define WM_IDLEUPDATECMDUI 0x0363  // wParam: disable items that have no handler
#define WM_INITIALUPDATE   0x0364  // sent to the views of a new frame
#define WM_FLOATSTATUS     0x036D  // wParam: FS_ACTIVATE or FS_DEACTIVATE, to floating frames

#define FS_ACTIVATE   0x0004
#define FS_DEACTIVATE 0x0008

// The layout pass of CWnd::RepositionBars: each bar takes its piece off
// rect and places itself there (unless only asked: bQuery).
struct AFX_SIZEPARENTPARAMS {
    RECT rect;       // what is still free, in the parent's client coordinates
    SIZE sizeTotal;  // what the bars took so far (both directions)
    BOOL bStretch;   // bars stretch across the free length
    BOOL bQuery;     // measure only; move nothing
};

// Moves a bar to rect during a layout pass; nothing happens when it is there
// already (so that an unchanged layout sends no window messages).
AFX_API void AFXAPI AfxRepositionWindow(AFX_SIZEPARENTPARAMS* lpLayout, HWND hWnd, LPCRECT lpRect);

// System metrics the frame classes draw and measure with.
struct AFX_API AUX_DATA {
    int cxBorder2;  // doubled window border width
    int cyBorder2;  // doubled window border height
    int cxVScroll;  // width of a vertical scroll bar
    int cyHScroll;  // height of a horizontal scroll bar
    COLORREF clrBtnFace;
    COLORREF clrBtnShadow;
    COLORREF clrBtnHilite;

    AUX_DATA() { UpdateSysMetrics(); }
    // Reads the metrics and colours again (after a settings change).
    void UpdateSysMetrics();
};
extern AFX_API AUX_DATA afxData;
