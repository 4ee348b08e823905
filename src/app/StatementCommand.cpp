#include "app/StatementCommand.h"

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

PreparedStatement PrepareStatement(const QString& folder, const StatementRequest& request,
                                   const QLocale& locale, const QDate& today) {
    const auto period = ParseStatementPeriod(request.season);
    if (!period) return {std::nullopt, request.season + " is not a heating season (2024/25) or a year (2024)"};
    if (request.pdf.isEmpty()) return {std::nullopt, "--statement needs --pdf FILE, the file to write"};
    const QFileInfo info(folder);
    if (!info.isDir() || !info.isReadable())
        return {std::nullopt, "the working folder " + QDir::toNativeSeparators(folder) + " cannot be used"};
    const Files files(folder);
    StatementSource source;
    const QString settings = QStringLiteral("Data/Tankwise.ini");
    try {
        if (files.fileExists(settings)) source = StatementSourceFromConfiguration(files.readLines(settings), locale);
    } catch (const FileError&) {
        return {std::nullopt, "cannot read " + files.absolute(settings)};
    }
    source.household = QDir(folder).dirName();
    const StatementData data = ReadStatementData(files, LogPaths{}, locale, source);
    if (!data.read) return {std::nullopt, "cannot read the history or delivery log in " + folder};
    StatementDocument doc = StatementDocumentFor(data, *period, today);
    if (doc.sections.empty()) return {std::nullopt, "no saved reading reaches into " + period->name()};
    return {std::move(doc), QString()};
}

}  // namespace tw
