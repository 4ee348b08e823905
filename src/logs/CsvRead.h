#pragma once
#include <QByteArray>
#include <QChar>
#include <QString>
#include <QStringList>
#include <vector>

namespace tw {

// A spreadsheet file's text: UTF-8 with or without its byte order mark, or
// Windows-1252 where the bytes are not UTF-8 (as older spreadsheets save them).
QString DecodeSpreadsheet(const QByteArray& bytes);

// One row of a spreadsheet file and the line of the file it starts on, from 1.
struct CsvRow {
    int line = 0;
    QStringList fields;
};

// The rows of the text, split at the separator its first line uses most (a
// semicolon or a comma). A field in double quotes may hold separators, doubled
// quotes and line breaks. Rows with nothing in them are left out.
std::vector<CsvRow> SplitCsv(const QString& text, QChar* separator = nullptr);

}  // namespace tw
