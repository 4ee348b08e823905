// The update check's reply, the pages it may open and the outcome shown.
#include <gtest/gtest.h>

#include <QStringList>

#include "update/UpdateProtocol.h"

using namespace tw;

static QString Reply(const QString& version1, const QString& uninstall = "No",
              const QString& download = "software/tankwise/download.htm") {
    return "<?xml version=\"1.0\"?>\r\n<Update>\r\n<Name>Tankwise</Name>\r\n<Version1>" + version1 +
           "</Version1>\r\n<Version2>0.0</Version2>\r\n<Download>" + download +
           "</Download>\r\n<History>h.htm</History>\r\n<KIssues>k.htm</KIssues>\r\n"
           "<Index>i.htm</Index>\r\n<Message>Thank you for using Tankwise.</Message>\r\n"
           "<Uninstall>" + uninstall + "</Uninstall>\r\n</Update>\r\n";
}

TEST(UpdateReply, ElementsByPlainSearch) {
    struct Row { const char* reply; const char* name; int missing; };
    const Row rows[] = {{"<Name></Name>", "", 8},      {"<Name>a</Name><Name>b</Name>", "a", 8}, {"</Name><Name>x</Name>", "Error", 9},
                        {"<Name>Tankwise", "Error", 9}, {"<name>Tankwise</name>", "Error", 9}};
    for (const Row& r : rows) {
        const UpdateReply reply = ParseUpdateReply(r.reply);
        EXPECT_EQ(reply.Name, r.name) << r.reply;
        EXPECT_EQ(reply.missing, r.missing) << r.reply;
    }
    const UpdateReply full = ParseUpdateReply(Reply("3.1"));
    EXPECT_EQ(full.missing, 0);
    EXPECT_EQ(full.Version1 + full.Version2 + full.Index + full.Uninstall, "3.10.0i.htmNo");
}

TEST(UpdateReply, PagePathsStayUnderTheSite) {
    struct Row { const char* path; bool safe; };
    const Row rows[] = {{"software/tankwise/download.htm", true}, {"", true}, {"page.htm?v=3.1#notes", true},
                        {"HTTPS:x", false}, {"/etc/passwd", false}, {"\\share", false}, {"a/../b", false}, {"a b.htm", false},
                        {"software/%2e%2e/x", false}, {"download.htm%0d%0a", false}, {"down\x7fload.htm", false}};
    for (const Row& r : rows) EXPECT_EQ(IsSafePagePath(r.path), r.safe) << r.path;
    EXPECT_TRUE(!IsUsablePagePath("Error") && IsUsablePagePath("i.htm"));
}

TEST(UpdateReply, OutcomeOfTheComparison) {
    const char* const latest = "You have the latest version of Tankwise";
    const char* const thanks = "Thank you for using Tankwise.";
    const char* const unknown = "Unrecognised version of Tankwise";
    const char* const unread = "The web site's reply could not be read";
    struct Row { const char* name; const char* v1, *v2, *local, *uninstall; bool newer; const char* status, *last; bool pages; };
    const Row rows[] = {
        {"same", "3.0", "0.0", "3.0", "No", false, latest, thanks, true},
        {"newerUninstall", "3.1", "0.0", "3.0", "Yes", true, "Version 3.1 of Tankwise is available ", "You must uninstall Tankwise first.", true},
        {"uninstallOnlyExactly", "4", "0.0", "3.0", "yes", true, "Version 4 of Tankwise is available ", thanks, true},
        {"older", "2.9", "0.0", "3.0", "Yes", false, unknown, "Contact Hollyoak for assistance.", false},
        {"notANumber", "three", "0.0", "3.0", "No", false, unread, "", false},
        {"tenAfterNine", "3.10", "0.0", "3.9", "No", true, "Version 3.10 of Tankwise is available ", thanks, true},
        {"shortModeAnyRelease", "3.0", "0.0", "0.9", "No", true, "Version 3.0 of Tankwise is available ", thanks, true},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        UpdateReply reply = ParseUpdateReply(Reply(r.v1, r.uninstall));
        reply.Version2 = r.v2;
        const UpdateOutcome out = CompareUpdateReply(reply, r.local, "0.0");
        EXPECT_EQ(out.newer, r.newer);
        EXPECT_EQ(out.status, r.status);
        EXPECT_EQ(out.message.split("\r\n").last(), r.last);
        EXPECT_EQ(out.download, r.newer && r.pages);
        EXPECT_EQ(out.history && out.kissues && out.website, r.pages);
    }
    UpdateReply unsafe = ParseUpdateReply(Reply("3.1", "No", "http://elsewhere.example/get.exe"));
    unsafe.History = "Error";
    const UpdateOutcome out = CompareUpdateReply(unsafe, "3.0", "0.0");
    EXPECT_TRUE(out.newer && !out.download && !out.history && out.kissues && out.website);
}
