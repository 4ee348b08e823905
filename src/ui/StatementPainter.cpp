#include "ui/StatementPainter.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPainterPath>
#include <QPdfWriter>
#include <algorithm>

#include "logs/StatementText.h"

namespace tw {

namespace {

// Lays the document out from the top of each page down. Run once without a painter
// to count the pages, then again to draw them.
class PageWriter {
public:
    PageWriter(QPagedPaintDevice& device, QPainter* painter, int pages)
        : device_(device), painter_(painter), pages_(pages),
          area_(0, 0, device.width(), device.height()) {
        const QFontMetricsF m(font(9), &device_);
        bottom_ = area_.bottom() - 2 * m.height();
    }

    QFont font(double points, bool bold = false) const {
        QFont f(QStringLiteral("DejaVu Sans"));
        f.setPointSizeF(points);
        f.setBold(bold);
        return f;
    }
    double width() const { return area_.width(); }
    double mm(double v) const { return v * device_.logicalDpiY() / 25.4; }

    // Height of a text wrapped into the width.
    double height(const QString& text, const QFont& f, double w) const {
        return QFontMetricsF(f, &device_).boundingRect(QRectF(0, 0, w, 1e6), Qt::TextWordWrap, text).height();
    }
    void room(double h) {
        if (y_ + h <= bottom_ || y_ == 0) return;
        finishPage();
        if (painter_) device_.newPage();
        ++page_;
        y_ = 0;
    }
    void text(const QString& t, const QFont& f, double x, double w, double h, Qt::Alignment align = Qt::AlignLeft) {
        if (!painter_) return;
        painter_->setFont(f);
        painter_->drawText(QRectF(x, y_, w, h), int(align | Qt::TextWordWrap), t);
    }
    // A paragraph over the full width.
    void line(const QString& t, const QFont& f, double after = 0) {
        const double h = height(t, f, width());
        room(h);
        text(t, f, 0, width(), h);
        y_ += h + after;
    }
    void rowOf(const QStringList& cells, const std::vector<double>& widths, const QFont& f) {
        double h = 0;
        for (int i = 0; i < cells.size(); ++i) h = std::max(h, height(cells[i], f, widths[size_t(i)] - mm(2)));
        room(h);
        double x = 0;
        for (int i = 0; i < cells.size(); ++i) {
            text(cells[i], f, x, widths[size_t(i)] - mm(2), h, i == 0 ? Qt::AlignLeft : Qt::AlignRight);
            x += widths[size_t(i)];
        }
        y_ += h + mm(0.8);
    }
    void skip(double h) { y_ += h; }
    double y() const { return y_; }
    QPainter* painter() const { return painter_; }
    void finishPage() {
        if (!painter_) return;
        const QFont f = font(8);
        const double h = QFontMetricsF(f, &device_).height();
        painter_->setFont(f);
        painter_->setPen(Qt::darkGray);
        const QRectF foot(0, area_.bottom() - h, width(), h);
        painter_->drawText(foot, Qt::AlignLeft, footer);
        painter_->drawText(foot, Qt::AlignRight,
                           QCoreApplication::translate("StatementPainter", "Page %1 of %2").arg(page_).arg(pages_));
        painter_->setPen(Qt::black);
    }
    int page() const { return page_; }
    QString footer;

private:
    QPagedPaintDevice& device_;
    QPainter* painter_;
    int pages_;
    QRectF area_;
    double bottom_ = 0, y_ = 0;
    int page_ = 1;
};

void DrawChart(PageWriter& out, const StatementDocument& doc) {
    if (doc.months.empty()) return;
    const QFont small = out.font(7.5);
    const double h = out.mm(55);
    out.line(doc.chartTitle, out.font(11, true), out.mm(2));
    out.room(h);
    QPainter* p = out.painter();
    if (p) {
        double maxUse = 1, maxDd = 1;
        for (const MonthFigure& m : doc.months) {
            maxUse = std::max(maxUse, m.used);
            maxDd = std::max(maxDd, m.degreeDays);
        }
        const double labelH = out.mm(5), top = out.y() + out.mm(6), plotH = h - labelH - out.mm(8);
        const double left = out.mm(14), plotW = out.width() - 2 * left;
        const double slot = plotW / double(doc.months.size());
        p->setFont(small);
        const QColor useColour(0x2b, 0x6c, 0xb0), ddColour(0xd9, 0x5f, 0x02);
        const double mark = out.mm(2.5);
        p->fillRect(QRectF(0, out.y() + out.mm(0.8), mark, mark), useColour);
        p->drawText(QRectF(mark * 1.6, out.y(), out.width() / 2, out.mm(5)), Qt::AlignLeft,
                    QCoreApplication::translate("StatementPainter", "%1, highest %2")
                        .arg(doc.useLegend)
                        .arg(std::lround(maxUse)));
        p->fillRect(QRectF(out.width() / 2, out.y() + out.mm(1.7), mark, out.mm(0.6)), ddColour);
        p->drawText(QRectF(out.width() / 2 + mark * 1.6, out.y(), out.width() / 2, out.mm(5)), Qt::AlignLeft,
                    QCoreApplication::translate("StatementPainter", "%1, highest %2")
                        .arg(doc.degreeDayLegend)
                        .arg(std::lround(maxDd)));
        p->drawLine(QPointF(left, top + plotH), QPointF(left + plotW, top + plotH));
        QPainterPath dd;
        for (size_t i = 0; i < doc.months.size(); ++i) {
            const MonthFigure& m = doc.months[i];
            const double x = left + slot * double(i);
            const double bar = plotH * m.used / maxUse;
            p->fillRect(QRectF(x + slot * 0.15, top + plotH - bar, slot * 0.7, bar), useColour);
            const QPointF point(x + slot / 2, top + plotH - plotH * m.degreeDays / maxDd);
            i == 0 ? dd.moveTo(point) : dd.lineTo(point);
            p->drawText(QRectF(x, top + plotH + out.mm(1), slot, labelH), Qt::AlignHCenter, doc.monthLabels.value(int(i)));
        }
        p->setPen(QPen(ddColour, out.mm(0.6)));
        p->drawPath(dd);
        p->setPen(Qt::black);
    }
    out.skip(h + out.mm(3));
}

void Lay(PageWriter& out, const StatementDocument& doc) {
    out.footer = doc.footer;
    out.line(doc.title, out.font(17, true), out.mm(2));
    for (const QString& line : doc.heading) out.line(line, out.font(10));
    out.skip(out.mm(4));
    const QFont body = out.font(10), bold = out.font(10, true);
    const std::vector<double> pair = {out.width() * 0.42, out.width() * 0.58};
    for (const auto& section : doc.sections) {
        out.line(section.title, out.font(12, true), out.mm(1.5));
        for (const auto& [label, value] : section.rows) {
            out.rowOf({label, value}, pair, label.isEmpty() ? out.font(8.5) : body);
        }
        out.skip(out.mm(3));
    }
    DrawChart(out, doc);
    for (const auto& table : doc.tables) {
        if (table.rows.empty()) continue;
        out.room(out.mm(28));  // a title, its header and some rows stay together
        out.line(table.title, out.font(12, true), out.mm(1.5));
        const std::vector<double> widths(size_t(table.header.size()), out.width() / double(table.header.size()));
        out.rowOf(table.header, widths, bold);
        for (const QStringList& row : table.rows) out.rowOf(row, widths, out.font(9));
        out.skip(out.mm(3));
    }
    for (const QString& note : doc.notes) out.line(note, out.font(8.5), out.mm(1.5));
    out.finishPage();
}

}  // namespace

bool PaintStatement(const StatementDocument& doc, QPagedPaintDevice& device) {
    PageWriter count(device, nullptr, 0);
    Lay(count, doc);
    QPainter painter;
    if (!painter.begin(&device)) return false;
    PageWriter draw(device, &painter, count.page());
    Lay(draw, doc);
    return painter.end();
}

QString WriteStatementPdf(const StatementDocument& doc, const QString& path) {
    {
        QPdfWriter writer(path);
        writer.setPageSize(QPageSize(QPageSize::A4));
        writer.setPageMargins(QMarginsF(18, 15, 18, 12), QPageLayout::Millimeter);
        writer.setResolution(300);
        writer.setTitle(doc.title);
        writer.setCreator(QStringLiteral("Tankwise"));
        // An old file of the name is never taken for the new one.
        if (PaintStatement(doc, writer)) return QString();
    }
    return QCoreApplication::translate("StatementPainter", "Unable to write the file %1.").arg(path);
}

}  // namespace tw
