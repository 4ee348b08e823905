#include "app/WorkingFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>

#include "config/CountryTaxRates.h"
#include "platform/Files.h"

namespace tw {

namespace {

// Copies one file and gives the copy the original's time, so that a later install
// can tell whether its page is newer. The user may always write the copy.
bool CopyFile(const QString& from, const QString& to) {
    if (QFile::exists(to) && !QFile::remove(to)) return false;
    if (!QFile::copy(from, to)) return false;
    QFile copy(to);
    copy.setPermissions(copy.permissions() | QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    if (copy.open(QIODevice::ReadWrite))
        copy.setFileTime(QFileInfo(from).lastModified(), QFileDevice::FileModificationTime);
    return true;
}

// Copies every file under `from` into `to`; with `onlyNewer`, a file already there
// is replaced only by a newer one.
bool CopyTree(const QString& from, const QString& to, bool onlyNewer) {
    QDirIterator it(from, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QFileInfo source(it.next());
        const QString target = to + "/" + QDir(from).relativeFilePath(source.filePath());
        const QFileInfo existing(target);
        if (onlyNewer && existing.exists() && existing.lastModified() >= source.lastModified())
            continue;
        if (!QDir().mkpath(existing.path()) || !CopyFile(source.filePath(), target)) return false;
    }
    return true;
}

bool Writable(const QString& folder) {
    QTemporaryFile probe(folder + "/.tankwise-XXXXXX");
    return probe.open();
}

}  // namespace

QString ChooseWorkingFolder(const QString& option, const QString& homeVariable,
                            const QString& userDataFolder) {
    if (!option.isEmpty()) return option;
    if (!homeVariable.isEmpty()) return homeVariable;
    return userDataFolder;
}

QString FindDefaults(const QStringList& candidates) {
    for (const QString& folder : candidates)
        if (!folder.isEmpty() && QFileInfo(folder + "/Data/Tankwise.ini").isFile())
            return QDir::cleanPath(folder);
    return {};
}

QString OpenWorkingFolder(const QString& folder, bool& fresh) {
    const QFileInfo info(folder);
    if (info.exists() && !info.isDir()) return QCoreApplication::translate("Messages", "It is a file, not a folder.");
    fresh = !info.exists() ||
            QDir(folder).isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
    if (!QDir().mkpath(folder)) return QCoreApplication::translate("Messages", "It cannot be created.");
    if (!Writable(folder)) return QCoreApplication::translate("Messages", "It cannot be written.");
    return {};
}

QString SeedWorkingFolder(const QString& folder, const QString& defaults, bool fresh) {
    // Without defaults the folder is used as it is; the program's own checks of its
    // Data and Help folders then tell the user what is missing.
    if (defaults.isEmpty()) return {};
    const bool copied =
        fresh ? CopyTree(defaults + "/Data", folder + "/Data", false) &&
                    CopyTree(defaults + "/Help", folder + "/Help", false) &&
                    QDir().mkpath(folder + "/Log")
              : !QFileInfo(folder + "/Help").isDir() ||
                    CopyTree(defaults + "/Help", folder + "/Help", true);
    return copied ? QString() : QCoreApplication::translate("Messages", "The program's files cannot be copied into it.");

}

QString SetCountryTaxRates(const QString& folder, const QLocale& locale) {
    const std::optional<double> rate = HeatingOilTaxRate(locale);
    if (!rate) return {};
    const QString settings = QStringLiteral("Data/Tankwise.ini");
    try {
        Files files(folder);
        const QStringList lines = files.readLines(settings);
        const QStringList taxed = WithTaxRates(lines, *rate);
        if (taxed != lines)
            files.writeAtomic(settings, taxed.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n"));
    } catch (const FileError&) {
        return QCoreApplication::translate("Messages", "Its settings cannot be written.");
    }
    return {};
}

}  // namespace tw
