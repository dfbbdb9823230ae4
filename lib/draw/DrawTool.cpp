// DrawTool.cpp - lines, rectangles and labelled boxes on one context.
#include "DrawTool.h"

namespace {
const int kLabelInset = 2;  // the label keeps this far from the box's edges

CString NumberLabel(long number) {
    CString text;
    if (number != 0) text.Format("%ld", number);
    return text;
}
}  // namespace

CDrawTool::CDrawTool(CDC* pDC)
    : m_pDC(pDC), m_pOldFont(nullptr), m_logFont(), m_nStepX(0), m_nStepY(0), m_nOriginY(0), m_nOriginX(0) {
    ASSERT(pDC != nullptr);
    ::GetObjectA(::GetStockObject(DEFAULT_GUI_FONT), sizeof m_logFont, &m_logFont);
    if (m_pDC && m_font.CreateFontIndirect(&m_logFont)) m_pOldFont = m_pDC->SelectObject(&m_font);
}

CDrawTool::~CDrawTool() {
    if (m_pDC && m_pOldFont) m_pDC->SelectObject(m_pOldFont);
}

void CDrawTool::LINE(int x1, int y1, int x2, int y2) {
    m_pDC->MoveTo(x1, y1);
    m_pDC->LineTo(x2, y2);
}

void CDrawTool::PSET(int x, int y) {
    m_pDC->MoveTo(x, y);
    m_nOriginX = x;
    m_nOriginY = y;
    m_nStepX = m_nStepY = 0;
}

void CDrawTool::LINESTEP(int dx, int dy) {
    m_pDC->LineTo(m_nOriginX + m_nStepX + dx, m_nOriginY + m_nStepY + dy);
    m_nStepX += dx;
    m_nStepY += dy;
}

void CDrawTool::LINETOSTEP(int x, int y, int dx, int dy) {
    PSET(x, y);
    LINESTEP(dx, dy);
}

void CDrawTool::Rectangle(int x, int y, int w, int h) {
    LINE(x, y, x + w, y);
    LINE(x, y, x, y + h);
    LINE(x + w, y, x + w, y + h);
    LINE(x, y + h, x + w, y + h);
}

void CDrawTool::Rectangle(int x, int y, int w, int h, COLORREF colour) {
    CBrush brush(colour);
    CBrush* pOldBrush = m_pDC->SelectObject(&brush);
    m_pDC->Rectangle(x, y, x + w, y + h);
    m_pDC->SelectObject(pOldBrush);
}

void CDrawTool::Rectangle2(int x, int y, int w, int h, COLORREF colour, COLORREF shadow, int offset, CString text,
                           UINT align, int frame) {
    LabelledBox(x, y, w, h, colour, shadow, RGB(0, 0, 0), offset, text, align, frame, y + kLabelInset);
}

void CDrawTool::Rectangle2(int x, int y, int w, int h, COLORREF colour, COLORREF shadow, int offset, long number,
                           UINT align, int frame) {
    Rectangle2(x, y, w, h, colour, shadow, offset, NumberLabel(number), align, frame);
}

void CDrawTool::Rectangle3(int x, int y, int w, int h, COLORREF colour, COLORREF shadow, COLORREF textColour,
                           int offset, CString text, UINT align, int frame) {
    LabelledBox(x, y, w, h, colour, shadow, textColour, offset, text, align, frame, y + kLabelInset - 1);
}

void CDrawTool::Rectangle3(int x, int y, int w, int h, COLORREF colour, COLORREF shadow, COLORREF textColour,
                           int offset, long number, UINT align, int frame) {
    Rectangle3(x, y, w, h, colour, shadow, textColour, offset, NumberLabel(number), align, frame);
}

// With a frame the box and its shadow are filled and the label gets the
// box's colour behind it; without one the context's colours stay.
void CDrawTool::LabelledBox(int x, int y, int w, int h, COLORREF colour, COLORREF shadow, COLORREF textColour,
                            int offset, const CString& text, UINT align, int frame, int textTop) {
    if (frame != 0) {
        Rectangle(x + offset, y + offset, w, h, shadow);
        Rectangle(x, y, w, h, colour);
        m_pDC->SetBkColor(colour);
        m_pDC->SetTextColor(textColour);
    }
    const CRect clip(x + kLabelInset, y + kLabelInset, x + w - kLabelInset, y + h - kLabelInset);
    const int textWidth = m_pDC->GetTextExtent(text).cx;
    int left;
    switch (align) {
    case 0:
        left = x + kLabelInset;
        break;
    case 1:
        left = x + w / 2 - textWidth / 2 - kLabelInset;
        break;
    case 2:
        left = x + w - textWidth - kLabelInset;
        break;
    default:
        return;
    }
    m_pDC->ExtTextOut(left, textTop, ETO_CLIPPED, &clip, text, static_cast<UINT>(text.GetLength()), nullptr);
}

CSize CDrawTool::GetTextSize() { return m_pDC->GetTextExtent("8", 1); }
