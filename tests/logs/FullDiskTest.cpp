#include <QDir>

#include <csignal>
#include <functional>
#include <sys/resource.h>

#include "LogTestSupport.h"
#include "app/SaveData.h"
#include "app/Archive.h"
#include "app/SaveCalculation.h"

namespace tw {
namespace {

// Files may not grow past `bytes` while this lives: writes beyond fail part-way,
// as on a full disk. SIGXFSZ is ignored so the failure comes back as an error.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &old_);
        oldSignal_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limited = old_;
        limited.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limited);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &old_);
        std::signal(SIGXFSZ, oldSignal_);
    }

private:
    rlimit old_{};
    void (*oldSignal_)(int) = nullptr;
};

const QStringList kFiles{"Data/Tankwise.ini", "Log/Tankwise.log", "Log/Tankwise_H.log",
                         "Log/Tankwise_D.log"};

class FullDisk : public StartedLogs {
protected:
    std::vector<QByteArray> snapshot() const {
        std::vector<QByteArray> all;
        for (const QString& file : kFiles) all.push_back(folder.bytes(file));
        return all;
    }
    // Every file stays byte for byte as it was, and nothing is left beside them.
    void expectUntouched(const std::vector<QByteArray>& before) {
        EXPECT_EQ(snapshot(), before);
        EXPECT_EQ(QDir(folder.path() + "/Data").entryList(QDir::Files), QStringList{"Tankwise.ini"});
    }
};

// Each operation on a disk that is full after a few bytes of its write: the
// operation's own warning, no success status, every file whole.
TEST_F(FullDisk, FailedWritesLeaveEveryFileWholeAndSaySo) {
    const struct {
        const char* name;
        std::function<void(Program&, FakeDesktop&)> act;
        const char* title;
        bool ends;
    } rows[] = {
        {"save data", [](Program& p, FakeDesktop&) { SaveDefaultsClick(p); },
         "Tankwise Configuration File Error", true},
        {"archive answered no",
         [](Program& p, FakeDesktop& d) {
             d.answers = {Answer::No};
             ArchiveClick(p);
         },
         "Tankwise Results Log File Error", false},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        desktop.messages.clear();
        const QString status = p.main.text(Ctl::Status);
        const auto before = snapshot();
        bool ended = false;
        {
            FileSizeLimit limit(20);
            try {
                row.act(p, desktop);
            } catch (const ProgramEnded&) {
                ended = true;
            }
        }
        expectUntouched(before);
        EXPECT_EQ(ended, row.ends);
        ASSERT_FALSE(desktop.messages.empty());
        EXPECT_EQ(desktop.messages.back().title, row.title);
        EXPECT_EQ(p.main.text(Ctl::Status), row.ends ? status : QString());
    }
}

// A save that could not write its records keeps them, and Save, for the next
// try, which writes each record exactly once.
TEST_F(FullDisk, SaveKeepsUnwrittenRecordsForTheNextSave) {
    type(Ctl::TDays, "45");
    p.st.ReportText = "report";
    p.st.HistoryLine = "history";
    p.st.DeliveryLine1 = "delivery";
    tick(Ctl::NoHistory, false);
    p.main.setEnabled(Ctl::Save, true);
    // Room for the report only: the other two logs end 3 bytes short of the limit,
    // so their appends fail part-way.
    const qint64 limit = folder.bytes("Log/Tankwise.log").size() + 20;
    for (const QString log : {"Log/Tankwise_H.log", "Log/Tankwise_D.log"}) {
        const qint64 filler = limit - 5 - folder.bytes(log).size();
        ASSERT_GE(filler, 0);
        folder.append(log, {QString(filler, '#')});
    }
    const auto before = snapshot();
    {
        FileSizeLimit sized{rlim_t(limit)};
        SaveClick(p);
    }
    const auto after = snapshot();
    EXPECT_EQ(after[0], before[0]);
    EXPECT_EQ(after[1], before[1] + "report\r\n");
    EXPECT_EQ(after[2], before[2]);
    EXPECT_EQ(after[3], before[3]);
    EXPECT_EQ(shown(), (QStringList{
        "Tankwise History Log File Error|Unable to write to the log file Tankwise_H.log.\r\nThis may be a permissions problem.",
        "Tankwise Delivery Log File Error|Unable to write to the log file Tankwise_D.log.\r\nThis may be a permissions problem."}));
    EXPECT_NE(p.main.text(Ctl::Status), "Calculation Saved");
    EXPECT_TRUE(p.main.enabled(Ctl::Save));

    SaveClick(p);
    EXPECT_EQ(folder.bytes("Log/Tankwise.log"), after[1]);  // the report once only
    EXPECT_EQ(folder.bytes("Log/Tankwise_H.log"), before[2] + "history\r\n");
    EXPECT_EQ(folder.bytes("Log/Tankwise_D.log"), before[3] + "delivery\r\n");
    EXPECT_EQ(p.main.text(Ctl::Status), "Calculation Saved");
    EXPECT_FALSE(p.main.enabled(Ctl::Save));
}

}  // namespace
}  // namespace tw
