#include "logs/LineDateCheck.h"

#include <QDate>

#include <algorithm>
#include <optional>

#include "calc/Fields.h"
#include "calc/MonthNames.h"

namespace tw {

namespace {

bool IsAsciiDigit(QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); }

// The value of a run of ASCII digits.
int Digits(QStringView text) {
    int value = 0;
    for (const QChar c : text) value = value * 10 + (c.unicode() - u'0');
    return value;
}

// Characters that separate the parts of a written date in ParseDate's eyes.
bool IsGap(QChar c) { return c.isSpace() || QStringLiteral("-/.,").contains(c); }

// A literal of the short format that the fast way can match character for character.
bool IsPlainSeparator(QChar c) {
    return !c.isLetterOrNumber() && !c.isSpace() && c != QLatin1Char('\'') &&
           c.category() != QChar::Other_Format;
}

}  // namespace

LineDateCheck::LineDateCheck(const QLocale& locale) : locale_(locale) {
    // The short form as parts; any form the fast way cannot read exactly is left
    // entirely to ParseDate.
    const QString format = locale.dateFormat(QLocale::ShortFormat);
    QString fields;
    for (qsizetype i = 0; i < format.size();) {
        const QChar c = format[i];
        qsizetype run = 1;
        while (i + run < format.size() && format[i + run] == c) ++run;
        i += run;
        if (c == QLatin1Char('d') || c == QLatin1Char('M') || c == QLatin1Char('y')) {
            const bool year = c == QLatin1Char('y');
            if ((!year && run > 2) || (year && run != 2 && run != 4)) return;
            // Two fields side by side cannot be told apart by a one-or-two rule.
            if (!shortForm_.empty() && shortForm_.back().field != 0) return;
            shortForm_.push_back({char(c.toLatin1()), int(run), {}});
            fields += c;
        } else if (IsPlainSeparator(c)) {
            if (!shortForm_.empty() && shortForm_.back().field == 0)
                shortForm_.back().literal += QString(run, c);
            else
                shortForm_.push_back({0, 0, QString(run, c)});
        } else {
            shortForm_.clear();
            return;
        }
    }
    if (fields.size() != 3 || !fields.contains('d') || !fields.contains('M') ||
        !fields.contains('y'))
        shortForm_.clear();

    for (int month = 1; month <= 12; ++month) {
        const QString word = MonthAbbreviation(month, locale);
        const bool plain = word.size() == 3 && std::none_of(word.begin(), word.end(), [](QChar c) {
                               return IsGap(c) || IsAsciiDigit(c);
                           });
        if (!plain || MonthFromName(word, locale) != month) {
            monthWords_.clear();
            break;
        }
        monthWords_ << word;
    }
}

const LineDateCheck& LineDateCheck::of(const QLocale& locale) {
    // Building the tables costs more than a whole line check; single lines are
    // checked one by one from several places.
    thread_local std::optional<LineDateCheck> kept;
    if (!kept || kept->locale_ != locale) kept.emplace(locale);
    return *kept;
}

std::optional<QDate> LineDateCheck::writtenShortDate(QStringView text) const {
    if (shortForm_.empty()) return std::nullopt;
    int day = 0, month = 0, year = 0;
    qsizetype at = 0;
    for (const Part& part : shortForm_) {
        if (part.field == 0) {
            if (text.mid(at, part.literal.size()) != part.literal) return std::nullopt;
            at += part.literal.size();
            continue;
        }
        qsizetype digits = 0;
        while (at + digits < text.size() && digits < 4 && IsAsciiDigit(text[at + digits])) ++digits;
        const bool fits = part.width == 1 ? (digits == 1 || digits == 2) : digits == part.width;
        if (!fits) return std::nullopt;
        const int value = Digits(text.mid(at, digits));
        at += digits;
        if (part.field == 'd') day = value;
        if (part.field == 'M') month = value;
        if (part.field == 'y') {
            if (digits == 2) year = 2000 + value;
            else if (value >= 100) year = value;
            else return std::nullopt;
        }
    }
    if (at != text.size() || !QDate::isValid(year, month, day)) return std::nullopt;
    return QDate(year, month, day);
}

std::optional<QDate> LineDateCheck::writtenLongDate(QStringView text) const {
    if (monthWords_.isEmpty() || text.size() != 11) return std::nullopt;
    if (text[2] != QLatin1Char('-') || text[6] != QLatin1Char('-')) return std::nullopt;
    for (int i : {0, 1, 7, 8, 9, 10})
        if (!IsAsciiDigit(text[i])) return std::nullopt;
    const QStringView word = text.mid(3, 3);
    int month = 0;
    for (int m = 0; m < 12 && month == 0; ++m)
        if (word == monthWords_[m]) month = m + 1;
    const int year = Digits(text.mid(7, 4));
    const int day = Digits(text.left(2));
    if (month == 0 || year < 100 || !QDate::isValid(year, month, day)) return std::nullopt;
    return QDate(year, month, day);
}

std::optional<QDate> LineDateCheck::date(QStringView text) const {
    if (const auto written = writtenShortDate(text)) return written;
    if (const auto written = writtenLongDate(text)) return written;
    return ParseDate(text.toString(), locale_);
}

}  // namespace tw
