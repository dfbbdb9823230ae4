// DrawTool.h - a small drawing toolkit bound to one device context.
#pragma once

#include "VokitDefs.h"

#include <afxwin.h>

// Selects the default GUI font into the context for its lifetime and draws
// lines (absolute, or as relative steps from a start point like a pen),
// outlined and filled rectangles and labelled boxes with a drop shadow.
class VOKIT_API CDrawTool {
public:
    explicit CDrawTool(CDC* pDC);
    virtual ~CDrawTool();
    CDrawTool(const CDrawTool&) = delete;
    CDrawTool& operator=(const CDrawTool&) = delete;

    void LINE(int x1, int y1, int x2, int y2);
    // Starts a path of relative steps at (x, y).
    void PSET(int x, int y);
    // Draws on from the end of the path by (dx, dy).
    void LINESTEP(int dx, int dy);
    void LINETOSTEP(int x, int y, int dx, int dy);

    // The outline with the current pen, edge by edge.
    void Rectangle(int x, int y, int w, int h);
    // Filled with a solid brush of colour, outlined with the current pen.
    void Rectangle(int x, int y, int w, int h, COLORREF colour);
    // A box with a shadow offset below right (when frame is not 0) and a
    // label in black, clipped to the box; align 0 left, 1 centred, 2 right,
    // anything else no label. A number is labelled "%d", 0 not at all.
    void Rectangle2(int x, int y, int w, int h, COLORREF colour, COLORREF shadow, int offset, CString text, UINT align,
                    int frame);
    void Rectangle2(int x, int y, int w, int h, COLORREF colour, COLORREF shadow, int offset, long number, UINT align,
                    int frame);
    // The same with the label in textColour, one pixel higher.
    void Rectangle3(int x, int y, int w, int h, COLORREF colour, COLORREF shadow, COLORREF textColour, int offset,
                    CString text, UINT align, int frame);
    void Rectangle3(int x, int y, int w, int h, COLORREF colour, COLORREF shadow, COLORREF textColour, int offset,
                    long number, UINT align, int frame);

    // The size of the digit "8" in the font selected in the context.
    CSize GetTextSize();

protected:
    CDC* m_pDC;          // not owned
    CFont m_font;        // the default GUI font; owned
    CFont* m_pOldFont;   // the context's font before
    LOGFONTA m_logFont;  // description of the stock DEFAULT_GUI_FONT
    int m_nStepX;        // steps drawn since the last PSET
    int m_nStepY;
    int m_nOriginY;  // the point of the last PSET
    int m_nOriginX;

private:
    void LabelledBox(int x, int y, int w, int h, COLORREF colour, COLORREF shadow, COLORREF textColour, int offset,
                     const CString& text, UINT align, int frame, int textTop);
};
