#include <gtest/gtest.h>

#include <QStringList>

#include "update/UpdateProtocol.h"

namespace tw {
namespace {

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

TEST(UpdateReplyParse, ACompleteReplyGivesAllNineValues) {
    const UpdateReply r = ParseUpdateReply(FullReply("3.1", "Yes"));
    EXPECT_EQ(r.missing, 0);
    EXPECT_EQ(r.Name, "Tankwise");
    EXPECT_EQ(r.Version1, "3.1");
    EXPECT_EQ(r.Version2, "0.0");
    EXPECT_EQ(r.Download, "software/tankwise/download.htm");
    EXPECT_EQ(r.History, "software/tankwise/history.htm");
    EXPECT_EQ(r.KIssues, "software/tankwise/issues.htm");
    EXPECT_EQ(r.Index, "software/tankwise/index.htm");
    EXPECT_EQ(r.Message, "Thank you for using Tankwise.");
    EXPECT_EQ(r.Uninstall, "Yes");
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
        ElementRow{"plain", "<Name>Tankwise</Name>", "Tankwise", 8},
        ElementRow{"empty", "<Name></Name>", "", 8},
        ElementRow{"firstOfTwo", "<Name>a</Name><Name>b</Name>", "a", 8},
        ElementRow{"markupInside", "<Name><b>x</b></Name>", "<b>x</b>", 8},
        ElementRow{"spreadOverLines", "<Name>\r\nTank\r\n</Name>", "\r\nTank\r\n", 8},
        ElementRow{"closingFirst", "</Name>x<Name>", "Error", 9},
        ElementRow{"strayClosingBeforeAPair", "</Name><Name>x</Name>", "Error", 9},
        ElementRow{"noClosingTag", "<Name>Tankwise", "Error", 9},
        ElementRow{"noOpeningTag", "Tankwise</Name>", "Error", 9},
        ElementRow{"lowerCaseTags", "<name>Tankwise</name>", "Error", 9},
        ElementRow{"attributeOnTag", "<Name lang=\"en\">Tankwise</Name>", "Error", 9},
        ElementRow{"emptyReply", "", "Error", 9}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(UpdateReplyParse, EachMissingElementCountsOnce) {
    QString reply = FullReply("3.1");
    reply.remove("<Download>software/tankwise/download.htm</Download>");
    reply.replace("</Uninstall>", "");
    const UpdateReply r = ParseUpdateReply(reply);
    EXPECT_EQ(r.missing, 2);
    EXPECT_EQ(r.Download, "Error");
    EXPECT_EQ(r.Uninstall, "Error");
    EXPECT_EQ(r.Index, "software/tankwise/index.htm");
}

TEST(UpdateRequest, KeepsTheAmpersandEntitySpelling) {
    EXPECT_EQ(UpdateRequestAddress("https://tankwise.example/", "3.0", "0.0"),
              "https://tankwise.example/software/misc/updatecheck.xml?PName=Tankwise&ampPVer=3.0.0.0");
    EXPECT_EQ(UpdateRequestAddress("http://127.0.0.1:8080/", "0.9", "0.0"),
              "http://127.0.0.1:8080/software/misc/updatecheck.xml?PName=Tankwise&ampPVer=0.9.0.0");
}

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
                      PathRow{"httpScheme", "http://elsewhere.example/x", false},
                      PathRow{"javascriptScheme", "javascript:alert(1)", false},
                      PathRow{"fileScheme", "file:///etc/passwd", false},
                      PathRow{"upperCaseScheme", "HTTPS:x", false},
                      PathRow{"leadingSlash", "/etc/passwd", false},
                      PathRow{"protocolRelative", "//elsewhere.example/", false},
                      PathRow{"leadingBackslash", "\\\\server\\share", false},
                      PathRow{"parentAtStart", "../other/", false},
                      PathRow{"parentInside", "software/../../x", false},
                      PathRow{"encodedParent", "software/%2e%2e/%2E%2E/x", false},
                      PathRow{"encodedSlashStart", "%2F%2Felsewhere.example", false},
                      PathRow{"blank", "down load.htm", false},
                      PathRow{"tab", "down\tload.htm", false},
                      PathRow{"lineBreak", "download.htm\r\n", false},
                      PathRow{"encodedLineBreak", "download.htm%0d%0a", false},
                      PathRow{"deleteCharacter", "down\x7fload.htm", false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(PagePathUse, AMissingElementNeverOpensAButton) {
    EXPECT_FALSE(IsUsablePagePath("Error"));
    EXPECT_TRUE(IsUsablePagePath("index.htm"));
}

struct CompareRow {
    const char* name;
    const char* version1;
    const char* version2;
    const char* localVersion;
    const char* uninstall;
    bool newer;
    const char* status;
    const char* lastMessageLine;
    bool download;
    bool pages;  // History, KIssues and WebSite
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
    EXPECT_EQ(out.download, row.download);
    EXPECT_EQ(out.history, row.pages);
    EXPECT_EQ(out.kissues, row.pages);
    EXPECT_EQ(out.website, row.pages);
}

INSTANTIATE_TEST_SUITE_P(
    Versions, Compare,
    ::testing::Values(
        CompareRow{"sameVersion", "3.0", "0.0", "3.0", "Yes", false,
                   "You have the latest version of Tankwise", "Thank you for using Tankwise.",
                   false, true},
        CompareRow{"minorPartIsNotCompared", "3.0", "0.5", "3.0", "No", false,
                   "You have the latest version of Tankwise", "Thank you for using Tankwise.",
                   false, true},
        CompareRow{"newerWithoutUninstall", "3.1", "0.0", "3.0", "No", true,
                   "Version 3.1 of Tankwise is available ", "Thank you for using Tankwise.", true,
                   true},
        CompareRow{"newerWithUninstall", "3.1", "0.0", "3.0", "Yes", true,
                   "Version 3.1 of Tankwise is available ", "You must uninstall Tankwisefirst.",
                   true, true},
        CompareRow{"newerLowerCaseUninstall", "4", "0.0", "3.0", "yes", true,
                   "Version 4 of Tankwise is available ", "Thank you for using Tankwise.", true,
                   true},
        CompareRow{"older", "2.9", "0.0", "3.0", "Yes", false, "Unrecognised version of Tankwise",
                   "Contact Hollyoak for assistance.", false, false},
        CompareRow{"notANumber", "three", "0.0", "3.0", "No", false,
                   "Unrecognised version of Tankwise", "Contact Hollyoak for assistance.", false,
                   false},
        CompareRow{"shortModeSameAsItsOwn", "0.9", "0.0", "0.9", "No", false,
                   "You have the latest version of Tankwise", "Thank you for using Tankwise.",
                   false, true},
        CompareRow{"shortModeAnyReleaseIsNewer", "3.0", "0.0", "0.9", "No", true,
                   "Version 3.0 of Tankwise is available ", "Thank you for using Tankwise.", true,
                   true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(CompareMessage, NewerListsWhatEachButtonDoesBeforeTheSiteMessage) {
    const UpdateOutcome out = CompareUpdateReply(ParseUpdateReply(FullReply("3.1", "Yes")), "3.0", "0.0");
    EXPECT_EQ(out.message,
              "Click Download to get it\r\n"
              "Click History for change info and Known Issues for any problems.\r\n"
              "Thank you for using Tankwise.\r\nYou must uninstall Tankwisefirst.");
    const UpdateOutcome same = CompareUpdateReply(ParseUpdateReply(FullReply("3.0")), "3.0", "0.0");
    EXPECT_EQ(same.message,
              "Click Known Issues to see any problems we are aware of.\r\nThank you for using Tankwise.");
}

TEST(CompareButtons, AnUnsafeOrMissingPathKeepsOnlyItsButtonOff) {
    UpdateReply reply = ParseUpdateReply(FullReply("3.1", "No", "http://elsewhere.example/get.exe"));
    reply.History = "Error";
    const UpdateOutcome out = CompareUpdateReply(reply, "3.0", "0.0");
    EXPECT_TRUE(out.newer);
    EXPECT_FALSE(out.download);
    EXPECT_FALSE(out.history);
    EXPECT_TRUE(out.kissues);
    EXPECT_TRUE(out.website);
}

}  // namespace
}  // namespace tw
