#include "logs/CsvRead.h"

#include <QStringDecoder>

namespace tw {

QString DecodeSpreadsheet(const QByteArray& bytes) {
    if (bytes.startsWith("\xEF\xBB\xBF")) return QString::fromUtf8(bytes.mid(3));
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString text = utf8(bytes);
    if (!utf8.hasError()) return text;
    QStringDecoder windows("windows-1252");
    return windows(bytes);
}

namespace {

QChar SeparatorOf(const QString& text) {
    qsizetype semicolons = 0, commas = 0;
    bool quoted = false;
    for (const QChar c : text) {
        if (c == QLatin1Char('"')) quoted = !quoted;
        else if (!quoted && (c == QLatin1Char('\n') || c == QLatin1Char('\r'))) break;
        else if (!quoted && c == QLatin1Char(';')) ++semicolons;
        else if (!quoted && c == QLatin1Char(',')) ++commas;
    }
    return semicolons > 0 && semicolons >= commas ? QLatin1Char(';') : QLatin1Char(',');
}

bool Blank(const QStringList& fields) {
    for (const QString& f : fields)
        if (!f.trimmed().isEmpty()) return false;
    return true;
}

}  // namespace

std::vector<CsvRow> SplitCsv(const QString& text, QChar* separator) {
    const QChar sep = SeparatorOf(text);
    if (separator) *separator = sep;
    std::vector<CsvRow> rows;
    CsvRow row{1, {}};
    QString field;
    bool quoted = false;
    int line = 1;
    const auto endRow = [&] {
        row.fields << field;
        field.clear();
        if (!Blank(row.fields)) rows.push_back(row);
        row = CsvRow{line, {}};
    };
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (quoted) {
            if (c == QLatin1Char('"') && i + 1 < text.size() && text.at(i + 1) == QLatin1Char('"')) {
                field += c;
                ++i;
            } else if (c == QLatin1Char('"')) {
                quoted = false;
            } else {
                if (c == QLatin1Char('\n')) ++line;
                field += c;
            }
        } else if (c == QLatin1Char('"')) {
            quoted = true;
        } else if (c == sep) {
            row.fields << field;
            field.clear();
        } else if (c == QLatin1Char('\n') || c == QLatin1Char('\r')) {
            if (c == QLatin1Char('\r') && i + 1 < text.size() && text.at(i + 1) == QLatin1Char('\n')) ++i;
            ++line;
            endRow();
        } else {
            field += c;
        }
    }
    if (!field.isEmpty() || !row.fields.isEmpty()) endRow();
    return rows;
}

}  // namespace tw
