// GradientDraw.h - a progress gradient drawn into any rectangle.
#pragma once

#include "DrawTool.h"

// Draws the look of CGradientProgressCtrl into a rectangle of the tool's
// context: colour steps from the start colour to the end colour across the
// rectangle, filled up to the position, the rest in the background colour,
// optionally with the percentage. The range is fixed at 0 to 100.
class VOKIT_API CGradientDraw : public CDrawTool {
public:
    explicit CGradientDraw(CDC* pDC);
    ~CGradientDraw() override;

    void SetColorStart(COLORREF colour) { m_crStart = colour; }
    void SetColorEnd(COLORREF colour) { m_crEnd = colour; }
    void SetColorBkGround(COLORREF colour) { m_crBackground = colour; }
    void SetColorText(COLORREF colour) { m_crText = colour; }
    void ShowPercent(bool show) { m_bShowPercent = show; }

    // A position at or outside either bound only fills rect with the
    // button face colour.
    void Draw(const CRect& rect, int pos);

private:
    void DrawGradient(CDC* pDC, const RECT& rect, const int& barWidth);

    int m_nLower;
    int m_nUpper;
    int m_nStep;
    int m_nPos;
    COLORREF m_crStart;
    COLORREF m_crEnd;
    COLORREF m_crBackground;
    COLORREF m_crText;
    bool m_bShowPercent;
};
