#pragma once
#include <QDate>
#include <QLocale>
#include <QString>
#include <QStringView>
#include <QStringList>
#include <optional>
#include <vector>

namespace tw {

// Tells whether the date column of a log line holds a date, with the same answer
// as ParseDate, but fast for the two forms the program itself writes there (the
// user's short date and "dd-mmm-yyyy"): a long log has one date per line, and
// every calculation reads all of them. Any other text goes to ParseDate.
class LineDateCheck {
public:
    explicit LineDateCheck(const QLocale& locale);
    // The check of a locale, built once and kept while the locale stays the same.
    static const LineDateCheck& of(const QLocale& locale);

    bool isDate(QStringView text) const { return date(text).has_value(); }
    // The date itself, read once: the program's own forms the fast way, any other
    // text by ParseDate.
    std::optional<QDate> date(QStringView text) const;

private:
    // One run of the short date format: a day, month or year field, or literal text.
    struct Part {
        char field = 0;  // 'd', 'M', 'y', or 0 for literal text
        int width = 0;   // digits of a field: 1 means one or two, else exactly that many
        QString literal;
    };
    std::optional<QDate> writtenShortDate(QStringView text) const;
    std::optional<QDate> writtenLongDate(QStringView text) const;

    QLocale locale_;
    std::vector<Part> shortForm_;  // empty when the fast way does not apply
    QStringList monthWords_;       // the 12 words of "dd-mmm-yyyy"; empty when unusable
};

}  // namespace tw
