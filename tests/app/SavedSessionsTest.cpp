// Generated households, typed into the program as a user would: for every saved
// calculation the History table, its CSV export, the forecast's periods and Get Last
// give back what the calculation itself showed. TANKWISE_SESSIONS sets how many.
#include <gtest/gtest.h>

#include <QRegularExpression>
#include <algorithm>
#include <random>

#include "FakeDesktop.h"
#include "WorkFolder.h"
#include "app/ForecastRun.h"
#include "app/LogFileChecks.h"
#include "app/Program.h"
#include "app/ViewLog.h"
#include "calc/Costs.h"
#include "calc/Fields.h"
#include "calc/Formats.h"
#include "calc/ShownValue.h"
#include "calc/TankVolume.h"
#include "logs/CsvExport.h"
#include "logs/LogView.h"
#include "logs/SavedHistory.h"

namespace tw {
namespace {

struct Tank {
    double capacity = 0, depth = 0, offset = 0;
    int shape = 0;
    bool gauge = false;
    double oil = 0;  // as the program works it out from the last reading typed
};

// What the window showed after one calculation.
struct Shown {
    QString days, used, perDay, left, costPerDay, fillUpBy, date2, readA, remaining;
};

class Household {
public:
    explicit Household(unsigned seed) : rng_(seed) {
        const char* locales[] = {"en_GB", "en_US", "de_DE", "fr_FR"};
        desktop_.userLocale = QLocale(locales[pick(0, 3)]);
        locale_ = desktop_.userLocale;
        plain_ = locale_;
        plain_.setNumberOptions(QLocale::OmitGroupSeparator);
        a_ = {double(pick(10, 20) * 100), double(pick(10, 15) * 10), double(pick(0, 2)), pick(0, 2), chance(25), 0};
        if (chance(30)) b_ = Tank{600, 60, 0, pick(0, 2), chance(50), 0};
    }

    // Starts the program with the tanks typed in and Auto Save ticked.
    void start() {
        p_.start("-InhibitUpdate");
        type(Ctl::TankACap, number(a_.capacity, 0));
        type(Ctl::TankAD, number(a_.depth, 0));
        type(Ctl::TankOffA, number(a_.offset, 1));
        p_.selected(WindowId::Main, int(Ctl::TankAS), a_.shape);
        if (p_.main.checked(Ctl::TankAU) != a_.gauge) click(Ctl::TankAU);
        if (b_) {
            type(Ctl::TankBCap, number(b_->capacity, 0));
            type(Ctl::TankBD, number(b_->depth, 0));
            p_.selected(WindowId::Main, int(Ctl::TankBS), b_->shape);
            if (p_.main.checked(Ctl::TankBU) != b_->gauge) click(Ctl::TankBU);
        }
        type(Ctl::VRate, number(pick(0, 1) ? 5 : 20, 0));
        type(Ctl::DVRate, number(pick(0, 1) ? 5 : 20, 0));
        click(Ctl::AutoSave);
    }

    // Types one period: the first reading (or Get Last's), the deliveries, the second
    // reading; calculates and, with Auto Save, saves.
    void calculate(bool first) {
        if (first) {
            date_ = QDate(2024, 1, 1).addDays(pick(0, 1500));
            a_.oil = a_.capacity * 0.8;
            if (b_) b_->oil = b_->capacity * 0.5;
            type(Ctl::Date1, ShortDate(date_, locale_));
            type(Ctl::TARead1, reading(a_));
            if (b_) type(Ctl::TBRead1, reading(*b_));
            if (chance(60)) type(Ctl::OCost0, number(pick(4000, 9000) / 10000.0, 4));
        } else {
            click(Ctl::Get_Last);
            ASSERT_EQ(p_.main.text(Ctl::Date1), shown_.back().date2);
            ASSERT_EQ(p_.main.text(Ctl::TARead1), shown_.back().readA);
            // The oil value comes back to the cent.
            EXPECT_EQ(ShownValue(p_.st.OilValue, locale_),
                      MoneyValue(shown_.back().remaining, CurrencySymbolOf(locale_), locale_).value_or(0));
            // Now and then a second dip that day, typed over the restored reading.
            if (chance(15)) {
                a_.oil = std::clamp(a_.oil + pick(-60, 60), a_.capacity * 0.15, a_.capacity * 0.85);
                type(Ctl::TARead1, reading(a_));
            }
        }
        const QDate from = date_;
        const int days = chance(2) ? 1000 + pick(0, 200) : pick(3, 90);
        date_ = from.addDays(days);
        // A prediction must reach past reading 2: none for a period of years.
        type(Ctl::Predict, days > 180 ? QString() : QStringLiteral("6"));
        double delivered = 0;
        const Ctl fields[2][4] = {{Ctl::Date3, Ctl::LAdd1, Ctl::OCost1, Ctl::DCharge1},
                                  {Ctl::Date4, Ctl::LAdd2, Ctl::OCost2, Ctl::DCharge2}};
        QDate last = from.addDays(lastDeliveryOnFrom_ ? 0 : -1);
        lastDeliveryOnFrom_ = false;
        // A household low on oil orders some.
        int count = pick(0, 9) < 5 ? 0 : pick(1, 2);
        if (a_.oil < a_.capacity * 0.35) count = std::max(count, 1);
        for (int i = 0; i < count; ++i) {
            const double room = a_.capacity * 0.9 - a_.oil - delivered;
            if (room < 150) break;
            // Boundary days as often as days in between.
            QDate when = chance(30) ? date_ : chance(40) ? from : from.addDays(pick(0, days));
            if (when <= last) when = last.addDays(1);
            if (when > date_) break;
            last = when;
            const double amount = pick(100, int(std::min(room, 3000.0)));
            delivered += amount;
            lastDeliveryOnFrom_ = when == date_;
            type(fields[i][0], ShortDate(when, locale_));
            type(fields[i][1], number(amount, 0));
            type(fields[i][2], number(pick(3000, 12000) / 10000.0, 4));
            if (chance(70)) type(fields[i][3], number(pick(500, 4000) / 100.0, 2));
        }
        // The household burns some oil, never below a tenth of the tanks.
        const double most = std::max(10.0, a_.oil + delivered - a_.capacity * 0.1);
        a_.oil += delivered - std::clamp(pick(2, 15) * days + 10.0, 10.0, most);
        type(Ctl::Date2, ShortDate(date_, locale_));
        type(Ctl::TARead2, reading(a_));
        if (b_) {
            b_->oil = std::max(b_->oil - pick(0, 20) * 1.0, b_->capacity * 0.1);
            type(Ctl::TBRead2, reading(*b_));
        }
        click(Ctl::Calc);
        ASSERT_TRUE(desktop_.messages.empty()) << desktop_.messages.front().text.toStdString();
        ASSERT_EQ(p_.main.text(Ctl::Status), "Calculation Saved");
        const MainModel& m = p_.main;
        shown_.push_back({m.text(Ctl::TDays), m.text(Ctl::TankT), m.text(Ctl::VDay), m.text(Ctl::OLeft),
                          m.text(Ctl::DCost), m.text(Ctl::FillDate), m.text(Ctl::Date2),
                          m.text(Ctl::TARead2), p_.st.RemainingOilValue});
    }

    // Every saved calculation against the History table, the CSV, the forecast's
    // periods and the history log's oil values.
    void compare() {
        const LogViewContent view = ReadLogView(p_, LogKind::History);
        const QStringList csv = LogCsv(p_.files, LogPathsOf(p_), LogKind::History, locale_, nullptr,
                                       CurrentTaxRates(p_)).split("\r\n");
        const std::vector<UsePeriod> periods = UsePeriodsOf(view.rows);
        for (size_t k = 0; k < shown_.size(); ++k) {
            SCOPED_TRACE(k);
            const Shown& s = shown_[k];
            // The row, CSV line and period that end on the calculation's second reading.
            const QDate date2 = ParseDate(s.date2, locale_).value_or(QDate());
            const auto row = std::find_if(view.rows.begin(), view.rows.end(),
                                          [&](const HistoryTableRow& r) { return r.date == date2; });
            ASSERT_NE(row, view.rows.end()) << view.status.toStdString();
            EXPECT_EQ(QString::number(row->days.value_or(-1)), s.days);
            EXPECT_EQ(FixedNumber(row->used.value_or(-1), 0, locale_), s.used);
            EXPECT_EQ(FixedNumber(row->perDay.value_or(-1), 1, locale_), s.perDay);
            EXPECT_EQ(FixedNumber(row->oil, 0, locale_), s.left);
            EXPECT_EQ(row->costPerDay ? CurrencyText(*row->costPerDay, locale_) : QString(), s.costPerDay);
            const QStringList fields = csv.filter(QRegularExpression("^" + date2.toString(Qt::ISODate))).value(0).split(',');
            ASSERT_GE(fields.size(), 7);
            EXPECT_EQ(fields[2], s.days);
            EXPECT_EQ(fields[3], CsvNumber(row->used, 0));
            EXPECT_EQ(fields[6], CsvNumber(row->costPerDay, 2));
            const auto period = std::find_if(periods.begin(), periods.end(),
                                             [&](const UsePeriod& u) { return u.end == date2; });
            ASSERT_NE(period, periods.end());
            EXPECT_DOUBLE_EQ(period->used, *row->used);
        }
        // The spreadsheet form of the locale, split at its separator and read with its
        // decimal mark and dates, holds the portable form's figures, column for column.
        const CsvStyle style = LocalCsvStyle(locale_);
        const QStringList local = LogCsv(p_.files, LogPathsOf(p_), LogKind::History, locale_, nullptr,
                                         CurrentTaxRates(p_), nullptr, style).split("\r\n");
        ASSERT_EQ(local.size(), csv.size());
        EXPECT_TRUE(csv.back().isEmpty() && local.back().isEmpty());
        EXPECT_TRUE(local[0].startsWith(QChar(0xFEFF)));
        EXPECT_EQ(local[0].mid(1).split(style.separator), csv[0].split(','));
        for (qsizetype i = 1; i < csv.size() - 1; ++i) {
            const QStringList mine = local[i].split(style.separator), portable = csv[i].split(',');
            ASSERT_EQ(mine.size(), portable.size()) << local[i].toStdString();
            EXPECT_EQ(ParseDate(mine[0], locale_).value_or(QDate()), QDate::fromString(portable[0], Qt::ISODate));
            for (qsizetype j = 1; j < mine.size(); ++j) {
                bool ok = portable[j].isEmpty() == mine[j].isEmpty();
                if (!portable[j].isEmpty()) {
                    EXPECT_EQ(locale_.toDouble(mine[j], &ok), portable[j].toDouble());
                }
                EXPECT_TRUE(ok) << mine[j].toStdString();
            }
        }
        // One forecast: the field shows what the History window and the command
        // line work out, and it never orders after Fill Up By less the lead time.
        const ForecastRun run = RunForecast(p_);
        EXPECT_EQ(p_.main.text(Ctl::OrderBy), OrderByText(run, locale_));
        // Read from the ends of the logs or whole, as the History window reads them.
        const ForecastRun whole = RunForecast(p_, &view.rows);
        EXPECT_EQ(whole.dates.orderBy, run.dates.orderBy);
        EXPECT_EQ(whole.dates.runOut, run.dates.runOut);
        if (run.dates.orderBy) {
            const QDate fillUpBy = ParseDate(shown_.back().fillUpBy, locale_).value_or(QDate());
            // The window shows Fill Up By only with a prediction.
            if (fillUpBy.isValid()) {
                EXPECT_EQ(run.fillUpBy.value_or(QDate()), fillUpBy);
                EXPECT_LE(*run.dates.orderBy, fillUpBy.addDays(-run.settings.leadDays));
            }
        }
    }

private:
    int pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(rng_); }
    bool chance(int percent) { return pick(1, 100) <= percent; }
    QString number(double value, int decimals) const { return plain_.toString(value, 'f', decimals); }
    void type(Ctl c, const QString& text) { p_.typed(WindowId::Main, int(c), text); }
    void click(Ctl c) { p_.click(WindowId::Main, int(c)); }

    // A gauge shows whole units; a dipstick is read to a millimetre, and the oil is
    // then what the tank model makes of that reading.
    QString reading(Tank& t) const {
        if (t.gauge) {
            t.oil = std::round(t.oil);
            return number(t.oil, 0);
        }
        const double dip = std::round((DepthForVolume(float(t.capacity), float(t.depth), float(t.oil), t.shape) +
                                       t.offset) * 10) / 10;
        t.oil = TankVolume(0, number(t.capacity, 0), number(t.depth, 0), GeneralNumber(dip - t.offset), t.shape,
                           QLocale::c());
        return number(dip, 1);
    }

    std::mt19937 rng_;
    FakeDesktop desktop_;
    WorkFolder work_;
    Program p_{desktop_, work_.files()};
    QLocale locale_, plain_;
    Tank a_;
    std::optional<Tank> b_;
    QDate date_;
    bool lastDeliveryOnFrom_ = false;
    std::vector<Shown> shown_;
};

TEST(SavedSessions, EveryViewOfThePastAgreesWithTheCalculation) {
    const int sessions = qEnvironmentVariableIntValue("TANKWISE_SESSIONS");
    for (int seed = 1; seed <= (sessions > 0 ? sessions : 200); ++seed) {
        SCOPED_TRACE(seed);
        Household household{unsigned(seed)};
        household.start();
        const int periods = 2 + seed % 4;
        for (int k = 0; k < periods && !testing::Test::HasFatalFailure(); ++k) household.calculate(k == 0);
        if (testing::Test::HasFatalFailure()) return;
        household.compare();
        if (testing::Test::HasFailure()) return;
    }
}

}  // namespace
}  // namespace tw

namespace tw {
namespace {

// Years of readings: the forecast reads only the ends of the logs, and agrees with
// one fitted on the whole table.
TEST(SavedSessions, TheForecastReadFromTheEndsAgreesWithTheWholeHistory) {
    Household household{7};
    household.start();
    for (int k = 0; k < 60 && !testing::Test::HasFatalFailure(); ++k) household.calculate(k == 0);
    household.compare();
}

}  // namespace
}  // namespace tw
