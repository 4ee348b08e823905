#include "logs/SavedReports.h"

#include "calc/Currency.h"
#include "calc/Fields.h"
#include "calc/Formats.h"
#include "logs/LogColumns.h"
#include "logs/SavedHistory.h"
#include "platform/Files.h"

#include <memory>

namespace tw {

namespace {

// Every label is 28 characters, the value starts in column 29.
constexpr int kLabelWidth = 28;

// The number at the start of a value such as "   460    litres".
std::optional<double> LeadingNumber(const QString& value, const QLocale& locale) {
    const QString first = TrimBlanks(value).section(QLatin1Char(' '), 0, 0);
    if (first.isEmpty()) return std::nullopt;
    return LocaleNumber(first, locale);
}

// The number inside "Use To Date ( 45 Days)" or "Prediction Over  6 Month(s) (...".
std::optional<double> BracketedNumber(const QString& line, const QLocale& locale) {
    const qsizetype open = line.indexOf(QLatin1Char('('));
    if (open < 0) return std::nullopt;
    return LeadingNumber(line.mid(open + 1), locale);
}

}  // namespace

SavedReportReader::SavedReportReader(const QLocale& locale)
    : locale_(locale), symbol_(LogCurrencySymbol(locale)) {}

void SavedReportReader::finish() {
    if (current_) reports_.push_back(*current_);
    current_.reset();
    inPrediction_ = false;
}

void SavedReportReader::addLine(const QString& line) {
    if (line.startsWith(QLatin1String("Use To Date ("))) {
        finish();
        current_ = SavedReport{};
        current_->days = BracketedNumber(line, locale_);
        return;
    }
    if (!current_) return;
    if (line.startsWith(QLatin1String("Prediction Over "))) {
        inPrediction_ = true;
        current_->predictedMonths = LeadingNumber(line.mid(16), locale_);
        return;
    }
    if (line.size() >= 58 && line.startsWith(QString(58, QLatin1Char('-')))) {
        finish();
        return;
    }
    if (line.size() <= kLabelWidth || line.mid(kLabelWidth - 2, 2) != QLatin1String(": ")) return;
    const QString label = TrimBlanks(line.left(kLabelWidth - 2));
    const QString value = line.mid(kLabelWidth);
    SavedReport& r = *current_;
    auto date = [&] { return ParseDate(TrimBlanks(value), locale_); };
    auto number = [&] { return LeadingNumber(value, locale_); };
    auto money = [&] { return MoneyValue(value.section(QLatin1String(" ("), 0, 0), symbol_, locale_); };
    if (inPrediction_) {
        if (label == QLatin1String("Date Tank(s) Empty")) r.runOut = date();
        else if (label == QLatin1String("Total Oil Used")) r.predictedOilUsed = number();
        else if (label == QLatin1String("Total Cost")) r.predictedCost = money();
        return;
    }
    if (label == QLatin1String("From")) r.from = date();
    else if (label == QLatin1String("To")) r.to = date();
    else if (label == QLatin1String("CO2 Generated")) r.co2 = number();
    else if (label == QLatin1String("CO2 Generated Per Day")) r.co2PerDay = number();
    else if (label == QLatin1String("Total Oil Used")) r.oilUsed = number();
    else if (label == QLatin1String("Oil Left")) r.oilLeft = number();
    else if (label == QLatin1String("Oil Used Per day")) r.usePerDay = number();
    else if (label == QLatin1String("Total Cost")) r.totalCost = money();
    else if (label == QLatin1String("Cost Per Day")) r.costPerDay = money();
}

std::vector<SavedReport> SavedReportReader::take() {
    // A report cut off before its closing line still counts.
    finish();
    return std::move(reports_);
}

std::vector<SavedReport> ReadSavedReports(const Files& files, const QString& resultsPath,
                                          const QLocale& locale) {
    SavedReportReader reader(locale);
    files.forEachLine(resultsPath, [&](const QString& line) { reader.addLine(line); });
    return reader.take();
}

std::function<std::optional<double>(const QDate&, const QDate&)> ReportedUseOf(
    const std::vector<SavedReport>& reports) {
    using Periods = std::map<std::pair<QDate, QDate>, double>;
    auto periods = std::make_shared<Periods>();
    // The latest report of a period is the one saved.
    for (const SavedReport& r : reports)
        if (r.from && r.to && r.oilUsed) (*periods)[{*r.from, *r.to}] = *r.oilUsed;
    return [periods](const QDate& from, const QDate& to) -> std::optional<double> {
        const auto it = periods->find({from, to});
        if (it == periods->end()) return std::nullopt;
        return it->second;
    };
}

std::function<std::optional<double>(const QDate&, const QDate&)> ReportedUseFrom(
    const Files& files, const QString& resultsPath, const QLocale& locale, const QDate& since) {
    using Lookup = std::function<std::optional<double>(const QDate&, const QDate&)>;
    auto lookup = std::make_shared<Lookup>();
    return [&files, resultsPath, locale, since, lookup](const QDate& from, const QDate& to) {
        if (!*lookup) {
            std::vector<SavedReport> reports;
            try {
                if (files.fileExists(resultsPath) && since.isValid()) {
                    // Back to the first report from before `since`, then forwards.
                    QStringList tail;
                    bool before = false;
                    files.forEachLineBackwards(resultsPath, [&](const QString& line) {
                        tail << line;
                        if (before) return !line.startsWith(QLatin1String("Use To Date ("));
                        if (line.startsWith(QLatin1String("From "))) {
                            const auto date = ParseDate(TrimBlanks(line.mid(kLabelWidth)), locale);
                            before = date && *date < since;
                        }
                        return true;
                    });
                    SavedReportReader reader(locale);
                    for (auto it = tail.crbegin(); it != tail.crend(); ++it) reader.addLine(*it);
                    reports = reader.take();
                } else if (files.fileExists(resultsPath)) {
                    reports = ReadSavedReports(files, resultsPath, locale);
                }
            } catch (const FileError&) {
                reports.clear();  // an unreadable log tells nothing
            }
            *lookup = ReportedUseOf(reports);
        }
        return (*lookup)(from, to);
    };
}

}  // namespace tw
