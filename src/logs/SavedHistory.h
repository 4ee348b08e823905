#pragma once
#include <QDate>
#include <QLocale>
#include <QRegularExpression>
#include <QString>
#include <optional>
#include <vector>

#include "logs/LineDateCheck.h"
#include "logs/TankLines.h"

namespace tw {
class Files;

// One saved reading of the history log: its date, the oil in each tank as the
// calculation worked it out, the dipstick depths where the line has them, the value
// of that oil (without tax) and the heating flags saved with it.
struct SavedReading {
    QDate date;
    double volumeA = 0, volumeB = 0;
    std::optional<double> depthA, depthB;
    double readingA = 0;  // Tank A's reading as typed: a depth, or a gauge volume
    std::optional<double> readingB;  // likewise; none when Tank B is not in use
    std::optional<double> value;
    bool centralHeating = false, waterHeating = false;
    bool first = false;  // the first reading of a log, saved before its period
    int line = 0;        // in the log, counted from 1
    // Both tanks in single precision, as the calculation adds them, so that the oil
    // used reads back to the litre the calculation showed.
    float oilFloat() const { return float(volumeB) + float(volumeA); }
    double oil() const;
};

// One saved delivery of the delivery log: what was bought, at what price, with
// which tax rates, and its total cost with tax as the log gives it.
struct SavedDelivery {
    QDate date;
    double amount = 0, price = 0, charge = 0;
    std::optional<double> oilTaxRate, chargeTaxRate;
    std::optional<double> cost;
    bool centralHeating = false, waterHeating = false;
    int line = 0;
};

// What the history and delivery logs hold, in the order they were saved, and the
// lines of each that could not be read (damaged, cut short, another locale's).
struct SavedHistory {
    std::vector<SavedReading> readings;
    std::vector<SavedDelivery> deliveries;
    std::vector<int> skippedHistory, skippedDelivery;  // line numbers
    int skippedHistoryLines = 0;
    int skippedDeliveryLines = 0;
};

// Reads log lines one at a time. The logs' own headers, creation blocks and time
// stamps are passed over silently; the tank lines of each history block tell how a
// dipstick depth becomes the volume the calculation worked with. Any other line
// that is not a whole data line is counted as skipped. Never throws, whatever the
// text.
class SavedHistoryReader {
public:
    explicit SavedHistoryReader(const QLocale& locale);

    // Room for the records of logs of these sizes, so that years of daily readings
    // are not copied each time their table grows.
    void expectBytes(qint64 historyBytes, qint64 deliveryBytes);
    void addHistoryLine(const QString& line);
    void addDeliveryLine(const QString& line);
    const SavedHistory& result() const { return history_; }
    SavedHistory take() { return std::move(history_); }

private:
    bool isOwnNonDataLine(const QString& line) const;
    std::optional<QDate> dateOf(const QString& text) const;
    // A tank of the current block with its figures read once.
    struct BlockTank {
        TankLineRead read;
        double capacity = 0, depth = 0, offset = 0;
    };
    double volumeOf(const std::optional<BlockTank>& tank, const QString& volumeText,
                    const std::optional<double>& depth) const;

    QLocale locale_;
    LineDateCheck dates_;
    QString currencySymbol_;
    QRegularExpression stamp_;
    std::optional<BlockTank> tankA_, tankB_;
    int historyLine_ = 0, deliveryLine_ = 0;
    SavedHistory history_;
};

// The two logs read from the working folder; a log that cannot be read throws
// FileError, a missing one holds nothing.
SavedHistory ReadSavedHistory(const Files& files, const QString& historyPath,
                              const QString& deliveryPath, const QLocale& locale);

// A money text as the logs write it ("£1,234.50", "12,50 €", "123.45"); nullopt
// when empty or not a number.
std::optional<double> MoneyValue(const QString& text, const QString& symbol,
                                 const QLocale& locale);

}  // namespace tw
