// Importing spreadsheets: every period typed into the program and saved as a user
// would, all or nothing. The round trip runs over years of a generated household.
#include <gtest/gtest.h>

#include <sys/resource.h>

#include <csignal>
#include <random>

#include "FakeDesktop.h"
#include "WorkFolder.h"
#include "app/CsvCommand.h"
#include "app/ImportCommand.h"
#include "app/ImportRun.h"
#include "app/Program.h"
#include "calc/Formats.h"
#include "calc/TankVolume.h"

namespace tw {
namespace {

const ImportClock kClock = [] { return QDateTime(QDate(2028, 1, 1), QTime(9, 0)); };

// Tank A read by dipstick (the default tank), Tank B by its gauge.
QStringList TwoTanks() {
    QStringList lines = WorkFolder::defaultLines("Data/Tankwise.ini");
    for (QString& line : lines) {
        for (const char* setting : {"TankBCap=601", "TankBD=61", "TankBU=2"})
            if (line.startsWith(QString(setting).section('=', 0, 0) + "=")) line = setting;
    }
    return lines;
}

QList<QByteArray> LogBytes(const WorkFolder& work) {
    return {work.bytes("Log/Tankwise.log"), work.bytes("Log/Tankwise_H.log"), work.bytes("Log/Tankwise_D.log")};
}

QString ReadAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}

bool WriteFile(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

ImportResult Commit(WorkFolder& work, const QLocale& locale, const QString& file,
                    DayOrder order = DayOrder::Unknown) {
    return CommitImport(work.path(), ReadImportFiles({file}, locale).tables, order, locale, kClock);
}

// Three years of dips and deliveries typed with Get Last and Auto Save.
void TypeHousehold(WorkFolder& work, const QLocale& locale) {
    std::mt19937 rng(7);
    const auto pick = [&](int low, int high) { return std::uniform_int_distribution<int>(low, high)(rng); };
    FakeDesktop desktop;
    desktop.userLocale = locale;
    Program p(desktop, work.files());
    p.start("-InhibitUpdate");
    const auto type = [&](Ctl c, const QString& t) { p.typed(WindowId::Main, int(c), t); };
    QLocale plain = locale;
    plain.setNumberOptions(QLocale::OmitGroupSeparator);
    double oilA = 900, oilB = 500;
    const auto dip = [&] {
        const double d = std::round(DepthForVolume(1200, 120, float(oilA), 0) * 10) / 10;
        oilA = TankVolume(0, "1200", "120", GeneralNumber(d), 0, QLocale::c());
        return plain.toString(d, 'f', 1);
    };
    p.click(WindowId::Main, int(Ctl::AutoSave));
    QDate date(2024, 1, 10);
    type(Ctl::Date1, ShortDate(date, locale));
    type(Ctl::TARead1, dip());
    type(Ctl::TBRead1, QString::number(oilB));
    type(Ctl::OCost0, plain.toString(0.6123, 'f', 4));
    for (int k = 0; date < QDate(2027, 3, 1); ++k) {
        if (k > 0) p.click(WindowId::Main, int(Ctl::Get_Last));
        const QDate from = date;
        date = from.addDays(pick(20, 70));
        const Ctl fields[2][4] = {{Ctl::Date3, Ctl::LAdd1, Ctl::OCost1, Ctl::DCharge1},
                                  {Ctl::Date4, Ctl::LAdd2, Ctl::OCost2, Ctl::DCharge2}};
        // The second delivery comes on the day of the dip that ends the period.
        for (int i = 0, count = oilA < 500 ? pick(1, 2) : pick(0, 3) == 0; i < count; ++i) {
            const int amount = pick(1, 3) * 100;
            oilA += amount;
            type(fields[i][0], ShortDate(i == 0 ? from.addDays(pick(1, 10)) : date, locale));
            type(fields[i][1], QString::number(amount));
            type(fields[i][2], plain.toString(pick(5000, 9000) / 10000.0, 'f', 4));
            if (pick(0, 1)) type(fields[i][3], plain.toString(pick(1000, 3000) / 100.0, 'f', 2));
        }
        oilA = std::max(150.0, oilA - pick(100, 400));
        oilB = std::max(50.0, oilB - pick(0, 30));
        type(Ctl::Date2, ShortDate(date, locale));
        type(Ctl::TARead2, dip());
        type(Ctl::TBRead2, QString::number(oilB));
        p.click(WindowId::Main, int(Ctl::Calc));
        ASSERT_EQ(p.main.text(Ctl::Status), "Calculation Saved") << desktop.messages.size();
    }
}

// What the program exports it imports again into a fresh folder with the same
// tanks, and exports the same: every reading, delivery, price, charge and cost.
// The German files are the spreadsheet form of the locale (semicolons, decimal
// commas, dd.MM.yyyy), the British ones the portable form.
TEST(ImportRun, ExportedFolderImportsIntoTheSameExport) {
    for (const char* name : {"en_GB", "de_DE"}) {
        SCOPED_TRACE(name);
        const QLocale locale(name);
        const bool local = locale.language() == QLocale::German;
        WorkFolder typed, imported;
        ASSERT_TRUE(typed.write("Data/Tankwise.ini", TwoTanks()) && imported.write("Data/Tankwise.ini", TwoTanks()));
        TypeHousehold(typed, locale);
        if (HasFatalFailure()) return;
        QString said;
        QTextStream out(&said);
        ASSERT_EQ(ExportAllCsv(typed.files(), locale, typed.path() + "/1", out, out, local), 0);
        const ImportResult result = Commit(imported, locale, typed.path() + "/1/Tankwise_History.csv");
        ASSERT_TRUE(result.written) << (result.problems.empty() ? result.failure : result.problems.front().message).toStdString();
        EXPECT_GT(result.periods.size(), 18u);
        ASSERT_EQ(ExportAllCsv(imported.files(), locale, typed.path() + "/2", out, out, local), 0);
        for (const char* csv : {"/Tankwise_History.csv", "/Tankwise_Deliveries.csv"}) {
            const QString expected = ReadAll(typed.path() + "/1" + csv);
            EXPECT_EQ(ReadAll(typed.path() + "/2" + csv), expected) << csv;
            EXPECT_GT(expected.count("\r\n"), 10) << csv;
        }
        // Everything is in the logs now: a second import finds nothing new.
        const auto before = LogBytes(imported);
        const ImportResult again = Commit(imported, locale, typed.path() + "/1/Tankwise_History.csv");
        EXPECT_TRUE(again.accepted() && again.periods.empty() && again.skippedReadings > 18);
        EXPECT_EQ(LogBytes(imported), before);
    }
}

// A German spreadsheet: semicolons, decimal commas, day.month.year dates,
// Windows-1252 headers, litres grouped by thousands, a row both dip and delivery.
TEST(ImportRun, GermanSpreadsheetGivesItsPeriods) {
    WorkFolder work;
    const QString file = work.path() + "/heizöl.csv";
    ASSERT_TRUE(WriteFile(file, QString("Datum;Füllstand (cm);Liefermenge;Preis (€/l);Lieferkosten;MwSt\r\n"
                                        "01.10.2024;100,0;;;;\r\n05.10.2024;;500;0,95;25,00;19%\r\n"
                                        "\"02.11.2024\";80,5;;;;\r\n01.12.2024;60;1.000;0,89;;19\r\n").toLatin1()));
    const ImportResult r = Commit(work, QLocale("de_DE"), file);
    ASSERT_TRUE(r.written) << (r.problems.empty() ? r.failure : r.problems.front().message).toStdString();
    ASSERT_EQ(r.periods.size(), 3u);
    EXPECT_TRUE(r.periods[0].starting);
    EXPECT_EQ(r.periods[1].deliveries + r.periods[2].deliveries, 2);
    EXPECT_EQ(r.periods[2].days, "29");
    // 1.000 litres at 0,89 with 19% tax, the charge's tax as the settings have it.
    EXPECT_EQ(work.lines("Log/Tankwise_D.log").last(),
              " 01.12.2024,      1000,  0,8900,          , 19,0%,  1059,10,  5,0%, Off, Off");
}

// Refused rows come back with their lines and the check's own message, and the
// logs stay as they were; a day order the file does not tell is asked for.
TEST(ImportRun, RefusedRowsWriteNothing) {
    WorkFolder work;
    const QLocale uk("en_GB");
    const QString file = work.path() + "/dips.csv";
    ASSERT_TRUE(WriteFile(file, "\xEF\xBB\xBF" "Date,Tank A reading,Litres,Price\n2024-01-01,100,,\n"
                                "2024-02-01,9O,,\n2024-03-01,130,,\n2024-03-02,50,,\n2024-03-20,,300,\n"));
    const auto before = LogBytes(work);
    const ImportResult r = Commit(work, uk, file);
    std::vector<std::pair<int, QString>> refused;
    for (const ImportProblem& p : r.problems) refused.push_back({p.line, p.message});
    EXPECT_EQ(refused, (std::vector<std::pair<int, QString>>{
                           {3, "Tank A's reading \"9O\" is not a number"}, {6, "The delivery has no price"}}));
    EXPECT_FALSE(r.written);
    EXPECT_EQ(LogBytes(work), before);
    QString said;
    QTextStream out(&said);
    EXPECT_EQ(ImportCsvIntoFolder(work.path(), file, DayOrder::Unknown, uk, kClock, out, out), 1);
    EXPECT_TRUE(said.contains("dips.csv:3: Tank A's reading \"9O\" is not a number\n")) << said.toStdString();

    // Accepted rows, but the third period fails the program's own checks half-way:
    // the periods saved before it are taken out again, byte for byte.
    ASSERT_TRUE(WriteFile(file, "Date,Tank A reading\n2024-01-01,100\n2024-02-01,90\n2024-03-01,80\n2024-03-02,70\n"));
    const ImportResult cut = Commit(work, uk, file);
    ASSERT_EQ(cut.problems.size(), 1u);
    EXPECT_EQ(cut.problems[0].line, 5);
    EXPECT_TRUE(cut.problems[0].message.contains("Date 2 must be at least 3 days later than Date 1"));
    EXPECT_FALSE(cut.written);
    EXPECT_EQ(LogBytes(work), before);

    ASSERT_TRUE(WriteFile(file, "Date,Tank A reading\n03/04/2024,100\n04/05/2024,90\n"));
    EXPECT_TRUE(Commit(work, uk, file).dayOrderNeeded);
    const ImportResult monthFirst = Commit(work, uk, file, DayOrder::MonthFirst);
    ASSERT_TRUE(monthFirst.written);
    EXPECT_EQ(monthFirst.periods.back().to, QDate(2024, 4, 5));
    // A reading before the last saved one is refused with its row.
    ASSERT_TRUE(WriteFile(file, "Date,Tank A reading\n2024-04-01,95\n"));
    const ImportResult early = Commit(work, uk, file);
    ASSERT_EQ(early.problems.size(), 1u);
    EXPECT_EQ(early.problems[0].line, 2);
}

// The disk fills while the periods are saved: every log goes back to what it held.
TEST(ImportRun, FullDiskHalfWayLeavesTheLogsAsTheyWere) {
    WorkFolder work;
    const QLocale uk("en_GB");
    const QString file = work.path() + "/dips.csv";
    ASSERT_TRUE(WriteFile(file, "Date,Tank A reading\n2024-01-01,100\n2024-02-01,95\n"));
    ASSERT_TRUE(Commit(work, uk, file).written);
    ASSERT_TRUE(WriteFile(file, "Date,Tank A reading\n2024-03-01,90\n2024-04-01,85\n2024-05-01,80\n"
                                "2024-06-01,75\n2024-07-01,70\n"));
    const auto before = LogBytes(work);
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit saved{}, full{};
    getrlimit(RLIMIT_FSIZE, &saved);
    full = saved;
    full.rlim_cur = rlim_t(before[0].size() + 2000);
    setrlimit(RLIMIT_FSIZE, &full);
    const ImportResult r = Commit(work, uk, file);
    setrlimit(RLIMIT_FSIZE, &saved);
    EXPECT_FALSE(r.written);
    EXPECT_FALSE(r.problems.empty());
    EXPECT_EQ(LogBytes(work), before);
}

}  // namespace
}  // namespace tw
