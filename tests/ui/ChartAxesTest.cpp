// The History chart's time labels: the marks come first, months are named once and
// at a step that leaves them apart, and a narrow chart drops labels rather than let
// them run together.
#include <QApplication>
#include <QDateTime>
#include <gtest/gtest.h>

#include "ui/ChartAxes.h"

namespace tw {
namespace {

qreal Ms(int y, int m, int d) { return qreal(QDate(y, m, d).startOfDay().toMSecsSinceEpoch()); }

TEST(ChartAxes, TimeLabelsKeepTheMarksAndNeverCollide) {
    const QFontMetricsF metrics(QApplication::font());
    const QLocale uk(QLocale::English, QLocale::UnitedKingdom);
    const qreal min = Ms(2023, 9, 20), max = Ms(2025, 6, 10);
    const std::vector<AxisLabel> marks = {{Ms(2025, 3, 30), "Order by 30/03/2025"}, {Ms(2025, 4, 2), "Runs out 02/04/2025"}};
    size_t previous = 1000;
    for (const qreal width : {2000.0, 700.0, 300.0, 100.0}) {
        const std::vector<AxisLabel> labels = TimeAxisLabels(min, max, width, marks, metrics, uk);
        QStringList texts;
        for (size_t i = 0; i < labels.size(); ++i) {
            texts << labels[i].text;
            if (i == 0) continue;
            // Centred on their moments, neighbours leave a gap between them.
            const qreal apart = (labels[i].at - labels[i - 1].at) * width / (max - min);
            EXPECT_GT(apart, (metrics.horizontalAdvance(labels[i].text) + metrics.horizontalAdvance(labels[i - 1].text)) / 2)
                << width << " " << texts.join('|').toStdString();
        }
        EXPECT_EQ(texts.removeDuplicates(), 0) << width;
        // The order-by date always shows; the run-out date three days later only
        // where it has room, which it never has beside it.
        EXPECT_TRUE(texts.contains("Order by 30/03/2025")) << width;
        EXPECT_FALSE(texts.contains("Runs out 02/04/2025")) << width;
        EXPECT_LE(labels.size(), previous);
        previous = labels.size();
        // Each label within its share of the axis, which the chart would cut it to.
        for (const AxisLabel& label : labels)
            if (labels.size() > 1) { EXPECT_LE(metrics.horizontalAdvance(label.text), width / qreal(labels.size() + 1)) << width; }
        if (width == 2000.0) { EXPECT_TRUE(texts.contains("Jan 24") && texts.contains("Jan 25") && labels.size() > 8) << texts.join('|').toStdString(); }
    }
    EXPECT_EQ(previous, 1u);  // at 100 pixels the mark alone
}

}  // namespace
}  // namespace tw
