#pragma once
#include <QLocale>
#include <QString>
#include <vector>

#include "platform/MainControls.h"

namespace tw {

// The text without the currency symbol: in front ("£12.50", "-£3.00") or, where the
// locale writes it after the number, at the end ("12,50 €"), with the blank that
// separates it; a bracketed amount ("(£3.00)") becomes a negative one. An empty symbol
// (the C locale) strips nothing; a text without the symbol is returned as it is.
QString StripCurrencySymbol(const QString& text, const QString& symbol);

// The logs are Windows-1252 text: characters it has no code for ("ł", "ő", Greek,
// Cyrillic), as one text with each character once; empty when the text fits.
QString CharactersOutsideLogCodePage(const QString& text);

// The currency symbol as the logs write it: the locale's own symbol where the logs'
// code page holds it ("£", "€"), else the currency's ISO 4217 code ("PLN" for
// "zł", "CZK" for "Kč"), so that no amount is written with a substitute byte and
// every amount reads back.
QString LogCurrencySymbol(const QLocale& locale);
// A currency text of the window ("117,30 zł") as the logs write it ("117,30 PLN").
QString LogCurrencyText(const QString& text, const QLocale& locale);

// A bare amount of a price field ("0,8900") with the currency symbol where the
// locale's currency format puts it, blank included ("0,8900 €" in German, "£0.8900"
// in British English), so that prices look like every other amount in the window.
// The digits stay as they are; StripCurrencySymbol gives them back.
QString WithCurrencySymbol(const QString& bare, const QLocale& locale);

// "VAT" where the currency is the pound or the euro, "Tax" everywhere else. The logs
// keep this English word; windows in German or French show "MwSt." or "TVA".
QString TaxWordOf(const QString& currencySymbol);

// The tax word as the windows and the printed statement show it: "MwSt." in German
// and "TVA" in French for any currency, else the English word; never for a log.
QString ShownTaxWord(const QString& taxWord);

// A caption (or, with `tooltip`, a tooltip) to show on one control.
struct ControlText {
    Ctl control;
    bool tooltip;
    QString text;
};

// Every caption and tooltip that names the tax, for the tax word and whether oil is
// taxed at all (the cost columns read differently without oil tax).
std::vector<ControlText> TaxTexts(const QString& taxWord, bool oilTaxed);

}  // namespace tw
