// Saving when the world is against it: a full disk (through the real file system),
// a log refused or deleted since the calculation, tanks changed in an earlier run.
// Every file stays whole, the right message is shown, and no record is lost or
// written twice.
#include <gtest/gtest.h>

#include <sys/resource.h>

#include <csignal>

#include "FakeDesktop.h"
#include "WorkFolder.h"
#include "app/Program.h"
#include "platform/ProgramEnded.h"

namespace tw {
namespace {

const QStringList kLogs = {"Log/Tankwise.log", "Log/Tankwise_H.log", "Log/Tankwise_D.log"};

// No file may grow past `limit` bytes while it lives, as on a disk that is full.
class FullDisk {
public:
    explicit FullDisk(rlim_t limit) {
        std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &saved_);
        rlimit full = saved_;
        full.rlim_cur = limit;
        setrlimit(RLIMIT_FSIZE, &full);
    }
    ~FullDisk() { setrlimit(RLIMIT_FSIZE, &saved_); }

private:
    rlimit saved_{};
};

class Saving : public testing::Test {
protected:
    void start() {
        program_ = std::make_unique<Program>(desktop_, work_.files());
        program_->start("-InhibitUpdate");
        desktop_.messages.clear();
    }
    void type(Ctl c, const QString& text) { program_->typed(WindowId::Main, int(c), text); }
    void click(Ctl c) { program_->click(WindowId::Main, int(c)); }
    // One period with a delivery, calculated and waiting to be saved.
    void calculate(const QString& date1, const QString& date2, const QString& read2) {
        if (!date1.isEmpty()) {
            type(Ctl::Date1, date1);
            type(Ctl::TARead1, "100");
        }
        type(Ctl::Date2, date2);
        type(Ctl::TARead2, read2);
        type(Ctl::Date3, date2);
        type(Ctl::LAdd1, "500");
        type(Ctl::OCost1, "0.5");
        click(Ctl::Calc);
        ASSERT_TRUE(program_->main.enabled(Ctl::Save));
    }
    QList<QByteArray> logBytes() const {
        QList<QByteArray> bytes;
        for (const QString& log : kLogs) bytes << work_.bytes(log);
        return bytes;
    }
    int count(const QString& log, const QString& start) const {
        int n = 0;
        for (const QString& line : work_.lines(log)) n += line.startsWith(start);
        return n;
    }

    FakeDesktop desktop_;
    WorkFolder work_;
    std::unique_ptr<Program> program_;
};

TEST_F(Saving, AFullDiskLeavesEveryLogWholeAndTheSaveToBeDoneAgain) {
    start();
    calculate("01/03/2010", "10/04/2010", "90");
    const QList<QByteArray> before = logBytes();
    {
        FullDisk full(0);
        click(Ctl::Save);
    }
    EXPECT_EQ(logBytes(), before);
    ASSERT_EQ(desktop_.messages.size(), 1u);
    EXPECT_TRUE(desktop_.messages[0].text.contains("Tankwise_H.log")) << desktop_.messages[0].text.toStdString();
    EXPECT_TRUE(program_->main.enabled(Ctl::Save));
    EXPECT_EQ(program_->main.text(Ctl::Status), "Calculation Not Saved");

    // A log refused on its own: the others are written once, the refused one when
    // Save is clicked again.
    work_.deny("Log/Tankwise_D.log");
    click(Ctl::Save);
    EXPECT_TRUE(program_->main.enabled(Ctl::Save));
    work_.allow("Log/Tankwise_D.log");
    click(Ctl::Save);
    EXPECT_EQ(program_->main.text(Ctl::Status), "Calculation Saved");
    EXPECT_FALSE(program_->main.enabled(Ctl::Save));
    EXPECT_EQ(count(kLogs[0], "Use To Date"), 1);
    EXPECT_EQ(count(kLogs[1], " 10/04/2010"), 1);
    EXPECT_EQ(count(kLogs[2], " 10/04/2010"), 1);
}

TEST_F(Saving, AFullDiskNeitherCutsTheSettingsNorTheResultsLogWhenArchived) {
    start();
    calculate("01/03/2010", "10/04/2010", "90");
    click(Ctl::Save);
    const QByteArray settings = work_.bytes("Data/Tankwise.ini");
    const QStringList dataFiles = QDir(work_.path() + "/Data").entryList(QDir::Files);
    const QList<QByteArray> before = logBytes();
    type(Ctl::TankACap, "2000");
    {
        FullDisk full(0);
        EXPECT_THROW(click(Ctl::Save_Defaults), ProgramEnded);
    }
    EXPECT_EQ(work_.bytes("Data/Tankwise.ini"), settings);
    EXPECT_EQ(QDir(work_.path() + "/Data").entryList(QDir::Files), dataFiles);

    start();
    desktop_.answers = {Answer::Yes};
    {
        FullDisk full(0);
        click(Ctl::Archive);
    }
    ASSERT_FALSE(desktop_.messages.empty());
    EXPECT_EQ(desktop_.messages.back().title, "Tankwise Results Log File Error");
    EXPECT_EQ(logBytes().mid(1), before.mid(1));
    EXPECT_EQ(count(kLogs[0], "Use To Date"), 1);
    EXPECT_EQ(QDir(work_.path() + "/Log").entryList(QDir::Files).size(), 3);
}

TEST_F(Saving, ALogDeletedSinceTheCalculationIsStartedAgainWithTheRecord) {
    start();
    calculate("01/03/2010", "10/04/2010", "90");
    ASSERT_TRUE(work_.remove("Log/Tankwise_H.log"));
    click(Ctl::Save);
    EXPECT_EQ(program_->main.text(Ctl::Status), "Calculation Saved");
    const QStringList history = work_.lines("Log/Tankwise_H.log");
    ASSERT_GE(history.size(), 3);
    EXPECT_EQ(history.first(), "Tankwise History Log");
    EXPECT_TRUE(history.at(history.size() - 2).startsWith(" 01/03/2010,"));
    EXPECT_TRUE(history.last().startsWith(" 10/04/2010,"));
    EXPECT_TRUE(desktop_.messages.empty());
}

// The tank block follows the tanks the lines were saved with, whatever happened
// between: a change saved in an earlier run, a calculation repeated before the save.
TEST_F(Saving, TheTankBlockFollowsTheTanksAcrossRestartsAndRepeatedCalculations) {
    start();
    calculate("01/03/2010", "10/04/2010", "90");
    click(Ctl::Save);
    type(Ctl::TankACap, "2000");
    click(Ctl::Save_Defaults);
    program_.reset();

    start();
    click(Ctl::Get_Last);
    calculate("", "10/05/2010", "80");
    click(Ctl::Save);
    click(Ctl::TUnitsBT);  // gallons: the same tank in other words
    click(Ctl::Get_Last);
    calculate("", "10/06/2010", "70");
    calculate("", "10/06/2010", "71");
    click(Ctl::Save);
    QStringList blocks;
    for (const QString& line : work_.lines("Log/Tankwise_H.log"))
        if (line.startsWith("Tank A: ")) blocks << line.section(',', 0, 0);
    EXPECT_EQ(blocks, QStringList({"Tank A: 1200litres Cylindrical (H)", "Tank A: 2000litres Cylindrical (H)",
                                   "Tank A: 2000gals Cylindrical (H)"}));
}

}  // namespace
}  // namespace tw
