#include "logs/ImportCsv.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <algorithm>
#include <map>

#include "calc/Fields.h"

namespace tw {

namespace {

// The texts it shows, in the language of the installed translation.
struct Words {
    Q_DECLARE_TR_FUNCTIONS(ImportCsv)
};

// Lower case, without accents, bracketed units or punctuation: "Ölpreis (€/l)" is
// "olpreis", "Date du relevé" is "date du releve".
QString PlainHeader(const QString& header) {
    QString text = header.normalized(QString::NormalizationForm_D).toLower();
    text.remove(QRegularExpression(QStringLiteral("\\([^)]*\\)|\\[[^]]*\\]|\\p{Mn}")));
    text.replace(QRegularExpression(QStringLiteral("[_\\-.:/]")), QStringLiteral(" "));
    return text.simplified();
}

const std::map<QString, ImportField>& HeaderNames() {
    static const std::map<QString, ImportField> names = [] {
        std::map<QString, ImportField> m;
        const auto add = [&](ImportField f, std::initializer_list<const char*> words) {
            for (const char* w : words) m[QString::fromUtf8(w)] = f;
        };
        add(ImportField::Date, {"date", "datum", "jour", "tag", "date du releve", "date de releve",
                                "date de livraison", "delivery date", "lieferdatum", "ablesedatum",
                                "messdatum"});
        add(ImportField::ReadingDate, {"reading date", "period end", "ende des zeitraums",
                                       "fin de periode"});
        add(ImportField::TankA, {"reading", "dip", "dipstick", "ablesung", "stand", "fullstand",
                                 "pegel", "messung", "releve", "niveau", "jauge"});
        add(ImportField::Amount, {"amount", "litres", "liters", "litre", "liter", "gallons",
                                  "amount delivered", "delivered", "litres delivered", "menge",
                                  "liefermenge", "liter geliefert", "quantite", "quantite livree",
                                  "litres livres", "volume livre"});
        add(ImportField::Price, {"price", "price per litre", "price per liter", "price per gallon",
                                 "unit price", "preis", "preis pro liter", "literpreis",
                                 "preis je liter", "prix", "prix du litre", "prix par litre",
                                 "prix au litre", "prix unitaire"});
        add(ImportField::Charge, {"delivery charge", "charge", "lieferkosten", "liefergebuhr",
                                  "anfahrtskosten", "frais de livraison", "frais"});
        add(ImportField::OilTax, {"oil tax rate", "tax rate", "vat", "vat rate", "mwst",
                                  "mwst satz", "mehrwertsteuer", "steuersatz", "ust", "tva",
                                  "taux de tva", "taux tva"});
        add(ImportField::ChargeTax, {"charge tax rate", "delivery vat", "delivery tax rate",
                                     "mwst lieferung", "tva livraison", "tva frais"});
        add(ImportField::Value, {"oil value", "value", "olwert", "heizolwert", "wert", "valeur",
                                 "valeur du fioul"});
        return m;
    }();
    return names;
}

bool NamesTank(const QString& plain, QChar letter, QChar digit) {
    for (const char* word : {"tank ", "cuve ", "reservoir ", "behalter "})
        for (const QChar c : {letter, digit}) {
            const QString name = QString::fromLatin1(word) + c;
            if (plain == name || plain.startsWith(name + ' ') || plain.endsWith(' ' + name) ||
                plain.contains(' ' + name + ' '))
                return true;
        }
    return false;
}

// The file's decimal mark, from its numbers: a mark followed by other than three
// digits can only be a decimal one.
QChar DecimalOf(const std::vector<CsvRow>& rows, QChar separator, const QLocale& locale) {
    static const QRegularExpression comma(QStringLiteral("\\d,(\\d{1,2}|\\d{4,})\\D*$"));
    static const QRegularExpression period(QStringLiteral("\\d\\.(\\d{1,2}|\\d{4,})\\D*$"));
    int commas = 0, periods = 0;
    for (const CsvRow& row : rows)
        for (const QString& f : row.fields) {
            if (comma.match(f).hasMatch()) ++commas;
            else if (period.match(f).hasMatch() && !f.contains(',')) ++periods;
        }
    if (commas != periods) return commas > periods ? QLatin1Char(',') : QLatin1Char('.');
    if (separator == QLatin1Char(';')) return QLatin1Char(',');
    return locale.decimalPoint().front();
}

struct NumericDate {
    int first = 0, second = 0, year = 0;
    // Written with dots, as in German or French: always the day first.
    bool dotted = false;
};

std::optional<NumericDate> NumericDateOf(const QString& text) {
    static const QRegularExpression pattern(
        QStringLiteral("^(\\d{1,2})[./-](\\d{1,2})[./-](\\d{4}|\\d{2})(?:[ T].*)?$"));
    const auto m = pattern.match(text.trimmed());
    if (!m.hasMatch()) return std::nullopt;
    int year = m.captured(3).toInt();
    if (m.captured(3).size() == 2) year += 2000;  // two-digit years are 20yy
    return NumericDate{m.captured(1).toInt(), m.captured(2).toInt(), year,
                       text.contains(QLatin1Char('.'))};
}

std::optional<QDate> IsoDateOf(const QString& text) {
    static const QRegularExpression pattern(QStringLiteral("^(\\d{4})-(\\d{1,2})-(\\d{1,2})(?:[ T].*)?$"));
    const auto m = pattern.match(text.trimmed());
    if (!m.hasMatch()) return std::nullopt;
    const QDate date(m.captured(1).toInt(), m.captured(2).toInt(), m.captured(3).toInt());
    if (!date.isValid()) return std::nullopt;
    return date;
}

// What the numeric dates of the files say of their day order.
DayOrder OrderFromDates(const std::vector<ImportTable>& tables, bool* ambiguous) {
    bool dayFirst = false, monthFirst = false;
    *ambiguous = false;
    for (const ImportTable& t : tables)
        for (const CsvRow& row : t.rows)
            for (size_t c = 0; c < t.columns.size() && c < size_t(row.fields.size()); ++c) {
                if (t.columns[c] != ImportField::Date && t.columns[c] != ImportField::ReadingDate) continue;
                const auto d = NumericDateOf(row.fields[qsizetype(c)]);
                if (!d || d->dotted) continue;
                if (d->first > 12) dayFirst = true;
                else if (d->second > 12) monthFirst = true;
                else if (d->first != d->second) *ambiguous = true;
            }
    if (dayFirst == monthFirst) return DayOrder::Unknown;
    return dayFirst ? DayOrder::DayFirst : DayOrder::MonthFirst;
}

class RowReader {
public:
    RowReader(const ImportTable& t, const CsvRow& row, DayOrder order, const QLocale& locale,
              std::vector<ImportProblem>& problems)
        : t_(t), row_(row), order_(order), locale_(locale), problems_(problems) {}

    QString text(ImportField f) const {
        for (size_t c = 0; c < t_.columns.size(); ++c)
            if (t_.columns[c] == f) return row_.fields.value(qsizetype(c)).trimmed();
        return {};
    }
    bool has(ImportField f) const { return !text(f).isEmpty(); }

    std::optional<double> number(ImportField f, const char* what) {
        const QString s = text(f);
        if (s.isEmpty()) return std::nullopt;
        const auto n = ImportNumber(s, t_.decimal);
        if (!n) fail(Words::tr("%1 \"%2\" is not a number").arg(Words::tr(what), s));
        return n;
    }
    std::optional<QDate> date(ImportField f, const char* what) {
        const QString s = text(f);
        if (s.isEmpty()) return std::nullopt;
        std::optional<QDate> d = IsoDateOf(s);
        if (!d) {
            if (const auto n = NumericDateOf(s)) {
                const bool dayFirst = n->dotted || order_ != DayOrder::MonthFirst;
                const QDate q(n->year, dayFirst ? n->second : n->first, dayFirst ? n->first : n->second);
                if (q.isValid()) d = q;
            } else {
                d = ParseDate(s, locale_);
            }
        }
        if (!d) fail(Words::tr("%1 \"%2\" is not a date").arg(Words::tr(what), s));
        return d;
    }
    void fail(const QString& message) {
        failed = true;
        problems_.push_back({t_.file, row_.line, message});
    }
    bool failed = false;

private:
    const ImportTable& t_;
    const CsvRow& row_;
    DayOrder order_;
    const QLocale& locale_;
    std::vector<ImportProblem>& problems_;
};

}  // namespace

ImportField FieldOfHeader(const QString& header) {
    const QString plain = PlainHeader(header);
    const auto& names = HeaderNames();
    if (const auto it = names.find(plain); it != names.end()) return it->second;
    if (NamesTank(plain, QLatin1Char('b'), QLatin1Char('2'))) return ImportField::TankB;
    if (NamesTank(plain, QLatin1Char('a'), QLatin1Char('1'))) return ImportField::TankA;
    return ImportField::Ignored;
}

bool ImportTable::recognised() const {
    const auto holds = [&](ImportField f) { return std::find(columns.begin(), columns.end(), f) != columns.end(); };
    return holds(ImportField::Date) && (holds(ImportField::TankA) || holds(ImportField::Amount));
}

ImportTable ReadImportTable(const QString& file, const QByteArray& bytes, const QLocale& locale) {
    ImportTable t;
    t.file = file;
    QChar separator;
    std::vector<CsvRow> rows = SplitCsv(DecodeSpreadsheet(bytes), &separator);
    if (rows.empty()) return t;
    t.header = rows.front().fields;
    rows.erase(rows.begin());
    for (const QString& h : t.header) t.columns.push_back(FieldOfHeader(h));
    // A lone date column named for the reading it closes is the date.
    if (std::find(t.columns.begin(), t.columns.end(), ImportField::Date) == t.columns.end())
        std::replace(t.columns.begin(), t.columns.end(), ImportField::ReadingDate, ImportField::Date);
    t.decimal = DecimalOf(rows, separator, locale);
    t.rows = std::move(rows);
    return t;
}

std::optional<double> ImportNumber(const QString& text, QChar decimal) {
    // A sign or currency before the figure, a unit, currency or percent sign after it;
    // a letter touching the figure must be a unit ("9O" is a mistyped 90, not 9).
    static const QRegularExpression shape(QStringLiteral(
        "^\\s*([^\\d\\s.,-]*)\\s*(-?\\d(?:[\\d.,'\\x{00A0}\\x{202F} ]*\\d)?)(\\s*)([^\\d]*)$"));
    static const QStringList units = {"l", "ltr", "ltrs", "litres", "liters", "cm", "mm", "in",
                                      "gal", "kg", "lb"};
    const auto m = shape.match(text);
    if (!m.hasMatch()) return std::nullopt;
    const QString suffix = m.captured(4).trimmed();
    if (m.captured(3).isEmpty() && !suffix.isEmpty() && suffix.front().isLetter() &&
        !units.contains(suffix.toLower()))
        return std::nullopt;
    QString s = m.captured(2);
    s.remove(QRegularExpression(QStringLiteral("['\\x{00A0}\\x{202F} ]")));
    const QChar other = decimal == QLatin1Char('.') ? QLatin1Char(',') : QLatin1Char('.');
    if (s.contains(decimal) && s.contains(other)) {
        if (s.lastIndexOf(decimal) < s.lastIndexOf(other)) return std::nullopt;
        s.remove(other);
    } else if (s.contains(other)) {
        // "1.250" groups thousands in a file with a decimal comma; "0.65" does not.
        static const QRegularExpression grouped(QStringLiteral("^-?\\d{1,3}([.,]\\d{3})+$"));
        if (grouped.match(s).hasMatch()) s.remove(other);
        else if (s.count(other) == 1) s.replace(other, decimal);
        else return std::nullopt;
    }
    if (s.count(decimal) > 1) return std::nullopt;
    s.replace(decimal, QLatin1Char('.'));
    bool ok = false;
    const double value = s.toDouble(&ok);
    if (!ok) return std::nullopt;
    return value;
}

ImportRecords ReadImportRecords(const std::vector<ImportTable>& tables, DayOrder order,
                                const QLocale& locale) {
    ImportRecords out;
    if (order == DayOrder::Unknown) {
        bool ambiguous = false;
        order = OrderFromDates(tables, &ambiguous);
        if (order == DayOrder::Unknown && ambiguous) {
            out.dayOrderNeeded = true;
            return out;
        }
    }
    for (const ImportTable& t : tables) {
        if (!t.recognised()) {
            out.problems.push_back({t.file, 1,
                                    Words::tr("No date column and no reading or amount column among the headers %1")
                                        .arg(t.header.join(QLatin1String(", ")))});
            continue;
        }
        for (const CsvRow& row : t.rows) {
            RowReader r(t, row, order, locale, out.problems);
            const bool reading = r.has(ImportField::TankA);
            const bool delivery = r.has(ImportField::Amount);
            if (!reading && !delivery) continue;  // a note or a total: nothing to import
            const auto date = r.date(ImportField::Date, QT_TRANSLATE_NOOP("ImportCsv", "The date"));
            if (!date && !r.failed) r.fail(Words::tr("The row has no date"));
            if (reading) {
                ImportedReading x{t.file, row.line, date.value_or(QDate()), 0, std::nullopt, std::nullopt};
                x.readingA =
                    r.number(ImportField::TankA, QT_TRANSLATE_NOOP("ImportCsv", "Tank A's reading")).value_or(0);
                x.readingB = r.number(ImportField::TankB, QT_TRANSLATE_NOOP("ImportCsv", "Tank B's reading"));
                x.value = r.number(ImportField::Value, QT_TRANSLATE_NOOP("ImportCsv", "The oil value"));
                if (!r.failed) out.readings.push_back(x);
            }
            if (delivery) {
                ImportedDelivery d;
                d.file = t.file;
                d.line = row.line;
                d.date = date.value_or(QDate());
                d.amount = r.number(ImportField::Amount, QT_TRANSLATE_NOOP("ImportCsv", "The amount")).value_or(0);
                const auto price = r.number(ImportField::Price, QT_TRANSLATE_NOOP("ImportCsv", "The price"));
                if (!price && !r.failed) r.fail(Words::tr("The delivery has no price"));
                d.price = price.value_or(0);
                d.charge = r.number(ImportField::Charge, QT_TRANSLATE_NOOP("ImportCsv", "The delivery charge"));
                d.oilTaxRate = r.number(ImportField::OilTax, QT_TRANSLATE_NOOP("ImportCsv", "The tax rate"));
                d.chargeTaxRate =
                    r.number(ImportField::ChargeTax, QT_TRANSLATE_NOOP("ImportCsv", "The charge's tax rate"));
                d.readingDate = r.date(ImportField::ReadingDate, QT_TRANSLATE_NOOP("ImportCsv", "The reading date"));
                if (!r.failed) out.deliveries.push_back(d);
            }
        }
    }
    const auto byDate = [](const auto& a, const auto& b) { return a.date < b.date; };
    std::stable_sort(out.readings.begin(), out.readings.end(), byDate);
    std::stable_sort(out.deliveries.begin(), out.deliveries.end(), byDate);
    return out;
}

}  // namespace tw
