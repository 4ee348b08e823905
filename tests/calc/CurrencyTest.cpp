#include <gtest/gtest.h>

#include "CalcSession.h"
#include "calc/Currency.h"

namespace tw {
namespace {

struct StripRow {
    const char* name;
    const char* text;
    const char* symbol;
    const char* stripped;
};

class StrippedSymbol : public testing::TestWithParam<StripRow> {};

TEST_P(StrippedSymbol, RemovesTheSymbolNeverADigit) {
    const StripRow& r = GetParam();
    EXPECT_EQ(Str(StripCurrencySymbol(QString::fromUtf8(r.text), QString::fromUtf8(r.symbol))),
              r.stripped);
}

INSTANTIATE_TEST_SUITE_P(
    Currency, StrippedSymbol,
    testing::Values(StripRow{"afterTheSign", "-£3.00", "£", "-3.00"},
                    StripRow{"inBrackets", "(£3.00)", "£", "-3.00"},
                    StripRow{"bracketsWithoutTheSymbolKept", "(3.00)", "£", "(3.00)"},
                    StripRow{"afterTheNumber", "12,50\u00a0€", "€", "12,50"},
                    StripRow{"inFrontWithABlank", "€ 12,50", "€", "12,50"},
                    StripRow{"leadingDigitKept", "1.00", "£", "1.00"},
                    StripRow{"otherSymbolKept", "$5.00", "£", "$5.00"},
                    StripRow{"noSymbolStripsNothing", "£12.50", "", "£12.50"},
                    StripRow{"onlyOneSymbolGoes", "££1", "£", "£1"},
                    StripRow{"emptyStaysEmpty", "", "£", ""}),
    [](const auto& info) { return std::string(info.param.name); });

struct LocaleRow {
    const char* name;
    QLocale locale;
    const char* symbol;
    const char* word;
    const char* oilCaption;
    const char* deliveryCaption;
};

class TaxWordOf : public testing::TestWithParam<LocaleRow> {};

TEST_P(TaxWordOf, FollowsTheCurrencySymbol) {
    const LocaleRow& r = GetParam();
    CalcSession s;
    s.desktop.userLocale = r.locale;
    s.desktop.bareC = r.locale == QLocale::c();
    RefreshCurrency(s.p, true, true);
    EXPECT_EQ(Str(s.p.st.CurrencySymbol), r.symbol);
    EXPECT_EQ(Str(s.p.st.TaxWord), r.word);
    EXPECT_EQ(s.text(Ctl::VATH), r.oilCaption);
    EXPECT_EQ(s.text(Ctl::DVATH), r.deliveryCaption);
    const std::string w = r.word;
    EXPECT_EQ(Str(s.p.main.tooltip(Ctl::VRate)), "Oil " + w + " Rate (0 or between 1 and 50%)");
    EXPECT_EQ(Str(s.p.main.tooltip(Ctl::DVRate)),
              "Delivery " + w + " Rate (0 or between 1 and 50%)");
    EXPECT_EQ(s.text(Ctl::TVHead), "Cost (inc " + w + ")");
}

INSTANTIATE_TEST_SUITE_P(
    Currency, TaxWordOf,
    testing::Values(
        LocaleRow{"euro", QLocale(QLocale::German, QLocale::Germany), "€", "VAT", "Oil VAT:",
                  "Del VAT:"},
        LocaleRow{"noSymbol", QLocale::c(), "", "Tax", "Oil Tax:", "Del Tax:"}),
    [](const auto& info) { return std::string(info.param.name); });

struct FlagRow {
    const char* name;
    bool strip, add, pendingError;
    const char* before;
    const char* after;
};

class PriceSymbol : public testing::TestWithParam<FlagRow> {};

TEST_P(PriceSymbol, IsStrippedAndAddedAsAsked) {
    const FlagRow& r = GetParam();
    CalcSession s;
    const Ctl prices[] = {Ctl::OCost1, Ctl::OCost2, Ctl::DCharge1, Ctl::DCharge2};
    for (Ctl c : prices) s.p.main.setText(c, QString::fromUtf8(r.before));
    if (r.pendingError) s.p.st.SaveError = "Tank A Reading 1 must be between 0 and 300\n";
    RefreshCurrency(s.p, r.strip, r.add);
    for (Ctl c : prices) EXPECT_EQ(s.text(c), r.after) << int(c);
}

INSTANTIATE_TEST_SUITE_P(
    Currency, PriceSymbol,
    testing::Values(FlagRow{"emptyStaysEmpty", true, true, false, "", ""},
                    FlagRow{"stripOnly", true, false, false, "£25.00", "25.00"},
                    FlagRow{"addOnly", false, true, false, "25.00", "£25.00"},
                    FlagRow{"neither", false, false, false, "£25.00", "£25.00"},
                    FlagRow{"noStripWhileErrorsPending", true, false, true, "£25.00", "£25.00"},
                    FlagRow{"noAddWhileErrorsPending", false, true, true, "25.00", "25.00"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(PriceSymbol, NothingIsAddedWithoutASymbol) {
    CalcSession s;
    s.p.main.setText(Ctl::OCost1, "£0.45");
    s.desktop.bareC = true;
    RefreshCurrency(s.p, true, true);  // the pound goes with the old locale
    EXPECT_EQ(s.text(Ctl::OCost1), "0.45");
    RefreshCurrency(s.p, true, true);
    EXPECT_EQ(s.text(Ctl::OCost1), "0.45");
}

TEST(TaxTexts, WithoutOilTaxThePredictionAndChargesNameNoTax) {
    CalcSession s;
    s.p.main.setText(Ctl::VRate, "");
    RefreshCurrency(s.p, false, false);
    for (Ctl c : {Ctl::TCostP, Ctl::VCost, Ctl::VCostP})
        EXPECT_EQ(Str(s.p.main.tooltip(c)), "") << int(c);
    EXPECT_EQ(Str(s.p.main.tooltip(Ctl::TVCostP)), "Predicted Total Cost");
    EXPECT_EQ(Str(s.p.main.tooltip(Ctl::DCharge2)),
              "Delivery cost for delivery 2 ( 0 or between 5 and 100)");
}

TEST(TaxTexts, WithOilTaxTheColumnsNameTheTaxWord) {
    CalcSession s;
    s.desktop.userLocale = QLocale(QLocale::English, QLocale::UnitedStates);
    s.p.main.setText(Ctl::VRate, "5.0");
    RefreshCurrency(s.p, false, false);
    EXPECT_EQ(s.text(Ctl::THead), "Cost");
    EXPECT_EQ(s.text(Ctl::VCostL), "Total Tax");
    EXPECT_EQ(Str(s.p.main.tooltip(Ctl::VCostP)),
              "Total Predicted Tax Cost (including delivery Tax)");
    EXPECT_EQ(Str(s.p.main.tooltip(Ctl::DCharge1)),
              "Delivery cost for delivery 1 less Tax ( 0 or between 5 and 100)");
}

}  // namespace
}  // namespace tw
