#include <gtest/gtest.h>

#include "LogTestSupport.h"
#include "WorkFolder.h"
#include "logs/LogColumns.h"

namespace tw {
namespace {

// A long log is streamed in blocks: lines that cross a block boundary, a CR LF
// split between two blocks and the one-byte pound sign must all come back whole.
TEST(LongLogReading, EveryLineComesBackWholeAcrossReadBlocks) {
    WorkFolder folder;
    QStringList written;
    for (int i = 0; i < 4000; ++i)
        written << HistoryDataLine({QString::number(i % 28 + 1) + "/01/2009", QString::number(i),
                                    "0", "50.0", "", i % 3 ? "£1.50" : "", i % 2 == 0, true})
                << QString(i % 7, 'x');
    folder.write("Log/long.log", written);
    ASSERT_GT(folder.bytes("Log/long.log").size(), 3 * 65536);

    QStringList read;
    folder.files().forEachLine("Log/long.log", [&](const QString& line) { read << line; });
    EXPECT_EQ(read, written);
    EXPECT_EQ(folder.files().lastLines("Log/long.log", 2), written.mid(written.size() - 2));
}

TEST(LongLogReading, LastLineWithoutLineEndIsKept) {
    WorkFolder folder;
    folder.write("Log/open.log", {"first"});
    QFile file(folder.path() + "/Log/open.log");
    ASSERT_TRUE(file.open(QIODevice::Append));
    file.write("\xA3" "2.00");
    file.close();
    QStringList read;
    folder.files().forEachLine("Log/open.log", [&](const QString& line) { read << line; });
    EXPECT_EQ(read, (QStringList{"first", "£2.00"}));
}

}  // namespace
}  // namespace tw
