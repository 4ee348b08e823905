#pragma once
#include <QColor>
#include <QPalette>

namespace tw {

// The History chart's colours, taken from the palette so the chart follows a light or
// a dark desktop. Each series keeps its hue in both (a lighter shade on dark), and the
// hues are told apart with the common colour-vision deficiencies: blues against
// oranges and purples, and shapes besides (bars, points, triangles, dashes).
struct ChartColours {
    QColor background, text, grid, axisLine;
    QColor use, cost, oil, delivery, reserve, orderBy, runOut;
};

ChartColours ColoursFor(const QPalette& palette);
bool IsDark(const QPalette& palette);

}  // namespace tw
