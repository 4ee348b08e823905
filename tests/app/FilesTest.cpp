// The program's files: Windows-1252 with CR LF, appends that never join a line cut
// short, reads from the end, and refused writes that leave a file as it was.
#include <QStringDecoder>
#include <QStringEncoder>
#include <gtest/gtest.h>

#include "WorkFolder.h"

namespace tw {
namespace {

TEST(Files, AppendEncodesTheLineAndEndsACutLastLineFirst) {
    // lastTwo: the last two lines before the append; a cut last line is left out.
    const struct { const char* name; QByteArray old; QString line; QByteArray appended; QStringList lastTwo; } rows[] = {
        {"whole line", "a\r\n", "new", "a\r\nnew\r\n", {"a"}}, {"cut line", "a\r\n12/03/20", "new", "a\r\n12/03/20\r\nnew\r\n", {"a"}},
        {"NUL tail", QByteArray("a\r\n\0\0\0", 6), "new", QByteArray("a\r\n\0\0\0\r\nnew\r\n", 13), {"a"}},
        {"lone CR", "a\r\nb\r", "new", "a\r\nb\r\nnew\r\n", {"a"}}, {"bare line feeds", "a\nb\n", "new", "a\nb\nnew\r\n", {"a", "b"}},
        {"empty", "", QString::fromUtf8("£12.50"), "\xA3" "12.50\r\n", {}},
        // A thousands separator the code page lacks becomes a no-break space.
        {"code page", "", QString::fromUtf8("1\u202F325,00 \u20AC"), "1\xA0" "325,00 \x80\r\n", {}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        WorkFolder folder;
        ASSERT_TRUE(folder.writeBytes("Log/a.log", row.old));
        EXPECT_EQ(folder.files().lastLines("Log/a.log", 2), row.lastTwo);
        folder.files().appendLine("Log/a.log", row.line);
        EXPECT_EQ(folder.bytes("Log/a.log"), row.appended);
        EXPECT_EQ(folder.files().lastLines("Log/a.log", 1), QStringList{Files::decode(Files::encode(row.line))});
    }
}

// Lines of Latin-1 letters skip the converter: every byte and every letter of the
// code page must still read and write as the converter has them.
TEST(Files, EveryByteOfTheCodePageReadsAndWritesAsTheConverterHasIt) {
    QByteArray all;
    for (int b = 1; b < 256; ++b)
        if (b != '\r' && b != '\n') all += char(b);
    QStringDecoder decoder("windows-1252");
    const QString converted = decoder.decode(all);
    WorkFolder folder;
    ASSERT_TRUE(folder.writeBytes("Log/all.log", "plain\r\n" + all + "\r\n\xA3" "5\r\n"));
    EXPECT_EQ(folder.files().readLines("Log/all.log"), (QStringList{"plain", converted, QString::fromUtf8("£5")}));
    EXPECT_EQ(Files::decode(all), converted);
    for (const QString& text : {converted, QString::fromUtf8("£12.50 café"), converted.left(127)}) {
        QStringEncoder encoder("windows-1252");
        EXPECT_EQ(Files::encode(text), QByteArray(encoder.encode(text))) << text.toStdString();
    }
}

TEST(Files, ReadsTheEndOfALongFileAsAFullReadDoes) {
    WorkFolder folder;
    QStringList lines;
    for (int i = 0; i < 5000; ++i) lines << QString("line %1").arg(i);
    folder.write("Log/big.log", lines << "" << "last");
    EXPECT_EQ(folder.files().readLines("Log/big.log"), lines);
    EXPECT_EQ(folder.files().lastLines("Log/big.log", 3), (QStringList{"line 4999", "", "last"}));
    ASSERT_TRUE(folder.writeBytes("Data/unix.ini", "a\nb\r\nc"));
    EXPECT_EQ(folder.files().readLines("Data/unix.ini"), (QStringList{"a", "b", "c"}));
}

TEST(Files, RefusedWritesLeaveTheFileByteForByte) {
    WorkFolder folder;
    Files& files = folder.files();
    EXPECT_THROW(files.appendLine("Log/none.log", "x"), FileError);  // an append never creates
    EXPECT_FALSE(folder.exists("Log/none.log"));
    const QByteArray before = folder.bytes("Data/Tankwise.ini");
    folder.deny("Data");  // a denied folder covers what is in it
    EXPECT_THROW(files.appendLine("Data/Tankwise.ini", "lost"), FileError);
    EXPECT_THROW(files.writeAtomic("Data/Tankwise.ini", "new"), FileError);
    EXPECT_THROW(files.createEmpty("Data/other.ini"), FileError);
    EXPECT_EQ(folder.bytes("Data/Tankwise.ini"), before);
    folder.allow("Data");
    files.writeAtomic("Data/Tankwise.ini", "new\r\n");
    EXPECT_EQ(folder.bytes("Data/Tankwise.ini"), "new\r\n");
    folder.denyRead("Data/Tankwise.ini");
    EXPECT_THROW(files.readLines("Data/Tankwise.ini"), FileError);
}

}  // namespace
}  // namespace tw
