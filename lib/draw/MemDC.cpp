// MemDC.cpp - the off-screen device context.
#include "MemDC.h"

CMemDC::CMemDC(CDC* pDC) : m_pOldBitmap(nullptr), m_pDC(pDC), m_rect(0, 0, 0, 0), m_bMemDC(FALSE) {
    ASSERT(pDC != nullptr);
    if (!pDC) return;
    if (!pDC->IsPrinting()) {
        pDC->GetClipBox(&m_rect);
        if (CreateCompatibleDC(pDC) && m_bitmap.CreateCompatibleBitmap(pDC, m_rect.Width(), m_rect.Height())) {
            m_pOldBitmap = SelectObject(&m_bitmap);
            SetWindowOrg(m_rect.left, m_rect.top);
            m_bMemDC = TRUE;
            return;
        }
        // No room for the bitmap: painting straight away beats losing it.
        DeleteDC();
    }
    BorrowHandlesOf(pDC);
}

CMemDC::~CMemDC() {
    if (m_bMemDC) {
        m_pDC->BitBlt(m_rect.left, m_rect.top, m_rect.Width(), m_rect.Height(), this, m_rect.left, m_rect.top, SRCCOPY);
        SelectObject(m_pOldBitmap);
    } else {
        // Borrowed: the real context stays with its owner.
        m_hDC = m_hAttribDC = nullptr;
    }
}

void CMemDC::BorrowHandlesOf(CDC* pDC) {
    m_bPrinting = pDC->m_bPrinting;
    m_hDC = pDC->m_hDC;
    m_hAttribDC = pDC->m_hAttribDC;
}
