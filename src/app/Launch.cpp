#include "app/Launch.h"

#include <QDir>
#include <QFileInfo>

#include "app/CommandLine.h"
#include "platform/Desktop.h"
#include "app/WorkingFolder.h"

namespace tw {

namespace {

void Refuse(Desktop& desktop, const QString& title, QStringList lines) {
    lines << "The program will now terminate.";
    desktop.message("Tankwise " + title, lines.join("\r\n"), Icon::Stop, Buttons::Ok);
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
        Refuse(desktop, "Command Line Error", {line.error});
        return std::nullopt;
    }

    const QString chosen =
        ChooseWorkingFolder(line.folder, inputs.homeVariable, inputs.userDataFolder);
    const QString folder = QDir::cleanPath(QDir(chosen).absolutePath());
    const QString shown = QDir::toNativeSeparators(folder);
    const auto unusable = [&](const QString& problem) {
        Refuse(desktop, "Working Folder Error",
               {"The working folder " + shown + " cannot be used.", problem});
        return std::nullopt;
    };
    bool fresh = false;
    if (const QString problem = OpenWorkingFolder(folder, fresh); !problem.isEmpty())
        return unusable(problem);

    // Two copies in one folder would write the same logs and settings at once. The
    // mark comes before any copying, so a refused copy changes nothing.
    auto mark = std::make_unique<InstanceMark>(".Tankwise", folder);
    if (mark->anotherCopyRunning()) {
        Refuse(desktop, "Already Running",
               {"Tankwise is already running in the working folder", shown + "."});
        return std::nullopt;
    }
    QString savingRefused;
    if (mark->outcome() == InstanceMark::Outcome::Unmarkable) {
        const QStringList why = {"Tankwise cannot mark the working folder", shown + " as in use:",
                                 mark->problem() + "."};
        if (fresh || !ReadableWorkingFolder(folder)) {
            Refuse(desktop, "Working Folder Error", why);
            return std::nullopt;
        }
        const Answer answer = desktop.message(
            "Tankwise Working Folder Error",
            (why + QStringList{"You can start anyway and look at your logs, but nothing",
                               "can be saved until this is put right. Start anyway?"})
                .join("\r\n"),
            Icon::Warning, Buttons::YesNo);
        if (answer != Answer::Yes) return std::nullopt;
        savingRefused = "The working folder " + shown + " cannot be written: " + mark->problem() + ".";
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
