#include <gtest/gtest.h>

#include "WorkFolder.h"
#include "platform/Files.h"

namespace tw {
namespace {

TEST(Files, AppendWritesWindows1252WithCrLfAndNeverCreates) {
    WorkFolder folder;
    Files& files = folder.files();
    EXPECT_THROW(files.appendLine("Log/none.log", "x"), FileError);
    EXPECT_FALSE(folder.exists("Log/none.log"));

    files.createEmpty("Log/a.log");
    files.appendLine("Log/a.log", QString::fromUtf8("£12.50"));
    files.appendLine("Log/a.log", "two\r\nlines");
    files.appendLine("Log/a.log", QString::fromUtf8("1\u202F325,00 \u20AC"));
    EXPECT_EQ(folder.bytes("Log/a.log"),
              QByteArray("\xA3" "12.50\r\ntwo\r\nlines\r\n1\xA0" "325,00 \x80\r\n"));
}

TEST(Files, DeniedAppendLeavesTheFileByteForByte) {
    WorkFolder folder;
    folder.files().createEmpty("Log/a.log");
    folder.files().appendLine("Log/a.log", "kept");
    const QByteArray before = folder.bytes("Log/a.log");
    folder.deny("Log/a.log");
    EXPECT_THROW(folder.files().appendLine("Log/a.log", "lost"), FileError);
    EXPECT_EQ(folder.bytes("Log/a.log"), before);
    folder.deny("Log");  // a denied folder covers what is in it
    folder.allow("Log/a.log");
    EXPECT_THROW(folder.files().createEmpty("Log/b.log"), FileError);
}

TEST(Files, LastLinesReadsOnlyTheEndAndMatchesAFullRead) {
    WorkFolder folder;
    QStringList lines;
    for (int i = 0; i < 5000; ++i) lines << QString("line %1").arg(i);
    lines << "" << "last";
    folder.write("Log/big.log", lines);
    const QStringList all = folder.files().readLines("Log/big.log");
    ASSERT_EQ(all, lines);
    EXPECT_EQ(folder.files().lastLines("Log/big.log", 2), (QStringList{"", "last"}));
    EXPECT_EQ(folder.files().lastLines("Log/big.log", 3), (QStringList{"line 4999", "", "last"}));

    folder.write("Log/one.log", {"only"});
    EXPECT_EQ(folder.files().lastLines("Log/one.log", 2), QStringList{"only"});
    folder.write("Log/empty.log", {});
    EXPECT_TRUE(folder.files().lastLines("Log/empty.log", 2).isEmpty());
}

TEST(Files, ReadingAcceptsBareLineFeedsAndRefusesDeniedFiles) {
    WorkFolder folder;
    QFile raw(folder.path() + "/Data/unix.ini");
    ASSERT_TRUE(raw.open(QIODevice::WriteOnly));
    raw.write("a\nb\r\nc");
    raw.close();
    EXPECT_EQ(folder.files().readLines("Data/unix.ini"), (QStringList{"a", "b", "c"}));
    folder.denyRead("Data/unix.ini");
    EXPECT_THROW(folder.files().readLines("Data/unix.ini"), FileError);
}

TEST(Files, AtomicWriteReplacesWholeOrNotAtAll) {
    WorkFolder folder;
    const QByteArray before = folder.bytes("Data/Tankwise.ini");
    folder.deny("Data/Tankwise.ini");
    EXPECT_THROW(folder.files().writeAtomic("Data/Tankwise.ini", "new"), FileError);
    EXPECT_EQ(folder.bytes("Data/Tankwise.ini"), before);
    folder.allow("Data/Tankwise.ini");
    folder.files().writeAtomic("Data/Tankwise.ini", "new\r\n");
    EXPECT_EQ(folder.bytes("Data/Tankwise.ini"), QByteArray("new\r\n"));
}

// A record never joins a line cut short; readers of the end leave the cut out.
TEST(Files, AppendEndsACutLastLineFirst) {
    const struct {
        const char* name;
        QByteArray old, appended;
        QStringList last;  // lastLines(.., 2) before the append
    } rows[] = {
        {"whole line", "a\r\n", "a\r\nnew\r\n", {"a"}},
        {"cut line", "a\r\n12/03/20", "a\r\n12/03/20\r\nnew\r\n", {"a"}},
        {"NUL tail", QByteArray("a\r\n\0\0\0", 6), QByteArray("a\r\n\0\0\0\r\nnew\r\n", 13), {"a"}},
        {"lone CR", "a\r\nb\r", "a\r\nb\r\nnew\r\n", {"a"}},
        {"empty", "", "new\r\n", {}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        WorkFolder folder;
        QFile raw(folder.path() + "/Log/a.log");
        ASSERT_TRUE(raw.open(QIODevice::WriteOnly));
        raw.write(row.old);
        raw.close();
        EXPECT_EQ(folder.files().lastLines("Log/a.log", 2), row.last);
        folder.files().appendLine("Log/a.log", "new");
        EXPECT_EQ(folder.bytes("Log/a.log"), row.appended);
        EXPECT_EQ(folder.files().lastLines("Log/a.log", 1), QStringList{"new"});
    }
}

}  // namespace
}  // namespace tw
