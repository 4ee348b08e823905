#include "ui/LogWindow.h"

#include <QChartView>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QIcon>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSplitter>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

#include "app/Program.h"
#include "app/ViewLog.h"
#include "ui/HistoryChart.h"

namespace tw {

LogWindow::LogWindow(Program& p, LogKind kind, QString absolutePath, Deliver deliver)
    : p_(p), kind_(kind), path_(std::move(absolutePath)), deliver_(std::move(deliver)) {
    setWindowIcon(QIcon(QStringLiteral(":/logo.png")));
    setAttribute(Qt::WA_DeleteOnClose, false);

    text_ = new QPlainTextEdit;
    text_->setReadOnly(true);
    text_->setLineWrapMode(QPlainTextEdit::NoWrap);
    text_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));

    auto* layout = new QVBoxLayout(this);
    if (kind == LogKind::History) {
        table_ = new QTableWidget;
        table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
        table_->setSelectionBehavior(QAbstractItemView::SelectRows);
        table_->verticalHeader()->setVisible(false);
        table_->setAlternatingRowColors(true);
        chart_ = new QChart;
        chartView_ = new QChartView(chart_);
        chartView_->setRenderHint(QPainter::Antialiasing);
        chartView_->setMinimumSize(480, 320);
        auto* split = new QSplitter(Qt::Horizontal);
        split->addWidget(table_);
        split->addWidget(chartView_);
        // The table is as wide as its columns; the chart takes the rest.
        split->setStretchFactor(0, 0);
        split->setStretchFactor(1, 1);
        split->setSizes({450, 750});
        tabs_ = new QTabWidget;
        tabs_->addTab(split, QStringLiteral("Ta&ble and chart"));
        tabs_->addTab(text_, QStringLiteral("&Log as saved"));
        layout->addWidget(tabs_);
        resize(1200, 640);
    } else {
        layout->addWidget(text_);
        resize(760, 560);
    }

    status_ = new QLabel;
    status_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto* openWith = new QPushButton(QStringLiteral("&Open with..."));
    openWith->setToolTip(QStringLiteral("Open the log file with the desktop's own program for it"));
    auto* exportButton = new QPushButton(QStringLiteral("&Export CSV..."));
    exportButton->setToolTip(QStringLiteral("Save the log as a spreadsheet file (CSV)"));
    auto* close = new QPushButton(QStringLiteral("&Close"));
    close->setToolTip(QStringLiteral("Close this window"));
    auto* row = new QHBoxLayout;
    row->addWidget(status_, 1);
    row->addWidget(openWith);
    row->addWidget(exportButton);
    row->addWidget(close);
    layout->addLayout(row);

    connect(openWith, &QPushButton::clicked, this,
            [this] { deliver_([this] { OpenLogWith(p_, kind_); }); });
    connect(exportButton, &QPushButton::clicked, this, [this] { exportCsv(); });
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    // A save or an archive changes the file; an archive replaces it, which ends the
    // watch, so the path is watched again after every change.
    connect(&watcher_, &QFileSystemWatcher::fileChanged, this, [this] {
        if (!watcher_.files().contains(path_) && QFileInfo::exists(path_)) watcher_.addPath(path_);
        if (isVisible()) reload();
    });
    watcher_.addPath(path_);
}

void LogWindow::showRaised() {
    reload();
    if (!watcher_.files().contains(path_) && QFileInfo::exists(path_)) watcher_.addPath(path_);
    show();
    raise();
    activateWindow();
}

void LogWindow::reload() {
    const LogViewContent content = ReadLogView(p_, kind_);
    setWindowTitle(content.title);
    status_->setText(content.status);
    text_->setPlainText(content.lines.join(QLatin1Char('\n')));
    // The newest lines are at the end of a log.
    text_->verticalScrollBar()->setValue(text_->verticalScrollBar()->maximum());
    if (table_) {
        fillTable(content);
        FillHistoryChart(chart_, content);
    }
}

void LogWindow::fillTable(const LogViewContent& content) {
    const QLocale& locale = content.locale;
    const QString unit = content.volumeUnit;
    table_->clear();
    table_->setColumnCount(6);
    table_->setHorizontalHeaderLabels({"Date", "Oil in tanks\n(" + unit + ")", "Days",
                                       "Oil used\n(" + unit + ")", "Use per day\n(" + unit + ")",
                                       "Cost per day"});
    table_->setRowCount(int(content.rows.size()));
    auto number = [&](std::optional<double> v, int decimals) {
        return v ? locale.toString(*v, 'f', decimals) : QString();
    };
    for (int r = 0; r < int(content.rows.size()); ++r) {
        const HistoryTableRow& row = content.rows[size_t(r)];
        const QString cells[] = {
            locale.toString(row.date, QLocale::ShortFormat),
            number(row.oil, 0),
            row.days ? locale.toString(*row.days) : QString(),
            number(row.used, 0),
            number(row.perDay, 1),
            row.costPerDay ? locale.toCurrencyString(*row.costPerDay) : QString(),
        };
        for (int c = 0; c < 6; ++c) {
            auto* item = new QTableWidgetItem(cells[c]);
            item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            if (c == 3 && row.delivered > 0)
                item->setToolTip("Includes " + number(row.delivered, 0) + " " + unit + " delivered");
            table_->setItem(r, c, item);
        }
    }
    table_->resizeColumnsToContents();
    table_->scrollToBottom();
}

void LogWindow::exportCsv() {
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const QString target = QFileDialog::getSaveFileName(
        this, QStringLiteral("Export CSV"), folder + "/" + CsvFileName(kind_),
        QStringLiteral("CSV files (*.csv);;All files (*)"));
    if (target.isEmpty()) return;
    deliver_([this, target] { ExportLogCsv(p_, kind_, target); });
}

}  // namespace tw
