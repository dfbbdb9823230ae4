// MemDC.h - a device context for flicker-free painting.
#pragma once

#include "VokitDefs.h"

#include <afxwin.h>

// Stands in for a real context: drawing goes to an off-screen bitmap of the
// real context's clip box, with the same logical coordinates, and is copied
// to the real context when the object goes. Over a printing context (or
// when no off-screen bitmap can be made) it draws on the real context
// directly and releases nothing of it.
class VOKIT_API CMemDC : public CDC {
public:
    explicit CMemDC(CDC* pDC);
    ~CMemDC() override;

    // The object itself, so that it can stand where a CDC* is expected.
    CMemDC* operator->() { return this; }
    operator CMemDC*() { return this; }

protected:
    CBitmap m_bitmap;       // the off-screen bitmap; owned
    CBitmap* m_pOldBitmap;  // selected in the memory context before m_bitmap
    CDC* m_pDC;             // the real context; not owned
    CRect m_rect;           // the clip box of the real context
    BOOL m_bMemDC;          // drawing off-screen

private:
    void BorrowHandlesOf(CDC* pDC);
};
