// LxBase.h - the ready-to-use extended list for dialog controls.
#pragma once

#include "ListCtrlEx.h"

// CListCtrlEx with the editor IDs 122 (edit box), 123 (calculator) and 124
// (drop-down list) and rows 16 pixels high. Meant to be subclassed from a
// dialog's list control, whose template carries LVS_REPORT and
// LVS_OWNERDRAWFIXED.
class VOKIT_API CLxBase : public CListCtrlEx {
public:
    CLxBase();
    ~CLxBase() override;

protected:
    // One-pixel-wide, 16-pixel-high transparent images: they give the rows
    // their height.
    CImageList m_imageList;

    void PreSubclassWindow() override;
    DECLARE_MESSAGE_MAP()
};
