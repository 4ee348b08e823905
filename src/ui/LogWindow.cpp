#include "ui/LogWindow.h"

#include <QChartView>
#include <QComboBox>
#include <QCoreApplication>
#include <QDoubleSpinBox>
#include <QGroupBox>
#include <QSignalBlocker>
#include <QSpinBox>
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
#include <QKeyEvent>
#include <QSplitter>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>

#include "app/ImportClick.h"
#include "app/Program.h"
#include "app/ViewLog.h"
#include "calc/ForecastChart.h"
#include "calc/Formats.h"
#include "ui/AccessibleNames.h"
#include "ui/ChartZoom.h"
#include "ui/HistoryChart.h"
#include "ui/HistoryTableModel.h"
#include "ui/StatementDialog.h"
#include "ui/WindowPlaces.h"

namespace tw {

LogWindow::LogWindow(Program& p, LogKind kind, QString absolutePath, Deliver deliver)
    : p_(p), kind_(kind), path_(std::move(absolutePath)), deliver_(std::move(deliver)) {
    setWindowIcon(QIcon(QStringLiteral(":/logo.png")));
    setAttribute(Qt::WA_DeleteOnClose, false);

    text_ = new QPlainTextEdit;
    text_->setReadOnly(true);
    text_->setLineWrapMode(QPlainTextEdit::NoWrap);
    text_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    text_->setAccessibleName(tr("Log as saved"));
    text_->setToolTip(tr("The log file as the program wrote it"));

    auto* layout = new QVBoxLayout(this);
    QSplitter* split = nullptr;
    if (kind == LogKind::History) {
        table_ = new QTableView;
        model_ = new HistoryTableModel(table_);
        table_->setModel(model_);
        // Column widths from the first rows only: the same for years of readings.
        table_->horizontalHeader()->setResizeContentsPrecision(200);
        table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
        table_->setSelectionBehavior(QAbstractItemView::SelectRows);
        table_->verticalHeader()->setVisible(false);
        table_->setAlternatingRowColors(true);
        table_->setAccessibleName(tr("Saved readings"));
        table_->setToolTip(tr("One row for each saved reading, with the period since the one before"));
        chart_ = new QChart;
        chartView_ = new QChartView(chart_);
        chartView_->setRenderHint(QPainter::Antialiasing);
        chartView_->setMinimumSize(320, 220);
        chartView_->setFocusPolicy(Qt::NoFocus);  // a picture; the legend and panel say it in words
        legend_ = new QLabel;
        legend_->setWordWrap(true);
        legend_->setTextFormat(Qt::RichText);
        auto* chartColumn = new QWidget;
        auto* chartLayout = new QVBoxLayout(chartColumn);
        chartLayout->setContentsMargins(0, 0, 0, 0);
        chartLayout->addWidget(chartView_, 1);
        auto* showAll = new QPushButton(tr("Show &all"));
        showAll->setToolTip(tr("Show the whole history again. Drag across the chart to zoom into a stretch of "
                               "time; a right-click steps back out; Ctrl with the mouse wheel or with + and - "
                               "zooms too"));
        zoom_ = new ChartZoom(chartView_, showAll, this);
        auto* legendRow = new QHBoxLayout;
        legendRow->addWidget(legend_, 1);
        legendRow->addWidget(showAll, 0, Qt::AlignTop);
        chartLayout->addLayout(legendRow);
        split = new QSplitter(Qt::Horizontal);
        split->setChildrenCollapsible(false);
        split->addWidget(table_);
        split->addWidget(chartColumn);
        // The table is as wide as its columns; the chart takes the rest.
        split->setStretchFactor(0, 0);
        split->setStretchFactor(1, 1);
        // The forecast's settings in a row below, so a laptop screen holds the
        // whole table beside a chart of a useful size.
        auto* page = new QWidget;
        auto* pageLayout = new QVBoxLayout(page);
        pageLayout->addWidget(split, 1);
        pageLayout->addWidget(buildForecastPanel());
        tabs_ = new QTabWidget;
        tabs_->addTab(page, tr("Ta&ble and chart"));
        tabs_->addTab(text_, tr("&Log as saved"));
        connect(tabs_, &QTabWidget::currentChanged, this, [this] {
            if (tabs_->currentWidget() == text_ && !textShown_) {
                textShown_ = true;
                showText(ReadLogView(p_, kind_, true).lines);
            }
        });
        layout->addWidget(tabs_);
    } else {
        layout->addWidget(text_);
    }

    status_ = new QLabel;
    status_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto* openWith = new QPushButton(tr("&Open with..."));
    openWith->setToolTip(tr("Open the log file with the desktop's own program for it"));
    auto* exportButton = new QPushButton(tr("&Export CSV..."));
    exportButton->setToolTip(tr("Save the log as a spreadsheet file (CSV)"));
    auto* close = new QPushButton(tr("&Close"));
    close->setToolTip(tr("Close this window"));
    auto* row = new QHBoxLayout;
    row->addWidget(status_, 1);
    row->addWidget(openWith);
    row->addWidget(exportButton);
    if (kind == LogKind::History) {
        auto* importButton = new QPushButton(tr("&Import..."));
        importButton->setToolTip(tr("Calculate and save readings and deliveries from a spreadsheet file (CSV)"));
        row->addWidget(importButton);
        connect(importButton, &QPushButton::clicked, this, [this] { importCsv(); });
        auto* statement = new QPushButton(tr("&Statement..."));
        statement->setToolTip(tr("What a heating season or a year cost, ready to print or save as PDF"));
        row->addWidget(statement);
        connect(statement, &QPushButton::clicked, this, [this] { StatementDialog(p_, this).exec(); });
    }
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

    names_ = std::make_unique<FieldNames>(this);
    if (split) split->setSizes({420, 600});
    FitToScreen(this, kind == LogKind::History ? QSize(1300, 640) : QSize(760, 560));
    new WindowPlace(this, QStringLiteral("Log") + QString::number(int(kind)), split);
}

LogWindow::~LogWindow() = default;

void LogWindow::keyPressEvent(QKeyEvent* event) {
    // Escape closes the window, as it closes a dialog.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

void LogWindow::changeEvent(QEvent* event) {
    // A desktop switched between light and dark draws the chart in its new colours.
    if (event->type() == QEvent::PaletteChange && table_ && isVisible()) reload();
    QWidget::changeEvent(event);
}

void LogWindow::showRaised() {
    reload();
    if (!watcher_.files().contains(path_) && QFileInfo::exists(path_)) watcher_.addPath(path_);
    show();
    raise();
    activateWindow();
}

void LogWindow::reload() {
    // The History window shows its log text only when its tab is opened.
    const bool text = !tabs_ || tabs_->currentWidget() == text_;
    const LogViewContent content = ReadLogView(p_, kind_, text);
    setWindowTitle(content.title);
    status_->setText(content.status);
    textShown_ = text;
    if (text) showText(content.lines);
    if (table_) {
        fillTable(content);
        // The table's readings are the forecast's too; a log that could not be read
        // is tried again there, to say why there is no forecast.
        const ForecastRun run = RunForecast(p_, content.read ? &content.rows : nullptr);
        showForecast(run);
        if (!run.status.isEmpty()) status_->setText(content.status + ". " + run.status);
        const auto zoomed = zoom_->zoomedInto();
        const auto legend = FillHistoryChart(chart_, model_->rows(), content,
                                             BuildForecastChart(run.dates, run.start, content.locale), palette());
        zoom_->follow(zoomed);
        legend_->setText(LegendHtml(legend));
        chartView_->setBackgroundBrush(palette().color(QPalette::Window));
    }
}

void LogWindow::showText(const QStringList& lines) {
    text_->setPlainText(lines.join(QLatin1Char('\n')));
    // The newest lines are at the end of a log.
    text_->verticalScrollBar()->setValue(text_->verticalScrollBar()->maximum());
}

QWidget* LogWindow::buildForecastPanel() {
    reserve_ = new QDoubleSpinBox;
    reserve_->setRange(0, kMaxReservePercent);
    reserve_->setDecimals(1);
    reserve_->setSuffix(QStringLiteral(" %"));
    reserve_->setKeyboardTracking(false);  // saves once the value is entered, not per key
    reserve_->setToolTip(tr("Oil to keep in the tanks, as a share of their capacity"));
    lead_ = new QSpinBox;
    lead_->setRange(0, kMaxLeadDays);
    lead_->setSuffix(tr(" days"));
    lead_->setKeyboardTracking(false);
    lead_->setToolTip(tr("Days from placing an order to the delivery"));
    profile_ = new QComboBox;
    // In the order of the profile choices.
    profile_->addItems({tr("Automatic"), tr("UK"), tr("German"), QStringLiteral("DegreeDays.csv")});
    profile_->setToolTip(
        tr("How the heating need spreads over the year: Automatic takes Data/DegreeDays.csv when "
           "there is one, else the profile of your country"));
    forecast_ = new QLabel;
    forecast_->setWordWrap(true);
    forecast_->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto* row = new QHBoxLayout;
    const std::pair<QString, QWidget*> fields[] = {
        {tr("&Reserve:"), reserve_}, {tr("Lead &time:"), lead_}, {tr("&Profile:"), profile_}};
    for (const auto& [caption, field] : fields) {
        auto* label = new QLabel(caption);
        label->setBuddy(field);
        row->addWidget(label);
        row->addWidget(field);
        row->addSpacing(12);
    }
    row->addWidget(forecast_, 1);
    auto* group = new QGroupBox(tr("Forecast"));
    group->setLayout(row);

    connect(reserve_, &QDoubleSpinBox::valueChanged, this, [this] { saveForecastSettings(); });
    connect(lead_, &QSpinBox::valueChanged, this, [this] { saveForecastSettings(); });
    connect(profile_, &QComboBox::activated, this, [this] { saveForecastSettings(); });
    return group;
}

void LogWindow::showForecast(const ForecastRun& run) {
    const QSignalBlocker a(reserve_), b(lead_), c(profile_);
    reserve_->setValue(run.settings.reservePercent);
    lead_->setValue(run.settings.leadDays);
    profile_->setCurrentIndex(int(run.settings.profile));
    forecast_->setText(SummariseForecast(p_, run));
}

void LogWindow::saveForecastSettings() {
    ForecastSettings settings;
    settings.reservePercent = reserve_->value();
    settings.leadDays = lead_->value();
    settings.profile = ProfileChoice(profile_->currentIndex());
    QString problem;
    deliver_([this, settings, &problem] { problem = SaveForecastSettings(p_, settings); });
    reload();
    if (!problem.isEmpty()) status_->setText(problem);
}

void LogWindow::fillTable(const LogViewContent& content) {
    model_->setRows(content.rows, content.locale, content.volumeUnit);
    table_->resizeColumnsToContents();
    // Every column whole: the splitter can narrow the table no further than this.
    int width = 2 * table_->frameWidth() + table_->verticalScrollBar()->sizeHint().width();
    for (int c = 0; c < model_->columnCount(); ++c) width += table_->columnWidth(c);
    table_->setMinimumWidth(width);
    table_->scrollToBottom();
}

void LogWindow::exportCsv() {
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    // The form is chosen as the file's type: first the one the user's own spreadsheet
    // opens as columns, then the one that reads the same everywhere.
    const QString inLanguage =
        QCoreApplication::translate("LogWindow", "Spreadsheet in this language (*.csv)");
    const QString portable =
        QCoreApplication::translate("LogWindow", "Portable CSV: commas, periods, ISO dates (*.csv)");
    QString chosen = inLanguage;
    const QString target = QFileDialog::getSaveFileName(
        this, tr("Export CSV"), folder + "/" + CsvFileName(kind_),
        inLanguage + QStringLiteral(";;") + portable, &chosen);
    if (target.isEmpty()) return;
    const bool local = chosen != portable;
    deliver_([this, target, local] { ExportLogCsv(p_, kind_, target, local); });
}

void LogWindow::importCsv() {
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const QString file =
        QFileDialog::getOpenFileName(this, tr("Import CSV"), folder, tr("CSV files (*.csv *.txt);;All files (*)"));
    if (file.isEmpty()) return;
    deliver_([this, file] { ImportFromFile(p_, file); });
}

}  // namespace tw
