#include "app/StatementCommand.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include "app/StatementRun.h"
#include "platform/Files.h"

namespace tw {

std::optional<StatementRequest> StatementRequestOf(const QStringList& arguments) {
    const qsizetype at = arguments.indexOf(QStringLiteral("--statement"));
    if (at < 0) return std::nullopt;
    const qsizetype pdf = arguments.indexOf(QStringLiteral("--pdf"));
    return StatementRequest{arguments.value(at + 1), pdf < 0 ? QString() : arguments.value(pdf + 1)};
}

namespace {
// The texts it shows, in the language of the installed translation.
struct Words {
    Q_DECLARE_TR_FUNCTIONS(StatementCommand)
};
}  // namespace

PreparedStatement PrepareStatement(const QString& folder, const StatementRequest& request,
                                   const QLocale& locale, const QDate& today) {
    const auto period = ParseStatementPeriod(request.season);
    if (!period)
        return {std::nullopt, Words::tr("%1 is not a heating season (2024/25) or a year (2024)").arg(request.season)};
    if (request.pdf.isEmpty()) return {std::nullopt, Words::tr("--statement needs --pdf FILE, the file to write")};
    const QFileInfo info(folder);
    if (!info.isDir() || !info.isReadable())
        return {std::nullopt, Words::tr("the working folder %1 cannot be used").arg(QDir::toNativeSeparators(folder))};
    const Files files(folder);
    StatementSource source;
    const QString settings = QStringLiteral("Data/Tankwise.ini");
    try {
        if (files.fileExists(settings)) source = StatementSourceFromConfiguration(files.readLines(settings), locale);
    } catch (const FileError&) {
        return {std::nullopt, Words::tr("cannot read %1").arg(files.absolute(settings))};
    }
    source.household = QDir(folder).dirName();
    const StatementData data = ReadStatementData(files, LogPaths{}, locale, source);
    if (!data.read) return {std::nullopt, Words::tr("cannot read the history or delivery log in %1").arg(folder)};
    StatementDocument doc = StatementDocumentFor(data, *period, today);
    if (doc.sections.empty()) return {std::nullopt, Words::tr("no saved reading reaches into %1").arg(period->name())};
    return {std::move(doc), QString()};
}

}  // namespace tw
