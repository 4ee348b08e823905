#include "calc/Currency.h"

#include <QCoreApplication>
#include <QStringEncoder>

namespace tw {

namespace {

bool IsBlank(QChar c) { return c == QLatin1Char(' ') || c == QChar(0x00A0) || c == QChar(0x202F); }

bool IsDigit(QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); }

// True when Windows-1252 has a code for the character. The encoder writes 0x1A for
// any it has none for; the narrow spaces are written as no-break spaces by Files.
bool FitsLogCodePage(QChar c) {
    if (c == QChar(0x202F) || c == QChar(0x2009)) return true;
    QStringEncoder encoder("windows-1252");
    const QByteArray bytes = encoder.encode(QString(c));
    return c == QChar(0x1A) || (bytes.size() == 1 && bytes[0] != '\x1a');
}

}  // namespace

QString CharactersOutsideLogCodePage(const QString& text) {
    QString outside;
    for (const QChar c : text)
        if (!FitsLogCodePage(c) && !outside.contains(c)) outside += c;
    return outside;
}

QString LogCurrencySymbol(const QLocale& locale) {
    const QString symbol = locale.currencySymbol(QLocale::CurrencySymbol);
    if (CharactersOutsideLogCodePage(symbol).isEmpty()) return symbol;
    return locale.currencySymbol(QLocale::CurrencyIsoCode);
}

QString LogCurrencyText(const QString& text, const QLocale& locale) {
    const QString symbol = locale.currencySymbol(QLocale::CurrencySymbol);
    const QString logged = LogCurrencySymbol(locale);
    const qsizetype at = symbol.isEmpty() ? -1 : text.indexOf(symbol);
    if (logged == symbol || at < 0) return text;
    QString t = text;
    t.replace(at, symbol.size(), logged);
    // A code is a word: it never touches the digits ("INR 1,234.00", not "INR1,234.00").
    const qsizetype after = at + logged.size();
    if (after < t.size() && IsDigit(t[after])) t.insert(after, QLatin1Char(' '));
    if (at > 0 && IsDigit(t[at - 1])) t.insert(at, QLatin1Char(' '));
    return t;
}

QString WithCurrencySymbol(const QString& bare, const QLocale& locale) {
    // The locale's pattern, read off its own form of 1: what stands before the
    // number and what after it.
    const QString one = locale.toCurrencyString(1.0);
    const qsizetype first = one.indexOf(QLatin1Char('1'));
    if (first < 0) return bare;
    qsizetype last = first + 1;
    const QString point = locale.decimalPoint();
    if (QStringView(one).mid(last).startsWith(point)) {
        last += point.size();
        while (last < one.size() && IsDigit(one[last])) ++last;
    }
    return one.left(first) + bare + one.mid(last);
}

QString StripCurrencySymbol(const QString& text, const QString& symbol) {
    if (symbol.isEmpty()) return text;
    // Negative amounts in brackets, as some locales write them: "(£3.00)" is -3.00.
    if (text.startsWith(QLatin1Char('(')) && text.endsWith(QLatin1Char(')'))) {
        const QString inner = text.mid(1, text.size() - 2);
        const QString bare = StripCurrencySymbol(inner, symbol);
        if (bare != inner) return QLatin1Char('-') + bare;
        return text;
    }
    QString t = text;
    QString sign;
    if (t.startsWith(QLatin1Char('-')) && t.mid(1).startsWith(symbol)) {
        sign = QStringLiteral("-");
        t.remove(0, 1);
    }
    if (t.startsWith(symbol)) {
        t.remove(0, symbol.size());
        while (!t.isEmpty() && IsBlank(t.front())) t.remove(0, 1);
        return sign + t;
    }
    if (sign.isEmpty() && t.endsWith(symbol)) {
        t.chop(symbol.size());
        while (!t.isEmpty() && IsBlank(t.back())) t.chop(1);
        return t;
    }
    return text;
}

QString TaxWordOf(const QString& currencySymbol) {
    const bool vat = currencySymbol == QStringLiteral("£") || currencySymbol == QStringLiteral("€");
    return vat ? QStringLiteral("VAT") : QStringLiteral("Tax");
}

QString ShownTaxWord(const QString& taxWord) {
    // Marked for the translations: the two tax words TaxWordOf gives.
    static const char* const kWords[] = {QT_TRANSLATE_NOOP("MainWindow", "VAT"),
                                         QT_TRANSLATE_NOOP("MainWindow", "Tax")};
    Q_UNUSED(kWords);
    // Windows in German or French say "MwSt." or "TVA" whatever the currency (a Swiss
    // or Belgian bill says so too), while the logs keep the word of the currency.
    const QString vat = QCoreApplication::translate("MainWindow", "VAT");
    if (vat != QLatin1String("VAT")) return vat;
    return QCoreApplication::translate("MainWindow", taxWord.toUtf8().constData());
}

// The window's tax texts, in the user's language; the logs keep the English tax word.
std::vector<ControlText> TaxTexts(const QString& taxWord, bool oilTaxed) {
    auto inLanguage = [](const char* text) { return QCoreApplication::translate("MainWindow", text); };
    const QString w = ShownTaxWord(taxWord);
    auto choose = [&](const QString& none, const QString& taxed) { return oilTaxed ? taxed : none; };
    std::vector<ControlText> t = {
        {Ctl::VATH, false, inLanguage(QT_TRANSLATE_NOOP("MainWindow", "Oil %1:")).arg(w)},
        {Ctl::DVATH, false, inLanguage(QT_TRANSLATE_NOOP("MainWindow", "Del %1:")).arg(w)},
        {Ctl::DVRate, true, inLanguage(QT_TRANSLATE_NOOP("MainWindow", "Delivery %1 Rate (0 or between 1 and 50%)")).arg(w)},
        {Ctl::VRate, true, inLanguage(QT_TRANSLATE_NOOP("MainWindow", "Oil %1 Rate (0 or between 1 and 50%)")).arg(w)},
    };
    for (int n : {1, 2}) {
        const QString d = QString::number(n);
        t.push_back({n == 1 ? Ctl::DCharge1 : Ctl::DCharge2, true,
                     choose(inLanguage(QT_TRANSLATE_NOOP("MainWindow", "Delivery cost for delivery %1 ( 0 or between 5 and 100)")).arg(d),
                            inLanguage(QT_TRANSLATE_NOOP("MainWindow", "Delivery cost for delivery %1 less %2 ( 0 or between 5 and 100)")).arg(d, w))});
        t.push_back({n == 1 ? Ctl::OCost1 : Ctl::OCost2, true,
                     choose(inLanguage(QT_TRANSLATE_NOOP("MainWindow", "Oil cost for delivery %1 (0 or between 0.10 and 9.99)")).arg(d),
                            inLanguage(QT_TRANSLATE_NOOP("MainWindow", "Oil cost for delivery %1 less %2 (0 or between 0.10 and 9.99)")).arg(d, w))});
    }
    t.push_back({Ctl::THead, false, choose(QString(), inLanguage(QT_TRANSLATE_NOOP("MainWindow", "Cost")))});
    t.push_back({Ctl::TVHead, false, choose(inLanguage(QT_TRANSLATE_NOOP("MainWindow", "Total Cost")),
                                            inLanguage(QT_TRANSLATE_NOOP("MainWindow", "Cost (inc %1)")).arg(w))});
    t.push_back({Ctl::TVCost, true, choose(inLanguage(QT_TRANSLATE_NOOP("MainWindow", "Total Cost")),
                                           inLanguage(QT_TRANSLATE_NOOP("MainWindow", "Total Cost (inc %1)")).arg(w))});
    t.push_back({Ctl::TVCostP, true,
                 choose(inLanguage(QT_TRANSLATE_NOOP("MainWindow", "Predicted Total Cost")),
                        inLanguage(QT_TRANSLATE_NOOP("MainWindow", "Predicted Total Cost (inc %1)")).arg(w))});
    t.push_back({Ctl::TCost, true,
                 choose(QString(), inLanguage(QT_TRANSLATE_NOOP("MainWindow", "Total Cost before %1 (including delivery costs)")).arg(w))});
    t.push_back({Ctl::TCostP, true,
                 choose(QString(), inLanguage(QT_TRANSLATE_NOOP("MainWindow", "Predicted Total Cost before %1 (including delivery costs)")).arg(w))});
    t.push_back({Ctl::VCostL, false, choose(QString(), inLanguage(QT_TRANSLATE_NOOP("MainWindow", "Total %1")).arg(w))});
    t.push_back({Ctl::VCost, true,
                 choose(QString(), inLanguage(QT_TRANSLATE_NOOP("MainWindow", "Total %1 Cost (including delivery %1)")).arg(w))});
    t.push_back({Ctl::VCostP, true,
                 choose(QString(), inLanguage(QT_TRANSLATE_NOOP("MainWindow", "Total Predicted %1 Cost (including delivery %1)")).arg(w))});
    return t;
}

}  // namespace tw
