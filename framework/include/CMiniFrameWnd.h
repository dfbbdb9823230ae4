// CMiniFrameWnd.h - small-captioned frame windows that float beside their
// owner.
//
// Classes:
//   CMiniFrameWnd  a tool window (small caption) owned by its parent frame.
//                  MFS_4THICKFRAME lets it be sized at its edges only,
//                  MFS_SYNCACTIVE shows its caption active together with
//                  its owner's.
#pragma once

#include "CFrameWnd.h"

// Mini-frame styles (in the window style).
#define MFS_SYNCACTIVE   0x00000100L  // caption active when the owner's is
#define MFS_4THICKFRAME  0x00000200L  // sizing edges but no sizing corners
#define MFS_THICKFRAME   0x00000400L  // sizing edges and corners
#define MFS_MOVEFRAME    0x00000800L  // moved by its caption only
#define MFS_BLOCKSYSMENU 0x00001000L  // no system menu on the caption

class AFX_API CMiniFrameWnd : public CFrameWnd {
    DECLARE_DYNCREATE(CMiniFrameWnd)
public:
    CMiniFrameWnd();
    ~CMiniFrameWnd() override;

    // A popup owned by pParentWnd; dwStyle may hold MFS_* and WS_* styles.
    BOOL Create(LPCSTR lpClassName, LPCSTR lpWindowName, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd = nullptr,
                UINT nID = 0);
    // Grows a client rectangle to the window rectangle of a mini frame
    // with these styles (small caption, frame).
    static void PASCAL CalcBorders(LPRECT lpClientRect, DWORD dwStyle = WS_THICKFRAME | WS_CAPTION,
                                   DWORD dwExStyle = 0);

protected:
    BOOL PreCreateWindow(CREATESTRUCT& cs) override;
    afx_msg LRESULT OnNcHitTest(CPoint point);
    afx_msg BOOL OnNcActivate(BOOL bActive);
    afx_msg LRESULT OnFloatStatus(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

    // Some window above this one in the z-order is its owner.
    BOOL IsBelowOwner() const;

    BOOL m_bOwnerActive;  // the owner frame's caption is active
};
