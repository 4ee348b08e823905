#include "config/ConfigReader.h"

#include <QCoreApplication>
#include <iterator>

#include "calc/Fields.h"
#include "calc/Formats.h"

namespace tw {

namespace {

// A key either fills a window field (value less its offset) or a stored value.
struct Key {
    const char* text;
    Ctl field;        // used when stored is null
    int offset;       // subtracted from the value for a field
    std::optional<float> ConfigSwitches::*stored;
};

const Key kKeys[] = {
    {"CORate=", Ctl::CORate, 0, nullptr},
    {"DVRate=", Ctl::DVRate, 1, nullptr},
    {"LogLevel=", Ctl::Title, 0, &ConfigSwitches::LogLevel},
    {"Predict=", Ctl::Predict, 1, nullptr},
    {"RunOnTop=", Ctl::Title, 0, &ConfigSwitches::RunOnTop},
    {"TankACap=", Ctl::TankACap, 1, nullptr},
    {"TankBCap=", Ctl::TankBCap, 1, nullptr},
    {"TankAS=", Ctl::Title, 0, &ConfigSwitches::TankAS},
    {"TankBS=", Ctl::Title, 0, &ConfigSwitches::TankBS},
    {"TankAD=", Ctl::TankAD, 1, nullptr},
    {"TankBD=", Ctl::TankBD, 1, nullptr},
    {"TankAU=", Ctl::Title, 0, &ConfigSwitches::TankAU},
    {"TankBU=", Ctl::Title, 0, &ConfigSwitches::TankBU},
    {"TankOffA=", Ctl::TankOffA, 1, nullptr},
    {"TankOffB=", Ctl::TankOffB, 1, nullptr},
    {"TUnits=", Ctl::Title, 0, &ConfigSwitches::TUnits},
    {"TUnitsA=", Ctl::Title, 0, &ConfigSwitches::TUnitsA},
    {"TUnitsB=", Ctl::Title, 0, &ConfigSwitches::TUnitsB},
    {"TUnitsC=", Ctl::Title, 0, &ConfigSwitches::TUnitsC},
    {"UpEnable=", Ctl::Title, 0, &ConfigSwitches::UpEnable},
    {"VRate=", Ctl::VRate, 1, nullptr},
};
static_assert(std::size(kKeys) == kConfigKeyCount);

const int kOldUnitsKey = 15;  // "TUnits=" in kKeys

// Only blanks are trimmed; a tab stays part of the line.
QString TrimBlanks(const QString& line) {
    qsizetype start = 0, end = line.size();
    while (start < end && line.at(start) == ' ') ++start;
    while (end > start && line.at(end - 1) == ' ') --end;
    return line.mid(start, end - start);
}

// A number put into a field reads as a number in the user's locale: general format
// with the locale's decimal separator ("2,54" where a comma is the decimal point).
QString FieldNumber(double value, const QLocale& locale) {
    QString text = GeneralNumber(value);
    if (!text.contains('E')) text.replace('.', locale.decimalPoint());
    return text;
}

// Applies a key line; the index of the key the line held, or -1.
int ApplyKey(ConfigFile& file, const QString& line, const QLocale& locale) {
    for (int i = 0; i < kConfigKeyCount; ++i) {
        const Key& key = kKeys[i];
        const QString name = QString::fromLatin1(key.text);
        if (!line.startsWith(name)) continue;
        const double value = SettingNumber(line.mid(name.size()), locale);
        if (key.stored)
            file.switches.*key.stored = static_cast<float>(value);
        else
            file.fields.setText(key.field, FieldNumber(value - key.offset, locale));
        return i;
    }
    return -1;
}

// The key line of the diagnostic: a doubled key counts -1 and a missing one 1,
// each kind on its own line so that one cannot hide the other.
QString KeyErrorLines(const KeyErrors& errors) {
    QString text;
    const auto line = [](int count) {
        return QCoreApplication::translate("Messages", "%1 Key Errors").arg(count) + "\r\n";
    };
    if (errors.doubled > 0) text += line(-errors.doubled);
    if (errors.missing > 0) text += line(errors.missing);
    return text.isEmpty() ? line(0) : text;
}

}  // namespace

ConfigFile ParseConfiguration(const QStringList& lines, const QLocale& locale) {
    ConfigFile file;
    for (const QString& raw : lines) {
        if (raw.isEmpty() || raw.startsWith('#')) continue;
        const QString line = TrimBlanks(raw);
        if (const int key = ApplyKey(file, line, locale); key >= 0) ++file.seen[size_t(key)];
        if (line == "[Run]" || line == "[Data]") --file.sectionErrors;
        file.echo += "\r\n" + line;
    }
    file.echo += "\r\n\r\n";
    return file;
}

KeyErrors ConfigKeyErrors(const ConfigFile& file, const std::array<float, 4>& units) {
    KeyErrors errors;
    for (int i = 0; i < kConfigKeyCount; ++i) {
        const int seen = file.seen[size_t(i)];
        if (seen > 1) errors.doubled += seen - 1;
        if (seen == 0 && i != kOldUnitsKey) ++errors.missing;
    }
    if (file.seen[kOldUnitsKey] == 1 &&
        (units[0] == 0 || units[1] == 0 || units[2] == 0 || units[3] == 0))
        ++errors.doubled;
    return errors;
}

QStringList ConfigRejection(int sectionErrors, const KeyErrors& keys, const QString& valueErrors,
                            bool diagnostic) {
    QStringList message;
    if (diagnostic) {
        QString text = QCoreApplication::translate("Messages", "%1 Section Errors").arg(sectionErrors) + "\r\n" +
                       KeyErrorLines(keys);
        text += valueErrors.isEmpty() ? QCoreApplication::translate("Messages", "%1 Value Errors").arg(0) + "\r\n"
                                      : valueErrors + "\r\n";
        message << text + QCoreApplication::translate("Messages", "The configuration file is corrupted.");
    } else {
        message << QCoreApplication::translate("Messages", "The configuration file is corrupted.");
    }
    message << QCoreApplication::translate("Messages", "Reinstall the program to restore the file.")
            << QCoreApplication::translate("Messages", "The program will now terminate.");

    return message;
}

}  // namespace tw
