// GradientSteps.cpp - the colour steps and the percentage of a progress
// gradient.
#include "GradientSteps.h"

#include <algorithm>
#include <cstdlib>

namespace vokit_gradient {

bool ShowsBar(int lower, int pos, int upper) { return lower < pos && pos < upper && upper != 0; }

int BarWidth(int pos, int upper, int width) {
    if (upper == 0 || width <= 0) return 0;
    const double bar = static_cast<double>(pos) / upper * width;
    if (bar <= 0) return 0;
    return bar >= width ? width : static_cast<int>(bar);
}

void PaintSteps(CDC* pDC, const RECT& rect, int barWidth, COLORREF start, COLORREF end, COLORREF background) {
    const int width = rect.right - rect.left;
    const int height = rect.bottom - rect.top;
    const int deltaR = GetRValue(end) - GetRValue(start);
    const int deltaG = GetGValue(end) - GetGValue(start);
    const int deltaB = GetBValue(end) - GetBValue(start);
    const int steps = std::max({std::abs(deltaR), std::abs(deltaG), std::abs(deltaB)});
    if (steps == 0) {
        const int bar = std::clamp(barWidth, 0, width);
        pDC->FillSolidRect(rect.left, rect.top, bar, height, start);
        pDC->FillSolidRect(rect.left + bar, rect.top, width - bar, height, background);
        return;
    }

    // Single precision, as the steps have always been laid out.
    const float stepWidth = static_cast<float>(width) / static_cast<float>(steps);
    const float stepR = static_cast<float>(deltaR) / static_cast<float>(steps);
    const float stepG = static_cast<float>(deltaG) / static_cast<float>(steps);
    const float stepB = static_cast<float>(deltaB) / static_cast<float>(steps);
    for (int i = 0; i < steps; ++i) {
        const int left = rect.left + static_cast<int>(stepWidth * static_cast<float>(i));
        // The last step ends on the edge, whatever the rounding of the widths.
        const int right =
            i + 1 == steps ? rect.right : rect.left + static_cast<int>(stepWidth * static_cast<float>(i + 1));
        if (right > left) {
            const auto component = [i](BYTE from, float step) {
                return static_cast<BYTE>(static_cast<int>(static_cast<float>(from) + step * static_cast<float>(i)) &
                                         0xFF);
            };
            pDC->FillSolidRect(left, rect.top, right - left, height,
                               RGB(component(GetRValue(start), stepR), component(GetGValue(start), stepG),
                                   component(GetBValue(start), stepB)));
        }
        if (right > rect.left + barWidth) {
            pDC->FillSolidRect(right, rect.top, rect.right - right, height, background);
            return;
        }
    }
}

void DrawPercent(CDC* pDC, const RECT& rect, int pos, int upper, COLORREF colour) {
    CString text;
    text.Format("%.0f%%", static_cast<double>(pos) * 100.0 / upper);
    const COLORREF oldColour = pDC->SetTextColor(colour);
    const int oldMode = pDC->SetBkMode(TRANSPARENT);
    CRect area(rect);
    pDC->DrawText(text, &area, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    pDC->SetBkMode(oldMode);
    pDC->SetTextColor(oldColour);
}

}  // namespace vokit_gradient
