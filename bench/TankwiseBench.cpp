// Timings of the operations whose cost could grow with the logs: Get Last and
// Calculate + Save must stay flat from 100 to 100,000 log lines.
#include <benchmark/benchmark.h>

#include <QDate>
#include <QFile>

#include "FakeDesktop.h"
#include "WorkFolder.h"
#include "app/Program.h"
#include "calc/Formats.h"
#include "calc/TankVolume.h"
#include "logs/LogColumns.h"
#include "app/ViewLog.h"

namespace {

using tw::Ctl;

// A started program whose history and delivery logs hold `lines` saved lines each,
// with a column header before every fortieth, as years of use leave them.
struct LongLogs {
    explicit LongLogs(int lines) {
        p.start("-InhibitUpdate");
        const QLocale locale = desktop.locale();
        QStringList history = tw::HistoryColumnLines("VAT"), deliveries = tw::DeliveryColumnLines("VAT");
        QDate date(1800, 1, 1);
        for (int i = 0; i < lines; ++i, date = date.addDays(1)) {
            if (i % 40 == 39) {
                history << "" << tw::HistoryColumnLines("VAT");
                deliveries << "" << tw::DeliveryColumnLines("VAT");
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

void GetLast(benchmark::State& state) {
    LongLogs logs(int(state.range(0)));
    for (auto _ : state) logs.p.click(tw::WindowId::Main, int(Ctl::Get_Last));
    if (logs.p.main.text(Ctl::Status) != "Last Saved Data Restored") state.SkipWithError("not restored");
}
BENCHMARK(GetLast)->Arg(100)->Arg(10000)->Arg(100000)->Unit(benchmark::kMicrosecond);

void CalculateAndSave(benchmark::State& state) {
    LongLogs logs(int(state.range(0)));
    tw::Program& p = logs.p;
    p.main.setChecked(Ctl::AutoSave, true);
    p.main.setIndex(Ctl::TankAS, 1);
    for (auto _ : state) {
        state.PauseTiming();
        logs.restore();
        state.ResumeTiming();
        p.main.setText(Ctl::Date1, "01/01/2095");
        p.main.setText(Ctl::TARead1, "80");
        p.main.setText(Ctl::Date2, "01/02/2095");
        p.main.setText(Ctl::TARead2, "50");
        p.main.setText(Ctl::Date3, "10/01/2095");
        p.main.setText(Ctl::LAdd1, "300");
        p.main.setText(Ctl::OCost1, "0.5");
        p.click(tw::WindowId::Main, int(Ctl::Calc));
    }
    const QString status = p.main.text(Ctl::Status);
    if (status != "Calculation Saved") {
        static std::string why;  // the library keeps the pointer
        why = "not saved: " + status.toStdString();
        for (const tw::ShownMessage& m : logs.desktop.messages)
            why += " | " + m.title.toStdString() + ": " + m.text.toStdString();
        state.SkipWithError(why.c_str());
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

// What the History window reads and works out before its first paint: the log's
// text, the table of periods and the chart's deliveries.
void HistoryWindowContent(benchmark::State& state) {
    LongLogs logs(int(state.range(0)));
    std::size_t rows = 0;
    for (auto _ : state) {
        const tw::LogViewContent view = tw::ReadLogView(logs.p, tw::LogKind::History);
        rows = view.rows.size();
        benchmark::DoNotOptimize(rows);
    }
    if (rows < std::size_t(state.range(0)) - 1) state.SkipWithError("history not read");
}
BENCHMARK(HistoryWindowContent)->Arg(10000)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
