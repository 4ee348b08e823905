#pragma once
#include <QFileSystemWatcher>
#include <QWidget>
#include <functional>
#include <memory>

#include "app/ForecastRun.h"
#include "logs/LogView.h"

class QChart;
class QChartView;
class QComboBox;
class QDoubleSpinBox;
class QLabel;
class QSpinBox;
class QPlainTextEdit;
class QTableView;
class QTabWidget;

namespace tw {
class Program;
class FieldNames;
class ChartZoom;
class HistoryTableModel;

// The program's own window for one log: the file as the program wrote it, and
// for the history a table and a chart. It only shows; it never writes a log.
class LogWindow : public QWidget {
    Q_OBJECT

public:
    using Deliver = std::function<void(const std::function<void()>&)>;
    LogWindow(Program& p, LogKind kind, QString absolutePath, Deliver deliver);
    ~LogWindow() override;

    // Reads the log again, shows the window and brings it to the front.
    void showRaised();
    void reload();

    QPlainTextEdit* text() const { return text_; }
    QTableView* table() const { return table_; }
    QChart* chart() const { return chart_; }
    QLabel* status() const { return status_; }
    QDoubleSpinBox* reserve() const { return reserve_; }
    QSpinBox* leadDays() const { return lead_; }
    QComboBox* profile() const { return profile_; }

protected:
    void changeEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void fillTable(const LogViewContent& content);
    void showText(const QStringList& lines);
    QWidget* buildForecastPanel();
    void showForecast(const ForecastRun& run);
    void saveForecastSettings();
    void exportCsv();
    void importCsv();

    Program& p_;
    LogKind kind_;
    QString path_;
    Deliver deliver_;
    QPlainTextEdit* text_ = nullptr;
    QTableView* table_ = nullptr;
    HistoryTableModel* model_ = nullptr;
    bool textShown_ = false;
    QChart* chart_ = nullptr;
    QChartView* chartView_ = nullptr;
    ChartZoom* zoom_ = nullptr;
    QTabWidget* tabs_ = nullptr;
    QLabel* status_ = nullptr;
    QDoubleSpinBox* reserve_ = nullptr;
    QSpinBox* lead_ = nullptr;
    QComboBox* profile_ = nullptr;
    QLabel* forecast_ = nullptr;
    QLabel* legend_ = nullptr;
    std::unique_ptr<FieldNames> names_;
    QFileSystemWatcher watcher_;
};

}  // namespace tw
