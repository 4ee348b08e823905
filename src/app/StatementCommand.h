#pragma once
#include <QDate>
#include <QLocale>
#include <QString>
#include <QStringList>
#include <optional>

#include "logs/StatementText.h"

namespace tw {

// "--statement SEASON --pdf FILE" among the program's arguments.
struct StatementRequest {
    QString season, pdf;
};
// Nothing when --statement is absent; the command line's own check has already
// refused a switch without its value.
std::optional<StatementRequest> StatementRequestOf(const QStringList& arguments);

// The statement of the working folder `folder` (absolute), or the line saying why
// there is none: the folder or its logs cannot be read, --pdf is missing, or no
// saved reading reaches into the period.
struct PreparedStatement {
    std::optional<StatementDocument> document;
    QString problem;
};
PreparedStatement PrepareStatement(const QString& folder, const StatementRequest& request,
                                   const QLocale& locale, const QDate& today);

}  // namespace tw
