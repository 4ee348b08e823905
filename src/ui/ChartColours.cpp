#include "ui/ChartColours.h"

namespace tw {

namespace {

QColor Mix(const QColor& a, const QColor& b, qreal share) {
    return QColor::fromRgbF(a.redF() + (b.redF() - a.redF()) * share,
                            a.greenF() + (b.greenF() - a.greenF()) * share,
                            a.blueF() + (b.blueF() - a.blueF()) * share);
}

}  // namespace

bool IsDark(const QPalette& palette) { return palette.color(QPalette::Base).lightness() < 128; }

ChartColours ColoursFor(const QPalette& palette) {
    const bool dark = IsDark(palette);
    ChartColours c;
    c.background = palette.color(QPalette::Base);
    c.text = palette.color(QPalette::Text);
    c.grid = Mix(c.background, c.text, 0.15);
    c.axisLine = Mix(c.background, c.text, 0.45);
    c.oil = Mix(c.background, c.text, 0.85);
    // A colour-blind-safe set (sky blue, reddish purple, bluish green, orange, blue,
    // vermillion), in lighter shades where the background is dark.
    c.use = dark ? QColor(0x56, 0xb4, 0xe9) : QColor(0x4a, 0xa3, 0xd8);
    c.cost = dark ? QColor(0xcc, 0x79, 0xa7) : QColor(0xb8, 0x5a, 0x96);
    c.delivery = dark ? QColor(0x2e, 0xc4, 0x9e) : QColor(0x00, 0x9e, 0x73);
    c.reserve = QColor(0xe6, 0x9f, 0x00);
    c.reserve.setAlpha(dark ? 90 : 70);
    c.orderBy = dark ? QColor(0x6c, 0xb2, 0xf0) : QColor(0x00, 0x72, 0xb2);
    c.runOut = dark ? QColor(0xff, 0x7f, 0x3f) : QColor(0xd5, 0x5e, 0x00);
    return c;
}

}  // namespace tw
