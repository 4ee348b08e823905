#include "logs/LogColumns.h"

#include "calc/Formats.h"

#include <gtest/gtest.h>

#include "LogTestSupport.h"

namespace tw {
namespace {

const QLocale kUk(QLocale::English, QLocale::UnitedKingdom);

// ---- Fixed-width lines ----------------------------------------------------------------

TEST(HistoryLines, DataLineMatchesTheDocumentedExampleColumnForColumn) {
    HistoryRow row{"15-Feb-2013", "460", "0", "45.0", "", "£123.45", true, false};
    const QString line = HistoryDataLine(row);
    EXPECT_EQ(line, "15-Feb-2013,     460,       0,   45.0,       ,   £123.45,  On, Off");
    EXPECT_EQ(line.size(), 66);
}

TEST(HistoryLines, FirstReadingLineEndsWithACommaAndTwentyBlanks) {
    HistoryRow row{"01-Jan-2013", "910", "0", "78.5", "", "£9.99", true, true};
    const QString line = FirstReadingLine(row);
    // No oil value and no heating flags, whatever the row holds.
    EXPECT_EQ(line, "01-Jan-2013,     910,       0,   78.5,       ,                    ");
    EXPECT_EQ(line.size(), 66);
}

TEST(HistoryLines, OverlongFieldsKeepTheirLastCharacters) {
    HistoryRow row{"Wednesday 01-Jan-2013", "12345678", "", "1234.56", "", "£12,345.67", false,
                   false};
    const QString line = HistoryDataLine(row);
    EXPECT_EQ(line.size(), 66);
    EXPECT_EQ(line.left(11), "01-Jan-2013");
    EXPECT_EQ(line.mid(13, 7), "2345678");
    EXPECT_EQ(line.mid(31, 6), "234.56");
    EXPECT_EQ(line.mid(47, 9), "12,345.67");
}

TEST(DeliveryLines, LineIsSeventySixCharactersInItsColumns) {
    DeliveryRow row{"15/02/2013", "1000", "£0.4500", "£25.00", "17.5%", "£556.25", "5%", false,
                    true};
    const QString line = DeliveryLineText(row);
    EXPECT_EQ(line,
              " 15/02/2013,      1000, £0.4500,    £25.00, 17.5%,  £556.25,    5%, Off,  On");
    EXPECT_EQ(line.size(), 76);
}

// A currency amount keeps its digits in a narrow column: group separators go
// first, then the symbol; an amount that fits is written as it is.
struct FitRow {
    const char* name;
    const char* locale;
    double amount;
    int width;
    QString expected;
};

class CurrencyColumns : public testing::TestWithParam<FitRow> {};

TEST_P(CurrencyColumns, KeepEveryDigitTheColumnCanHold) {
    const FitRow& row = GetParam();
    const QLocale locale(QString::fromLatin1(row.locale));
    EXPECT_EQ(FitCurrency(CurrencyText(row.amount, locale), row.width, locale), row.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, CurrencyColumns,
    testing::Values(
        FitRow{"gbFitsAsItIs", "en_GB", 1325, 9, QString::fromUtf8("£1,325.00")},
        FitRow{"gbTotalWithoutSeparator", "en_GB", 1325, 8, QString::fromUtf8("£1325.00")},
        FitRow{"gbTotalWithoutSymbol", "en_GB", 12345, 8, "12345.00"},
        FitRow{"gbTooLongForEvenTheDigits", "en_GB", 1234567, 8, "1234567.00"},
        FitRow{"deSmallAmountAsItIs", "de_DE", 325, 8, QString::fromUtf8("325,00\u00A0€")},
        FitRow{"deOilValueWithoutSeparator", "de_DE", 1325, 9, QString::fromUtf8("1325,00\u00A0€")},
        FitRow{"deTotalWithoutSymbol", "de_DE", 1325, 8, "1325,00"},
        FitRow{"frNarrowSpaceDropped", "fr_FR", 1325, 9, QString::fromUtf8("1325,00\u00A0€")}),
    [](const auto& info) { return std::string(info.param.name); });

// ---- Reading lines back ---------------------------------------------------------------

TEST(ReadingColumns, HistoryPiecesComeBackFromTheirColumns) {
    const HistoryPieces h = ReadHistoryColumns(
        HistoryDataLine({"15/02/2013", "460", "1234", "45.0", "78.5", "£123.45", false, true}));
    EXPECT_EQ(h.date, "15/02/2013");
    EXPECT_EQ(h.volumeA, "460");
    EXPECT_EQ(h.volumeB, "1234");
    EXPECT_EQ(h.depthA, "45.0");
    EXPECT_EQ(h.depthB, "78.5");
    EXPECT_EQ(h.oilValue, "£123.45");
    EXPECT_FALSE(h.centralHeating);
    EXPECT_TRUE(h.waterHeating);
}

TEST(ReadingColumns, DeliveryPiecesComeBackFromTheirColumns) {
    const DeliveryPieces d = ReadDeliveryColumns(DeliveryLineText(
        {"15/02/2013", "1000", "£0.4500", "£100.00", "5%", "£9,999.99", "5%", true, false}));
    EXPECT_EQ(d.date, "15/02/2013");
    EXPECT_EQ(d.amount, "1000");
    EXPECT_EQ(d.oilCost, "£0.4500");
    EXPECT_EQ(d.charge, "£100.00");
    EXPECT_TRUE(d.centralHeating);
    EXPECT_FALSE(d.waterHeating);
}

TEST(ReadingColumns, ShortAndEmptyLinesGiveEmptyPieces) {
    const HistoryPieces h = ReadHistoryColumns("01/02/2013");
    EXPECT_EQ(h.date, "01/02/2013");
    EXPECT_EQ(h.volumeA, "");
    EXPECT_FALSE(h.centralHeating);
    EXPECT_EQ(ReadDeliveryColumns("").date, "");
    EXPECT_EQ(ColumnText("abc", 5, 9), "");
    // Only blanks are trimmed.
    EXPECT_EQ(ColumnText("  \tab  ", 1, 7), "\tab");
    EXPECT_EQ(TrimBlanks("  x y  "), "x y");
}

struct SavedLineRow {
    const char* name;
    const char* line;
    bool history;
    bool delivery;
};
void PrintTo(const SavedLineRow& row, std::ostream* os) { *os << row.name; }

class SavedLines : public testing::TestWithParam<SavedLineRow> {};

TEST_P(SavedLines, AreToldApartFromOtherLines) {
    const SavedLineRow& row = GetParam();
    EXPECT_EQ(IsHistoryDataLine(row.line, kUk), row.history);
    EXPECT_EQ(IsDeliveryLine(row.line, kUk), row.delivery);
}

INSTANTIATE_TEST_SUITE_P(
    Tables, SavedLines,
    testing::Values(
        SavedLineRow{"historyLine",
                     " 15/02/2013,     460,       0,   45.0,       ,   £123.45,  On, Off", true,
                     true},
        SavedLineRow{"tankAVolumeOfOne",
                     " 15/02/2013,       1,       0,       ,       ,          ,  On, Off", false,
                     false},
        SavedLineRow{"deliveryLine",
                     " 15/02/2013,      1000, £0.4500,    £25.00,    5%,  £556.25,    5%, Off,  On",
                     true, true},
        SavedLineRow{"creationTimeStamp", "01/06/2020 12:00:00", false, false},
        SavedLineRow{"columnHeader",
                     "Date       , Tank A , Tank B , Tank A, Tank B, Oil Value, CH , HW ", false,
                     false},
        SavedLineRow{"notADate", "hello wor  ,     460", false, false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(LogDates, OnlyTextsLongerThanElevenCharactersAreRewritten) {
    EXPECT_EQ(LogDate("15/02/2013", kUk), "15/02/2013");
    EXPECT_EQ(LogDate("15-Feb-2013", kUk), "15-Feb-2013");
    EXPECT_EQ(LogDate("15 February 2013", kUk), "15-Feb-2013");
    EXPECT_EQ(LogDate("", kUk), "");
}

}  // namespace
}  // namespace tw
