// GradientProgressCtrl.h - a progress bar that paints a colour gradient.
#pragma once

#include "VokitDefs.h"

#include <afxwin.h>

// A progress bar whose filled part shows colour steps from the start colour
// at its left edge to the end colour at its right edge, the rest in the
// background colour, optionally with the percentage centred over it. It
// keeps its own range, position and step for painting and passes every
// change on to the progress control of the platform. A position at or
// outside either bound paints the control empty.
class VOKIT_API CGradientProgressCtrl : public CProgressCtrl {
public:
    CGradientProgressCtrl();
    ~CGradientProgressCtrl() override;

    // Sets the position to nLower as well.
    void SetRange(int nLower, int nUpper);
    // Each returns the low 16 bits of the platform's answer (the old
    // position or step).
    int SetPos(int nPos);
    int SetStep(int nStep);
    // Adds the step to the position, with no wrap at the upper bound.
    int StepIt();

    // The colours and the percentage flag take effect at the next repaint.
    void SetStartColor(COLORREF colour) { m_crStart = colour; }
    COLORREF GetStartColor() const { return m_crStart; }
    void SetEndColor(COLORREF colour) { m_crEnd = colour; }
    COLORREF GetEndColor() const { return m_crEnd; }
    void SetBkColor(COLORREF colour) { m_crBackground = colour; }
    COLORREF GetBkColor() const { return m_crBackground; }
    void SetTextColor(COLORREF colour) { m_crText = colour; }
    COLORREF GetTextColor() const { return m_crText; }
    void ShowPercent(BOOL show) { m_bShowPercent = show; }

protected:
    afx_msg void OnPaint();
    // Every pixel is painted by OnPaint: nothing to erase.
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    // The colour steps through an off-screen surface (directly when printing).
    void DrawGradient(CPaintDC* pDC, const RECT& client, const int& barWidth);

    int m_nLower;
    int m_nUpper;
    int m_nStep;
    int m_nPos;
    COLORREF m_crStart;
    COLORREF m_crEnd;
    COLORREF m_crBackground;
    COLORREF m_crText;
    BOOL m_bShowPercent;

    DECLARE_MESSAGE_MAP()

private:
    void Store(int& field, int value);
};
