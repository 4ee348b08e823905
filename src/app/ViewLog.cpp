#include "app/ViewLog.h"

#include <QCoreApplication>

#include "calc/ShownValue.h"

#include "app/FolderChecks.h"
#include "app/LogFileChecks.h"
#include "app/Program.h"
#include "logs/CsvExport.h"
#include "platform/Files.h"

namespace tw {

void ViewLogFile(Program& p, LogKind kind) {
    CheckDirectory(p, "Log");
    if (CheckLogFile(p, kind)) return;
    // Only the end is read here; the window reads the whole log itself.
    const bool readable =
        ReadLogOrWarn(p, kind, QCoreApplication::translate("Messages", "Unable to open the log file %1.").arg(LogFullPath(p, kind)),
                      [&] { p.files.lastLines(LogPath(p, kind), 1); });
    if (readable) p.desktop.showLogWindow(kind, LogPath(p, kind));
}

void OpenLogWith(Program& p, LogKind kind) {
    CheckDirectory(p, "Log");
    if (CheckLogFile(p, kind)) return;
    if (!p.desktop.startViewer(LogPath(p, kind))) {
        p.say(LogErrorTitle(kind),
              QCoreApplication::translate("Messages", "Unable to run Notepad\nCheck that it exists and\nis working properly.").split('\n'),
              Icon::Warning);
    }
}

TaxRates CurrentTaxRates(Program& p) {
    const QLocale locale = p.desktop.locale();
    return {ShownValue(p.main.text(Ctl::VRate), locale), ShownValue(p.main.text(Ctl::DVRate), locale)};
}

LogViewContent ReadLogView(Program& p, LogKind kind, bool withLines) {
    LogViewContent view = ReadLogView(p.files, LogPathsOf(p), kind, p.desktop.locale(),
                                      CurrentTaxRates(p), withLines);
    view.volumeUnit = p.st.VolumeUnit == QLatin1String("Gal") ? QCoreApplication::translate("LogView", "gallons")
                                                              : QCoreApplication::translate("LogView", "litres");
    return view;
}

bool ExportLogCsv(Program& p, LogKind kind, const QString& absolutePath, bool inLanguage) {
    QString reason;
    try {
        const QLocale locale = p.desktop.locale();
        const QString text = LogCsv(p.files, LogPathsOf(p), kind, locale, nullptr, CurrentTaxRates(p),
                                    nullptr, inLanguage ? LocalCsvStyle(locale) : CsvStyle());
        try {
            WriteCsvFile(absolutePath, text);
            return true;
        } catch (const FileError& e) {
            reason = QCoreApplication::translate("Messages", "Unable to write the file %1.").arg(absolutePath);
            if (*e.what()) reason += QStringLiteral("\r\n") + QString::fromStdString(e.what());
        }
    } catch (const FileError&) {
        reason = QCoreApplication::translate("Messages", "Unable to read from log file %1.").arg(LogFullPath(p, kind)) +
                 QStringLiteral("\r\n") + QCoreApplication::translate("Messages", "This may be a permissions problem.");

    }
    p.say(QCoreApplication::translate("Messages", "Tankwise Export Error"), reason.split(QStringLiteral("\r\n")), Icon::Warning);
    return false;
}

}  // namespace tw
