// Timings of the operations whose cost could grow with the logs: Get Last and
// Calculate + Save must stay flat from 100 to 100,000 log lines, the History window
// and the CSV export must stay quick. Every timed iteration checks that it did the
// real work (the status it ends in, the record it wrote, the rows it shows) and the
// benchmark fails with what it found otherwise.
#include <benchmark/benchmark.h>
#include <algorithm>
#include <chrono>
#include <sys/resource.h>

#include <QApplication>
#include <QDate>
#include <QDir>
#include <QFile>
#include <QPixmap>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTableView>
#include <QTextStream>

#include "FakeDesktop.h"
#include "WorkFolder.h"
#include "app/Program.h"
#include "platform/FreedMemory.h"
#include "calc/Formats.h"
#include "calc/TankVolume.h"
#include "logs/LogColumns.h"
#include "app/CsvCommand.h"
#include "app/ViewLog.h"
#include "ui/LogWindow.h"

namespace {

using tw::Ctl;

// A started program whose history and delivery logs hold `lines` saved lines each,
// with a column header before every fortieth, as years of use leave them.
struct LongLogs {
    explicit LongLogs(int lines) {
        p.start("-InhibitUpdate");
        const QLocale locale = desktop.locale();
        const QStringList tanks = {"", "", "Tank A: 1200litres Cylindrical (V), Depth: 120cm Offset: 0.0cm (Depth)",
                                   "Tank B: Not Set", ""};
        QStringList history = tanks + tw::HistoryColumnLines("VAT"), deliveries = tw::DeliveryColumnLines("VAT");
        QDate date(1800, 1, 1);
        for (int i = 0; i < lines; ++i, date = date.addDays(1)) {
            if (i % 40 == 39) {
                history << tanks << tw::HistoryColumnLines("VAT");
                deliveries << "" << "" << tw::DeliveryColumnLines("VAT");
            }
            const QString day = tw::ShortDate(date, locale);
            history << tw::HistoryDataLine({day, "800", "0", "80.0", "", "£300.00", true, false});
            deliveries << tw::DeliveryLineText({day, "500", "£0.5000", "£20.00", "5.0%", "£283.50",
                                                "5.0%", true, false});
        }
        folder.write("Log/Tankwise_H.log", history);
        folder.write("Log/Tankwise_D.log", deliveries);
        historyBytes = folder.bytes("Log/Tankwise_H.log");
        deliveryBytes = folder.bytes("Log/Tankwise_D.log");
    }

    // Puts the logs back as they were before a save. A save only appends, so cutting
    // each log back to its old length is enough, and costs nothing like rewriting it.
    void restore() {
        for (const auto& [path, bytes] : {std::pair{"/Log/Tankwise_H.log", &historyBytes},
                                          std::pair{"/Log/Tankwise_D.log", &deliveryBytes}})
            if (!QFile::resize(folder.path() + path, bytes->size())) std::abort();
    }

    tw::FakeDesktop desktop;
    tw::WorkFolder folder;
    tw::Program p{desktop, folder.files()};
    QByteArray historyBytes, deliveryBytes;
};

// Ends the benchmark with what an iteration found instead of its work.
void Fail(benchmark::State& state, const std::string& why) {
    static std::string kept;  // the library keeps the pointer
    kept = why;
    state.SkipWithError(kept.c_str());
}

std::string Said(const tw::FakeDesktop& desktop) {
    std::string said;
    for (const tw::ShownMessage& m : desktop.messages)
        said += " | " + m.title.toStdString() + ": " + m.text.toStdString();
    return said;
}

void GetLast(benchmark::State& state) {
    LongLogs logs(int(state.range(0)));
    for (auto _ : state) {
        logs.p.click(tw::WindowId::Main, int(Ctl::Get_Last));
        state.PauseTiming();
        const QString status = logs.p.main.text(Ctl::Status);
        const bool restored = status == "Last Saved Data Restored" && !logs.p.main.text(Ctl::Date1).isEmpty();
        state.ResumeTiming();
        if (!restored) return Fail(state, "not restored: " + status.toStdString() + Said(logs.desktop));
    }
}
BENCHMARK(GetLast)->Arg(100)->Arg(10000)->Arg(100000)->Unit(benchmark::kMicrosecond);

// Each iteration types a second reading that differs from the last, so it is a
// real calculation (never "The data has not changed"), saved at once, with the
// history log one record longer.
void CalculateAndSave(benchmark::State& state) {
    LongLogs logs(int(state.range(0)));
    tw::Program& p = logs.p;
    p.main.setChecked(Ctl::AutoSave, true);
    p.main.setIndex(Ctl::TankAS, 1);
    int round = 0;
    for (auto _ : state) {
        state.PauseTiming();
        logs.restore();
        state.ResumeTiming();
        p.main.setText(Ctl::Date1, "01/01/2095");
        p.main.setText(Ctl::TARead1, "80");
        p.main.setText(Ctl::Date2, "01/02/2095");
        p.main.setText(Ctl::TARead2, QString::number(40 + round++ % 30));
        p.main.setText(Ctl::Date3, "10/01/2095");
        p.main.setText(Ctl::LAdd1, "300");
        p.main.setText(Ctl::OCost1, "0.5");
        p.click(tw::WindowId::Main, int(Ctl::Calc));
        state.PauseTiming();
        const QString status = p.main.text(Ctl::Status);
        const qint64 grown = p.files.fileSize("Log/Tankwise_H.log") - logs.historyBytes.size();
        state.ResumeTiming();
        if (status != "Calculation Saved" || grown <= 0)
            return Fail(state, "not saved: " + status.toStdString() + Said(logs.desktop));
    }
}
BENCHMARK(CalculateAndSave)->Arg(100)->Arg(10000)->Arg(100000)->Unit(benchmark::kMicrosecond);

void DepthForVolumeAt300(benchmark::State& state) {
    const int shape = int(state.range(0));
    float volume = 0;
    for (auto _ : state) {
        volume = volume >= 2900 ? 10 : volume + 97;
        benchmark::DoNotOptimize(tw::DepthForVolume(3000, 300, volume, shape));
    }
}
BENCHMARK(DepthForVolumeAt300)->DenseRange(0, 3);

void StartUp(benchmark::State& state) {
    tw::WorkFolder folder;
    for (auto _ : state) {
        tw::FakeDesktop desktop;
        tw::Program p(desktop, folder.files());
        p.start("-InhibitUpdate");
    }
}
BENCHMARK(StartUp)->Unit(benchmark::kMicrosecond);

// The History window from nothing to its first paint, table and chart included.
void HistoryWindow(benchmark::State& state) {
    LongLogs logs(int(state.range(0)));
    const QString path = logs.folder.path() + "/Log/Tankwise_H.log";
    for (auto _ : state) {
        tw::LogWindow window(logs.p, tw::LogKind::History, path, [](const std::function<void()>& f) { f(); });
        window.resize(1300, 640);
        window.showRaised();
        const QPixmap painted = window.grab();
        state.PauseTiming();
        const int rows = window.table()->model()->rowCount();
        state.ResumeTiming();
        if (painted.isNull() || rows != state.range(0))
            return Fail(state, "history not shown: " + std::to_string(rows) + " rows");
    }
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    state.counters["peak_MB"] = double(usage.ru_maxrss) / 1024;
}
BENCHMARK(HistoryWindow)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

// `tankwise --export-csv` without the process start: all three files written.
void ExportCsv(benchmark::State& state) {
    LongLogs logs(int(state.range(0)));
    const QString out = logs.folder.path() + "/out";
    for (auto _ : state) {
        QString said, errors;
        QTextStream o(&said), e(&errors);
        const int code = tw::ExportAllCsv(logs.p.files, logs.desktop.locale(), out, o, e);
        state.PauseTiming();
        const bool whole = code == 0 && said.contains(QString::number(state.range(0)) + " rows");
        state.ResumeTiming();
        if (!whole) return Fail(state, "not exported: " + (said + errors).toStdString());
    }
}
BENCHMARK(ExportCsv)->Arg(100)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

// `tankwise --export-csv` as a user runs it: a process started, the logs read and
// the three files written.
void ExportCsvProcess(benchmark::State& state) {
    LongLogs logs(int(state.range(0)));
    const QString out = logs.folder.path() + "/out";
    for (auto _ : state) {
        QProcess process;
        process.setProcessChannelMode(QProcess::SeparateChannels);
        process.start(QStringLiteral(TANKWISE_PROGRAM),
                      {"--lang", "en", "--folder", logs.folder.path(), "--export-csv", out});
        const bool finished = process.waitForFinished(60000);
        state.PauseTiming();
        const QString said = QString::fromLocal8Bit(process.readAllStandardOutput());
        const bool whole = finished && process.exitCode() == 0 &&
                           said.contains(QString::number(state.range(0)) + " rows");
        state.ResumeTiming();
        if (!whole)
            return Fail(state, "not exported: " + said.toStdString() +
                                   QString::fromLocal8Bit(process.readAllStandardError()).toStdString());
    }
}
BENCHMARK(ExportCsvProcess)->Arg(100)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

// Start-up as a user sees it, from the process started to the main window's first
// paint, against a program that shows the same form and nothing else, the two taken
// in turn. Both must end on their own after painting, each iteration.
void StartUpProcess(benchmark::State& state) {
    tw::WorkFolder folder;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("TANKWISE_QUIT_AFTER_FIRST_PAINT", "1");
    env.insert("QT_QPA_PLATFORM", "offscreen");
    // From the process started to the moment it says it painted, on the clock all
    // processes share: what it does on its way out is not start-up.
    const auto run = [&](const QString& program, const QStringList& arguments, std::vector<double>* ms) {
        QProcess process;
        process.setProcessEnvironment(env);
        const auto started = std::chrono::steady_clock::now().time_since_epoch();
        process.start(program, arguments);
        const bool ended = process.waitForFinished(30000) && process.exitCode() == 0;
        const QString said = QString::fromLatin1(process.readAllStandardOutput());
        const qsizetype at = said.indexOf(QLatin1String("first paint at "));
        if (!ended || at < 0) return false;
        const qint64 painted = said.mid(at + 15).section(QLatin1Char('\n'), 0, 0).toLongLong();
        ms->push_back(double(painted - std::chrono::nanoseconds(started).count()) / 1e6);
        return true;
    };
    std::vector<double> program, form;
    for (auto _ : state) {
        const bool formShown = run(QStringLiteral(TANKWISE_FORM), {}, &form);
        const bool programShown =
            run(QStringLiteral(TANKWISE_PROGRAM), {"--lang", "en", "--folder", folder.path(), "-InhibitUpdate"}, &program);
        if (!formShown || !programShown) return Fail(state, "a window was not shown and painted");
    }
    // Medians: a start now and then waits on the machine far longer than the rest.
    const auto median = [](std::vector<double> ms) {
        std::nth_element(ms.begin(), ms.begin() + ptrdiff_t(ms.size() / 2), ms.end());
        return ms[ms.size() / 2];
    };
    state.counters["program_ms"] = median(program);
    state.counters["form_ms"] = median(form);
    // Each start beside the yardstick's just before it: the machine's slow spells
    // fall on both of a pair.
    std::vector<double> ratios;
    for (size_t i = 0; i < program.size() && i < form.size(); ++i) ratios.push_back(program[i] / form[i]);
    state.counters["ratio"] = median(ratios);
}
BENCHMARK(StartUpProcess)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

// The History window needs a widget application; without a display it draws offscreen.
int main(int argc, char** argv) {
    tw::KeepFreedMemory();  // as the program's own main does
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    // A benchmark that could not do its work fails the run.
    struct Failures : benchmark::ConsoleReporter {
        bool failed = false;
        void ReportRuns(const std::vector<Run>& runs) override {
            for (const Run& run : runs) failed = failed || run.error_occurred;
            ConsoleReporter::ReportRuns(runs);
        }
    } reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return reporter.failed ? 1 : 0;
}
