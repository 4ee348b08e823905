#include "app/ForecastCommand.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <algorithm>

#include "app/ForecastRun.h"
#include "calc/Fields.h"
#include "calc/ForecastText.h"
#include "platform/Files.h"

namespace tw {

namespace {
// The texts it shows, in the language of the installed translation.
struct Words {
    Q_DECLARE_TR_FUNCTIONS(ForecastCommand)
};
}  // namespace

bool AsksForForecast(const QStringList& arguments) {
    return arguments.contains(QStringLiteral("--forecast"));
}

double CapacityFromConfiguration(const QStringList& lines, const QLocale& locale) {
    double capacity = 0;
    for (const QString& line : lines) {
        // The file keeps each size plus one, so that 1 stands for an empty field.
        for (const QLatin1String key : {QLatin1String("TankACap="), QLatin1String("TankBCap=")})
            if (line.startsWith(key))
                capacity += std::max(0.0, SettingNumber(line.mid(key.size()), locale) - 1);
    }
    return capacity;
}

TaxRates TaxRatesFromConfiguration(const QStringList& lines, const QLocale& locale) {
    TaxRates rates;
    for (const QString& line : lines) {
        // Stored plus one, as every rate of the file.
        if (line.startsWith(QLatin1String("VRate=")))
            rates.oil = std::max(0.0, NumberValue(line.mid(6), locale) - 1);
        if (line.startsWith(QLatin1String("DVRate=")))
            rates.charges = std::max(0.0, NumberValue(line.mid(7), locale) - 1);
    }
    return rates;
}

int PrintForecast(const QString& folder, const QLocale& locale, QTextStream& out,
                  QTextStream& err) {
    const QFileInfo info(folder);
    if (!info.isDir() || !info.isReadable()) {
        err << "tankwise: "
            << (info.exists() ? Words::tr("the working folder %1 cannot be used: it is not a folder that can be read")
                              : Words::tr("the working folder %1 cannot be used: it does not exist"))
                   .arg(QDir::toNativeSeparators(folder))
            << "\n";
        return 1;
    }
    const Files files(folder);
    double capacity = 0;
    try {
        if (files.fileExists(QStringLiteral("Data/Tankwise.ini")))
            capacity = CapacityFromConfiguration(files.readLines(QStringLiteral("Data/Tankwise.ini")), locale);
    } catch (const FileError&) {
        err << "tankwise: " << Words::tr("cannot read %1").arg(files.absolute(QStringLiteral("Data/Tankwise.ini")))
            << "\n";
        return 1;
    }
    const ForecastRun run = RunForecast(files, LogPaths{}, locale, capacity);
    if (!run.status.isEmpty()) err << "tankwise: " << run.status << "\n";
    out << ForecastReport(run.fit, run.dates);
    return 0;
}

}  // namespace tw
