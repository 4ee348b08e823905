#include "calc/DegreeDays.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <QStringList>
#include <cmath>
#include <vector>

namespace tw {

namespace {

const QString kCsvName = QStringLiteral("DegreeDays.csv");

// One field as a number: a period, or a comma when ';' separates the fields.
std::optional<double> FieldNumber(QString field, bool commaIsDecimal) {
    field = field.trimmed();
    if (field.size() >= 2 && field.startsWith('"') && field.endsWith('"'))
        field = field.mid(1, field.size() - 2).trimmed();
    if (commaIsDecimal) field.replace(',', '.');
    bool ok = false;
    const double v = field.toDouble(&ok);  // C locale: a period in every locale
    if (!ok || !std::isfinite(v)) return std::nullopt;
    return v;
}

// What is wrong with the file, in the user's language; %1 is the file's name.
QString Reason(const char* why) { return QCoreApplication::translate("Forecast", why).arg(kCsvName); }

}  // namespace

const DegreeDayProfile& UkProfile() {
    // The names and units are marked for the translations; the window shows them translated.
    static const DegreeDayProfile p{QStringLiteral(QT_TRANSLATE_NOOP("Forecast", "UK")),
                                    QStringLiteral(QT_TRANSLATE_NOOP("Forecast", "degree day")),
                                    {395, 342, 297, 233, 151, 77, 42, 45, 83, 177, 275, 346}};
    return p;
}

const DegreeDayProfile& GermanProfile() {
    static const DegreeDayProfile p{
        QStringLiteral(QT_TRANSLATE_NOOP("Forecast", "German")),
        QStringLiteral(QT_TRANSLATE_NOOP("Forecast", "‰ of the heating year")),

        {170, 150, 130, 80, 40, 13.3, 13.3, 13.3, 30, 80, 120, 160}};
    return p;
}

const DegreeDayProfile& DefaultProfile(const QLocale& locale) {
    // Where German heating bills use the shares: the countries with a German locale.
    if (locale.language() == QLocale::German) return GermanProfile();
    return UkProfile();
}

double DegreeDaysOn(const DegreeDayProfile& profile, const QDate& day) {
    if (!day.isValid()) return 0;
    return profile.months[size_t(day.month() - 1)] / day.daysInMonth();
}

ProfileRead ReadDegreeDays(const std::optional<QString>& text) {
    if (!text) return {std::nullopt, Reason(QT_TRANSLATE_NOOP("Forecast", "%1 is missing."))};

    std::vector<double> values;
    bool seenData = false;
    const QStringList lines = text->split(QRegularExpression(QStringLiteral("\r\n|\r|\n")));
    for (int i = 0; i < lines.size(); ++i) {
        const QString line = lines[i].trimmed();
        if (line.isEmpty() || line.startsWith('#')) continue;
        const bool semicolons = line.contains(';');
        const QStringList fields =
            line.split(QRegularExpression(semicolons ? QStringLiteral("[;\t]")
                                                     : QStringLiteral("[,\t]")));
        const int lineNumber = i + 1;

        // Twelve numbers on one line: the whole profile in a row.
        if (!seenData && fields.size() == 12) {
            bool all = true;
            std::vector<double> row;
            for (const QString& f : fields) {
                const auto v = FieldNumber(f, semicolons);
                all = all && v.has_value();
                if (v) row.push_back(*v);
            }
            if (all) {
                values = row;
                seenData = true;
                continue;
            }
        }
        const auto v = FieldNumber(fields.last(), semicolons);
        if (!v) {
            if (!seenData) {
                seenData = true;  // a header names the columns; only the first line may
                continue;
            }
            return {std::nullopt, Reason(QT_TRANSLATE_NOOP("Forecast", "%1 has \"%2\", not a number, on line %3."))
                                      .arg(fields.last().trimmed(), QString::number(lineNumber))};

        }
        if (*v < 0)
            return {std::nullopt,
                    Reason(QT_TRANSLATE_NOOP("Forecast", "%1 has a negative value on line %2.")).arg(lineNumber)};
        values.push_back(*v);
        seenData = true;
    }

    for (double v : values)  // a row of twelve is checked here, not line by line
        if (v < 0) return {std::nullopt, Reason(QT_TRANSLATE_NOOP("Forecast", "%1 has a negative value."))};
    if (values.size() < 12)
        return {std::nullopt,
                Reason(QT_TRANSLATE_NOOP("Forecast", "%1 has %2 monthly values, not 12.")).arg(values.size())};
    if (values.size() > 12)
        return {std::nullopt, Reason(QT_TRANSLATE_NOOP("Forecast", "%1 has more than 12 monthly values."))};

    DegreeDayProfile p{kCsvName, QStringLiteral("degree day"), {}};
    double total = 0;
    for (size_t m = 0; m < 12; ++m) total += p.months[m] = values[m];
    if (!(total > 0)) return {std::nullopt, Reason(QT_TRANSLATE_NOOP("Forecast", "%1 has no heating month."))};

    return {p, QString()};
}

}  // namespace tw
