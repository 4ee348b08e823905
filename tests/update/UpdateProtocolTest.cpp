#include <gtest/gtest.h>

#include <QStringList>

#include "update/UpdateProtocol.h"

namespace tw {
namespace {

// Complete replies, the messages and the buttons they lead to are pinned by the
// update_* scenarios; these are the edges a scenario reply would hide.
QString FullReply(const QString& version1, const QString& uninstall = "No",
                  const QString& download = "software/tankwise/download.htm") {
    return "<?xml version=\"1.0\"?>\r\n<Update>\r\n<Name>Tankwise</Name>\r\n"
           "<Version1>" + version1 + "</Version1>\r\n<Version2>0.0</Version2>\r\n"
           "<Download>" + download + "</Download>\r\n"
           "<History>software/tankwise/history.htm</History>\r\n"
           "<KIssues>software/tankwise/issues.htm</KIssues>\r\n"
           "<Index>software/tankwise/index.htm</Index>\r\n"
           "<Message>Thank you for using Tankwise.</Message>\r\n"
           "<Uninstall>" + uninstall + "</Uninstall>\r\n</Update>\r\n";
}

struct ElementRow {
    const char* name;
    const char* reply;
    const char* value;  // the Name value that results
    int missing;        // among all nine, the eight others being absent
};

class NameElement : public ::testing::TestWithParam<ElementRow> {};

TEST_P(NameElement, IsPickedByPlainSearch) {
    const UpdateReply r = ParseUpdateReply(QString::fromUtf8(GetParam().reply));
    EXPECT_EQ(r.Name, QString::fromUtf8(GetParam().value));
    EXPECT_EQ(r.missing, GetParam().missing);
    EXPECT_EQ(r.Version1, "Error");
}

INSTANTIATE_TEST_SUITE_P(
    Rules, NameElement,
    ::testing::Values(
        ElementRow{"empty", "<Name></Name>", "", 8},
        ElementRow{"firstOfTwo", "<Name>a</Name><Name>b</Name>", "a", 8},
        ElementRow{"closingFirst", "</Name>x<Name>", "Error", 9},
        ElementRow{"strayClosingBeforeAPair", "</Name><Name>x</Name>", "Error", 9},
        ElementRow{"noClosingTag", "<Name>Tankwise", "Error", 9},
        ElementRow{"noOpeningTag", "Tankwise</Name>", "Error", 9},
        ElementRow{"lowerCaseTags", "<name>Tankwise</name>", "Error", 9},
        ElementRow{"attributeOnTag", "<Name lang=\"en\">Tankwise</Name>", "Error", 9}),
    [](const auto& info) { return std::string(info.param.name); });

struct PathRow {
    const char* name;
    const char* path;
    bool safe;
};

class PagePath : public ::testing::TestWithParam<PathRow> {};

TEST_P(PagePath, StaysUnderTheSiteBase) {
    EXPECT_EQ(IsSafePagePath(QString::fromUtf8(GetParam().path)), GetParam().safe);
}

INSTANTIATE_TEST_SUITE_P(
    Reply, PagePath,
    ::testing::Values(PathRow{"relativePage", "software/tankwise/download.htm", true},
                      PathRow{"homePage", "", true},
                      PathRow{"queryAndFragment", "page.htm?v=3.1#notes", true},
                      PathRow{"upperCaseScheme", "HTTPS:x", false},
                      PathRow{"leadingSlash", "/etc/passwd", false},
                      PathRow{"encodedParent", "software/%2e%2e/%2E%2E/x", false},
                      PathRow{"encodedSlashStart", "%2F%2Felsewhere.example", false},
                      PathRow{"lineBreak", "download.htm\r\n", false},
                      PathRow{"encodedLineBreak", "download.htm%0d%0a", false},
                      PathRow{"deleteCharacter", "down\x7fload.htm", false}),
    [](const auto& info) { return std::string(info.param.name); });

struct CompareRow {
    const char* name;
    const char* version1;
    const char* version2;
    const char* localVersion;
    const char* uninstall;
    bool newer;
    const char* status;
    const char* lastMessageLine;
    bool pages;  // History, KIssues and WebSite; Download only when newer
};

class Compare : public ::testing::TestWithParam<CompareRow> {};

TEST_P(Compare, TellsTheUserTheOutcome) {
    const CompareRow& row = GetParam();
    UpdateReply reply = ParseUpdateReply(FullReply(row.version1, row.uninstall));
    reply.Version2 = row.version2;
    const UpdateOutcome out = CompareUpdateReply(reply, row.localVersion, "0.0");
    EXPECT_EQ(out.newer, row.newer);
    EXPECT_EQ(out.status, QString::fromUtf8(row.status));
    EXPECT_EQ(out.message.split("\r\n").last(), QString::fromUtf8(row.lastMessageLine));
    EXPECT_EQ(out.download, row.newer && row.pages);
    EXPECT_EQ(out.history, row.pages);
    EXPECT_EQ(out.kissues, row.pages);
    EXPECT_EQ(out.website, row.pages);
}

const char* const kLatest = "You have the latest version of Tankwise";
const char* const kThanks = "Thank you for using Tankwise.";
const char* const kUnknown = "Unrecognised version of Tankwise";
const char* const kContact = "Contact Hollyoak for assistance.";

INSTANTIATE_TEST_SUITE_P(
    Versions, Compare,
    ::testing::Values(
        CompareRow{"minorPartIsNotCompared", "3.0", "0.5", "3.0", "No", false, kLatest, kThanks, true},
        CompareRow{"uninstallYes", "3.1", "0.0", "3.0", "Yes", true,
                   "Version 3.1 of Tankwise is available ", "You must uninstall Tankwisefirst.", true},
        CompareRow{"uninstallOnlyWhenExactlyYes", "4", "0.0", "3.0", "yes", true,
                   "Version 4 of Tankwise is available ", kThanks, true},
        CompareRow{"older", "2.9", "0.0", "3.0", "Yes", false, kUnknown, kContact, false},
        CompareRow{"notANumber", "three", "0.0", "3.0", "No", false, kUnknown, kContact, false},
        // -ShortUpdateTime makes the program count as 0.9.
        CompareRow{"shortModeSameAsItsOwn", "0.9", "0.0", "0.9", "No", false, kLatest, kThanks, true},
        CompareRow{"shortModeAnyReleaseIsNewer", "3.0", "0.0", "0.9", "No", true,
                   "Version 3.0 of Tankwise is available ", kThanks, true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(CompareButtons, AnUnsafeOrMissingPathKeepsOnlyItsButtonOff) {
    UpdateReply reply = ParseUpdateReply(FullReply("3.1", "No", "http://elsewhere.example/get.exe"));
    reply.History = "Error";  // as a missing element leaves it
    const UpdateOutcome out = CompareUpdateReply(reply, "3.0", "0.0");
    EXPECT_TRUE(out.newer);
    EXPECT_FALSE(out.download);
    EXPECT_FALSE(out.history);
    EXPECT_TRUE(out.kissues);
    EXPECT_TRUE(out.website);
}

}  // namespace
}  // namespace tw
