#pragma once
#include <QString>

namespace tw {

// What a value of the reply holds until its element is found.
inline constexpr const char* kMissingValue = "Error";

// The nine values the update check picks out of the web site's XML reply.
struct UpdateReply {
    QString Name = kMissingValue;
    QString Version1 = kMissingValue;
    QString Version2 = kMissingValue;
    QString Download = kMissingValue;
    QString History = kMissingValue;
    QString KIssues = kMissingValue;
    QString Index = kMissingValue;
    QString Message = kMissingValue;
    QString Uninstall = kMissingValue;
    int missing = 9;  // elements not found
};

// Picks each element's text by plain, case-sensitive search: the text between the
// first "<Tag>" and the first "</Tag>". An element whose closing tag comes first, or
// that lacks either tag, keeps "Error" and counts as missing.
UpdateReply ParseUpdateReply(const QString& replyText);

// The request sent to the web site: base + "software/misc/updatecheck.xml" with the
// program name and "&ampPVer=" + version + "." + minor.
QString UpdateRequestAddress(const QString& siteBase, const QString& localVersion,
                             const QString& localMinor);

// A page path from the reply may only name a page below the site base: no scheme,
// no leading "/" or "\", no "..", no blanks or control characters (also when
// percent-decoded).
bool IsSafePagePath(const QString& path);

// A page path that opens its button: found in the reply and safe.
bool IsUsablePagePath(const QString& value);

// What the window shows after comparing the published version with its own.
struct UpdateOutcome {
    bool newer = false;
    QString status;
    QString message;
    bool download = false, history = false, kissues = false, website = false;
};

// Compares Version1.Version2 with the local version.minor by their leading numbers.
UpdateOutcome CompareUpdateReply(const UpdateReply& reply, const QString& localVersion,
                                 const QString& localMinor);

}  // namespace tw
