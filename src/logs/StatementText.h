#pragma once
#include <QDate>
#include <QLocale>
#include <QString>
#include <QStringList>
#include <utility>
#include <vector>

#include "logs/SeasonStatement.h"

namespace tw {

// A statement laid out as words, ready for any page: the PDF, the printer and the
// preview all draw this one document.
struct StatementDocument {
    struct Section {
        QString title;
        std::vector<std::pair<QString, QString>> rows;  // label, value
    };
    struct Table {
        QString title;
        QStringList header;
        std::vector<QStringList> rows;
    };
    QString title;        // "Heating oil statement 2024/25"
    QStringList heading;  // the household, the period, the program
    std::vector<Section> sections;
    std::vector<Table> tables;
    QString chartTitle;
    std::vector<MonthFigure> months;
    QStringList monthLabels;  // the locale's short month names
    QString useLegend, degreeDayLegend;
    QStringList notes;
    QString footer;  // on every page, before the page number
};

// What the statement says besides its figures.
struct StatementWords {
    QString household;  // the working folder's name
    QString version;    // "3.0"
    QDate today;
    QLocale locale;
    bool gallons = false, pounds = false;
    QString profileName;  // of the degree days
};

StatementDocument ComposeStatement(const SeasonStatement& statement, const UseWeights& weights,
                                   const StatementWords& words);

}  // namespace tw
