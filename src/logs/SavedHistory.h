#pragma once
#include <QDate>
#include <QLocale>
#include <QRegularExpression>
#include <QString>
#include <optional>
#include <vector>

#include "logs/LineDateCheck.h"

namespace tw {
class Files;

// One saved reading of the history log: its date, the oil in both tanks and, when
// the line carries one, the value of that oil (without tax).
struct SavedReading {
    QDate date;
    double oil = 0;
    std::optional<double> value;
};

// One saved delivery of the delivery log: date, amount and total cost.
struct SavedDelivery {
    QDate date;
    double amount = 0;
    std::optional<double> cost;
};

// What the history and delivery logs hold, in the order they were saved, and how
// many lines of each could not be read (damaged, cut short, another locale's).
struct SavedHistory {
    std::vector<SavedReading> readings;
    std::vector<SavedDelivery> deliveries;
    int skippedHistoryLines = 0;
    int skippedDeliveryLines = 0;
};

// Reads log lines one at a time. The logs' own headers, tank lines, creation
// blocks and time stamps are passed over silently; any other line that is not a
// whole data line is counted as skipped. Never throws, whatever the text.
class SavedHistoryReader {
public:
    explicit SavedHistoryReader(const QLocale& locale);

    void addHistoryLine(const QString& line);
    void addDeliveryLine(const QString& line);
    const SavedHistory& result() const { return history_; }
    SavedHistory take() { return std::move(history_); }

private:
    bool isOwnNonDataLine(const QString& line) const;
    std::optional<QDate> dateOf(const QString& line) const;

    QLocale locale_;
    LineDateCheck dates_;
    QString currencySymbol_;
    QRegularExpression stamp_;
    SavedHistory history_;
};

// The two logs read from the working folder; a log that cannot be read throws
// FileError.
SavedHistory ReadSavedHistory(const Files& files, const QString& historyPath,
                              const QString& deliveryPath, const QLocale& locale);

// A money text as the logs write it ("£1,234.50", "12,50 €", "123.45"); nullopt
// when empty or not a number.
std::optional<double> MoneyValue(const QString& text, const QString& symbol,
                                 const QLocale& locale);

}  // namespace tw
