#include "logs/LogColumns.h"

#include "LogTestSupport.h"
#include "calc/Fields.h"
#include "calc/Formats.h"

namespace tw {
namespace {

TEST(LogColumns, EachLineKindInItsColumns) {
    const QString rows[][2] = {
        {HistoryDataLine({"15-Feb-2013", "460", "0", "45.0", "", "£123.45", true, false}),
         "15-Feb-2013,     460,       0,   45.0,       ,   £123.45,  On, Off"},
        {FirstReadingLine({"01-Jan-2013", "910", "0", "78.5", "", "£9.99", true, true}),
         "01-Jan-2013,     910,       0,   78.5,       ,     £9.99,    ,    "},
        {FirstReadingLine({"01-Jan-2013", "910", "0", "78.5", "", "", true, true}),
         "01-Jan-2013,     910,       0,   78.5,       ,                    "},
        // A figure too wide for its column widens the line; no digit is lost.
        {HistoryDataLine({"Wed 01-Jan-2013", "12345678", "", "1234.56", "", "£12,345.67"}),
         "Wed 01-Jan-2013, 12345678,        , 1234.56,       , £12,345.67, Off, Off"},
        {DeliveryLineText({"15/02/2013", "1000", "£0.4500", "£25.00", "17.5%", "£556.25", "5%",
                           false, true}),
         " 15/02/2013,      1000, £0.4500,    £25.00, 17.5%,  £556.25,    5%, Off,  On"},
    };
    for (const auto& row : rows) EXPECT_EQ(row[0], row[1]);
}

// A saved line has a date and an amount above 1; headers and time stamps never count.
TEST(LogColumns, SavedLinesAreToldApartFromOtherLines) {
    const struct { QString line; bool history, delivery; QDate date; } rows[] = {
        {" 15/02/2013,     460,       0,   45.0,       ,   £123.45,  On, Off", true, true, {2013, 2, 15}},
        {" 15/02/2013,       1,       0,       ,       ,          ,  On, Off", false, false, {2013, 2, 15}},
        {" 15/02/2013,         2, £0.4500,    £25.00,    5%,  £556.25,    5%", false, true, {2013, 2, 15}},
        {"15-Feb-2013,     1.5", true, true, {2013, 2, 15}},
        {"01/06/2020 12:00:00", false, false, {2020, 6, 1}},
        {HistoryColumnLines("VAT").first(), false, false, {}},
        {"hello wor  ,     460", false, false, {}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.line.toStdString());
        EXPECT_EQ(IsHistoryDataLine(row.line, kUk), row.history);
        EXPECT_EQ(IsDeliveryLine(row.line, kUk), row.delivery);
        EXPECT_EQ(LineDate(row.line, kUk).value_or(QDate()), row.date);
        EXPECT_EQ(IsColumnHeader(row.line), row.line.startsWith("Date"));
    }
}

// A currency amount keeps its digits in a narrow column: group separators go
// first, then the symbol; an amount that fits is written as it is.
TEST(LogColumns, CurrencyAndDateColumns) {
    const struct { const char* locale; double amount; int width; QString expected; } rows[] = {
        {"en_GB", 1325, 9, "£1,325.00"}, {"en_GB", 1325, 8, "£1325.00"},
        {"en_GB", 12345, 8, "12345.00"}, {"de_DE", 325, 8, "325,00\u00A0€"},
        {"de_DE", 1325, 8, "1325,00"}, {"fr_FR", 1325, 9, "1325,00\u00A0€"},
    };
    for (const auto& row : rows) {
        const QLocale locale(QString::fromLatin1(row.locale));
        EXPECT_EQ(FitCurrency(CurrencyText(row.amount, locale), row.width, locale), row.expected)
            << row.locale << " " << row.amount << " in " << row.width;
    }
    for (const QString text : {"15/02/2013", "15-Feb-2013", "", "a long non-date"})
        EXPECT_EQ(LogDate(text, kUk), text);
    EXPECT_EQ(LogDate("15 February 2013", kUk), "15-Feb-2013");
}

// The quick date test of a whole log must agree with the full date rules.
TEST(LogColumns, LineDatesAgreeWithTheFullDateRules) {
    for (const char* name : {"en_GB", "en_US", "de_DE", "fr_FR", "ja_JP", "hu_HU", "fa_IR", "C"}) {
        const QLocale locale(QString::fromLatin1(name));
        QStringList texts{"31/02/2010", "29/02/2012", "1/2/10", "01-01-2000", "2010-03-05",
                          "05-mar-2010", "00/01/2010", "01/13/2010", "12:00:00", "01/06/2020 1",
                          "01/01/0099", "01.02.2010", "10. 3. 5.", "05-Xyz-2010", "0x-Mar-2010", "05-Mar-20x0", "0105/2010"};
        for (const QDate date : {QDate(2010, 3, 5), QDate(2020, 12, 31), QDate(2012, 2, 29)})
            texts << ShortDate(date, locale) << LongDate(date, locale);
        for (const QString& text : texts)
            EXPECT_EQ(LineDateCheck(locale).isDate(text), ParseDate(text, locale).has_value())
                << text.toStdString() << " in " << name;
    }
}

}  // namespace
}  // namespace tw
