#include "app/ImportRun.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <algorithm>
#include <cmath>

#include "app/Program.h"
#include "calc/Fields.h"
#include "calc/Formats.h"
#include "calc/ShownValue.h"
#include "logs/ImportPlan.h"
#include "logs/LogFiles.h"
#include "logs/SavedHistory.h"
#include "platform/AppendUndo.h"
#include "platform/Files.h"
#include "platform/ProgramEnded.h"

namespace tw {

namespace {

// The texts it shows, in the language of the installed translation.
struct Words {
    Q_DECLARE_TR_FUNCTIONS(ImportRun)
};

// The desktop of a program that an import drives: no one watches it, so every
// message box is kept as the refusal of the row being typed, and a question is
// answered with the choice that writes nothing.
class ImportDesktop : public Desktop {
public:
    ImportDesktop(const QLocale& locale, const ImportClock& clock) : locale_(locale), clock_(clock) {}
    Answer message(const QString& title, const QString& text, Icon, Buttons buttons) override {
        messages << title + ": " + QString(text).replace(QLatin1String("\r\n"), QLatin1String(" / "))
                                      .replace(QLatin1Char('\n'), QLatin1String(" / "));
        switch (buttons) {
        case Buttons::Ok: return Answer::Ok;
        case Buttons::OkCancel: return Answer::Cancel;
        default: return Answer::No;
        }
    }
    bool openUrl(const QString&) override { return false; }
    bool openFile(const QString&) override { return false; }
    bool startViewer(const QString&) override { return false; }
    void showLogWindow(LogKind, const QString&) override {}
    void setTopmost(WindowId, bool) override {}
    QDateTime now() override { return clock_(); }
    qint64 ticks() override { return ticks_ += 1000; }
    QLocale locale() override { return locale_; }

    QStringList messages;

private:
    QLocale locale_;
    ImportClock clock_;
    qint64 ticks_ = 0;
};

class ImportTyping {
public:
    ImportTyping(Files& files, const QLocale& locale, const ImportClock& clock)
        : desktop_(locale, clock), p_(desktop_, files), locale_(locale) {
        plain_ = locale;
        plain_.setNumberOptions(QLocale::OmitGroupSeparator);
    }

    // False with `failure` set when the program cannot start in the folder.
    bool start(QString* failure) {
        p_.start(QStringLiteral("-InhibitUpdate"));
        if (!desktop_.messages.isEmpty()) {
            *failure = desktop_.messages.join(QLatin1String("; "));
            return false;
        }
        if (p_.main.checked(Ctl::AutoSave)) click(Ctl::AutoSave);
        predict_ = p_.main.text(Ctl::Predict);
        return true;
    }

    // Types and saves one period; a refusal goes to `problems` with the row's line.
    bool run(const ImportPeriod& period, ImportResult& out) {
        desktop_.messages.clear();
        if (period.starting) typeStartingReading(period.to);
        else typePeriod(period);
        if (desktop_.messages.isEmpty() && p_.main.enabled(Ctl::Save)) click(Ctl::Save);
        const bool saved = desktop_.messages.isEmpty() &&
                           p_.main.text(Ctl::Status) ==
                               QCoreApplication::translate("MainWindow", "Calculation Saved");
        if (!saved) {
            const QString why = desktop_.messages.isEmpty() ? Words::tr("The period could not be saved")
                                                            : desktop_.messages.join(QLatin1String("; "));
            out.problems.push_back({period.to.file, period.to.line, why});
            return false;
        }
        if (period.starting)
            out.periods.push_back({period.to.date, period.to.date, {}, {}, {}, 0, true});
        else
            out.periods.push_back({period.from.date, period.to.date, p_.main.text(Ctl::TDays),
                                   (p_.st.VolumeUnit == QLatin1String("Gal") ? Words::tr("%1 gals")
                                                                              : Words::tr("%1 litres"))
                                       .arg(p_.main.text(Ctl::TankT)),
                                   p_.main.text(Ctl::TVCost),
                                   int(period.deliveries.size()), false});
        return true;
    }

private:
    void type(Ctl c, const QString& text) { p_.typed(WindowId::Main, int(c), text); }
    void click(Ctl c) { p_.click(WindowId::Main, int(c)); }
    QString number(double v) const { return plain_.toString(v, 'f', QLocale::FloatingPointShortest); }
    // "litres" or "gals", as the window says them.
    QString volumeWord() const {
        return QCoreApplication::translate("MainWindow", (p_.st.VolumeUnit.toLower() + 's').toUtf8().constData());
    }

    QString date(const QDate& d) const { return ShortDate(d, locale_); }

    void typeReading(const ImportedReading& r, Ctl dateField, Ctl a, Ctl b) {
        type(dateField, date(r.date));
        type(a, number(r.readingA));
        if (r.readingB) type(b, number(*r.readingB));
    }

    // The value of the oil at the first reading becomes the price the user would type
    // for it, worked out from the oil the program finds in the tanks.
    void typeStartingReading(const ImportedReading& r) {
        click(Ctl::Clear);
        typeReading(r, Ctl::Date1, Ctl::TARead1, Ctl::TBRead1);
        click(Ctl::Calc);
        if (!r.value || !desktop_.messages.isEmpty()) return;
        const double oil = FloatDecimal(p_.st.OilAtReading1);
        if (oil <= 0) return;
        type(Ctl::OCost0, plain_.toString(std::round(*r.value / oil * 10000) / 10000, 'f', 4));
        click(Ctl::Calc);
    }

    void typePeriod(const ImportPeriod& period) {
        click(Ctl::Get_Last);
        if (p_.main.text(Ctl::Date1) != date(period.from.date) || !p_.main.text(Ctl::Date3).isEmpty()) {
            desktop_.messages
                << Words::tr("Get Last does not give back the reading of %1 on its own").arg(date(period.from.date));
            return;
        }
        typeReading(period.to, Ctl::Date2, Ctl::TARead2, Ctl::TBRead2);
        const Ctl fields[2][4] = {{Ctl::Date3, Ctl::LAdd1, Ctl::OCost1, Ctl::DCharge1},
                                  {Ctl::Date4, Ctl::LAdd2, Ctl::OCost2, Ctl::DCharge2}};
        for (size_t i = 0; i < period.deliveries.size() && i < 2; ++i) {
            const ImportedDelivery& d = period.deliveries[i];
            type(fields[i][0], date(d.date));
            type(fields[i][1], number(d.amount));
            type(fields[i][2], number(d.price));
            if (d.charge && *d.charge != 0) type(fields[i][3], number(*d.charge));
            if (d.oilTaxRate) type(Ctl::VRate, number(*d.oilTaxRate));
            if (d.chargeTaxRate) type(Ctl::DVRate, number(*d.chargeTaxRate));
        }
        // A prediction must reach past reading 2, so a long period goes without one,
        // as a user would leave it.
        const double months = NumberValue(predict_, locale_);
        const bool reaches = months >= 1 && period.from.date.addMonths(int(std::min(months, 1200.0))) >= period.to.date;
        type(Ctl::Predict, reaches ? predict_ : QString());
        click(Ctl::Calc);
    }

    ImportDesktop desktop_;
    Program p_;
    QLocale locale_, plain_;
    QString predict_;

public:
    QString said() const { return desktop_.messages.join(QLatin1String("; ")); }
};

ImportResult RunImport(Files& files, const std::vector<ImportTable>& tables, DayOrder order,
                       const QLocale& locale, const ImportClock& clock) {
    ImportResult out;
    const ImportRecords records = ReadImportRecords(tables, order, locale);
    if (records.dayOrderNeeded) {
        out.dayOrderNeeded = true;
        return out;
    }
    const LogPaths paths;
    SavedHistory saved;
    try {
        saved = ReadSavedHistory(files, paths.history, paths.delivery, locale);
    } catch (const FileError&) {
        out.failure = Words::tr("The history or delivery log cannot be read");
        return out;
    }
    const ImportPlan plan = PlanImport(records, saved);
    out.problems = records.problems;
    out.problems.insert(out.problems.end(), plan.problems.begin(), plan.problems.end());
    out.skippedReadings = plan.skippedReadings;
    out.skippedDeliveries = plan.skippedDeliveries;
    if (!out.problems.empty() || plan.periods.empty()) return out;
    ImportTyping typing(files, locale, clock);
    try {
        if (!typing.start(&out.failure)) return out;
        // A refused period leaves the next one nothing to start from: the rest waits.
        for (size_t k = 0; k < plan.periods.size(); ++k)
            if (!typing.run(plan.periods[k], out)) break;
    } catch (const ProgramEnded&) {
        out.failure = Words::tr("The program ended: %1").arg(typing.said());
    }
    return out;
}

void CopyFolderFiles(const QString& from, const QString& to) {
    QDir().mkpath(to);
    const QDir source(from);
    for (const QString& name : source.entryList(QDir::Files))
        QFile::copy(source.filePath(name), QDir(to).filePath(name));
}

}  // namespace

ImportSource ReadImportFiles(const QStringList& absolutePaths, const QLocale& locale) {
    ImportSource source;
    QStringList paths = absolutePaths;
    for (const QString& path : absolutePaths) {
        const QFileInfo info(path);
        const QString beside = info.dir().filePath(QStringLiteral("Tankwise_Deliveries.csv"));
        if (info.fileName() == QLatin1String("Tankwise_History.csv") && QFileInfo::exists(beside) &&
            !paths.contains(beside))
            paths << beside;
    }
    for (const QString& path : paths) {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly)) {
            source.error = Words::tr("Cannot read %1: %2").arg(QDir::toNativeSeparators(path), file.errorString());
            return source;
        }
        source.tables.push_back(ReadImportTable(QFileInfo(path).fileName(), file.readAll(), locale));
    }
    return source;
}

ImportResult PreviewImport(const QString& folder, const std::vector<ImportTable>& tables,
                           DayOrder order, const QLocale& locale, const ImportClock& clock) {
    QTemporaryDir scratch;
    if (!scratch.isValid()) {
        ImportResult out;
        out.failure = Words::tr("No temporary folder for the preview");
        return out;
    }
    for (const char* sub : {"Data", "Help", "Log"})
        CopyFolderFiles(QDir(folder).filePath(QLatin1String(sub)), scratch.filePath(QLatin1String(sub)));
    Files files(scratch.path());
    return RunImport(files, tables, order, locale, clock);
}

ImportResult CommitImport(const QString& folder, const std::vector<ImportTable>& tables,
                          DayOrder order, const QLocale& locale, const ImportClock& clock) {
    Files files(folder);
    const LogPaths paths;
    const AppendUndo undo(files, {paths.results, paths.history, paths.delivery});
    ImportResult out = RunImport(files, tables, order, locale, clock);
    out.written = out.accepted() && !out.periods.empty();
    if (!out.accepted() && !undo.undo())
        out.failure = Words::tr("%1 (the logs could not all be put back as they were)").arg(out.failure);
    return out;
}

}  // namespace tw
