#include "logs/LineDateCheck.h"

#include <gtest/gtest.h>

#include "LogTestSupport.h"
#include "calc/Fields.h"
#include "calc/Formats.h"

namespace tw {
namespace {

class LineDates : public testing::TestWithParam<const char*> {};

// The quick reading must never disagree with the full date rules, in any locale,
// for the dates the program writes and for texts that only look like them.
TEST_P(LineDates, AgreeWithTheFullDateRules) {
    const QLocale locale(QString::fromLatin1(GetParam()));
    const LineDateCheck check(locale);
    QStringList texts{"31/02/2010", "29/02/2012", "29/02/2011", "1/2/10",    "01-01-2000",
                      "2010-03-05", "05-Mar-2010", "05-mar-2010", "5-Mar-2010", "00/01/2010",
                      "01/13/2010", "13/01/2010", "12:00:00",   "01/06/2020 1", "abc",
                      "01/01/0099", "01.02.2010", "1.2.10",     "10. 3. 5.", "2010/3/5",
                      "05-Xyz-2010", "05-Mar-10", "0105/2010"};
    for (const QDate date : {QDate(2010, 3, 5), QDate(2000, 1, 1), QDate(2020, 12, 31),
                             QDate(1999, 11, 30), QDate(2012, 2, 29)}) {
        texts << ShortDate(date, locale) << LongDate(date, locale);
    }
    for (const QString& text : texts)
        EXPECT_EQ(check.isDate(text), ParseDate(text, locale).has_value())
            << text.toStdString() << " in " << GetParam();
    // And the forms this program writes are dates.
    EXPECT_TRUE(check.isDate(ShortDate(QDate(2010, 3, 5), locale)));
    EXPECT_TRUE(check.isDate(LongDate(QDate(2010, 3, 5), locale)));
}

INSTANTIATE_TEST_SUITE_P(Locales, LineDates,
                         testing::Values("en_GB", "en_US", "de_DE", "fr_FR", "nl_NL", "ja_JP",
                                         "ko_KR", "hu_HU", "ar_EG", "fa_IR", "C"),
                         [](const auto& info) { return std::string(info.param); });

}  // namespace
}  // namespace tw
