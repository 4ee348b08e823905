#include "app/Launch.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include "app/CommandLine.h"
#include "platform/Desktop.h"
#include "app/WorkingFolder.h"

namespace tw {

namespace {

QString Said(const char* text) { return QCoreApplication::translate("Messages", text); }

// `title` is a whole title in the user's language.
void Refuse(Desktop& desktop, const QString& title, QStringList lines) {
    lines << Said(QT_TRANSLATE_NOOP("Messages", "The program will now terminate."));
    desktop.message(title, lines.join("\r\n"), Icon::Stop, Buttons::Ok);
}

// The settings and the logs can still be read: starting makes sense.
bool ReadableWorkingFolder(const QString& folder) {
    const QFileInfo settings(folder + "/Data/Tankwise.ini"), logs(folder + "/Log");
    return settings.isReadable() && logs.isDir() && logs.isReadable();
}

}  // namespace

std::optional<Launch> PrepareLaunch(Desktop& desktop, const LaunchInputs& inputs) {
    const CommandLine line = ParseCommandLine(inputs.arguments);
    if (!line.error.isEmpty()) {
        Refuse(desktop, Said(QT_TRANSLATE_NOOP("Messages", "Tankwise Command Line Error")), {line.error});
        return std::nullopt;
    }

    const QString chosen =
        ChooseWorkingFolder(line.folder, inputs.homeVariable, inputs.userDataFolder);
    const QString folder = QDir::cleanPath(QDir(chosen).absolutePath());
    const QString shown = QDir::toNativeSeparators(folder);
    const auto unusable = [&](const QString& problem) {
        Refuse(desktop, Said(QT_TRANSLATE_NOOP("Messages", "Tankwise Working Folder Error")),
               {Said(QT_TRANSLATE_NOOP("Messages", "The working folder %1 cannot be used.")).arg(shown), problem});
        return std::nullopt;
    };
    bool fresh = false;
    if (const QString problem = OpenWorkingFolder(folder, fresh); !problem.isEmpty())
        return unusable(problem);

    // Two copies in one folder would write the same logs and settings at once. The
    // mark comes before any copying, so a refused copy changes nothing.
    auto mark = std::make_unique<InstanceMark>(".Tankwise", folder);
    if (mark->anotherCopyRunning()) {
        Refuse(desktop, Said(QT_TRANSLATE_NOOP("Messages", "Tankwise Already Running")),
               Said(QT_TRANSLATE_NOOP("Messages", "Tankwise is already running in the working folder\n%1."))
                   .arg(shown).split('\n'));
        return std::nullopt;
    }
    QString savingRefused;
    if (mark->outcome() == InstanceMark::Outcome::Unmarkable) {
        const QString title = Said(QT_TRANSLATE_NOOP("Messages", "Tankwise Working Folder Error"));
        const QStringList why =
            Said(QT_TRANSLATE_NOOP("Messages", "Tankwise cannot mark the working folder\n%1 as in use:\n%2."))
                .arg(shown, mark->problem())
                .split('\n');
        if (fresh || !ReadableWorkingFolder(folder)) {
            Refuse(desktop, title, why);
            return std::nullopt;
        }
        const Answer answer = desktop.message(
            title,
            (why + Said(QT_TRANSLATE_NOOP("Messages", "You can start anyway and look at your logs, but nothing\n"
                                                      "can be saved until this is put right. Start anyway?"))
                       .split('\n'))
                .join("\r\n"),
            Icon::Warning, Buttons::YesNo);
        if (answer != Answer::Yes) return std::nullopt;
        savingRefused = Said(QT_TRANSLATE_NOOP("Messages", "The working folder %1 cannot be written: %2."))
                            .arg(shown, mark->problem());

        return Launch{folder, line.switches, std::move(mark), savingRefused};
    }
    const QString defaults = FindDefaults(inputs.defaultsCandidates);
    if (const QString problem = SeedWorkingFolder(folder, defaults, fresh); !problem.isEmpty())
        return unusable(problem);
    if (fresh && !defaults.isEmpty())
        if (const QString problem = SetCountryTaxRates(folder, desktop.locale()); !problem.isEmpty())
            return unusable(problem);
    return Launch{folder, line.switches, std::move(mark), savingRefused};
}

}  // namespace tw
