#pragma once
#include <QList>
#include <QString>
#include <optional>

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

// The status of a reply that lacks an element or whose version is not numbers.
inline constexpr const char* kUnreadableReply = QT_TRANSLATE_NOOP("UpdateWindow", "The web site's reply could not be read");


// A version as its numbers ("3.10.0.0" is 3, 10, 0, 0); nullopt unless every part
// between the periods is digits.
std::optional<QList<int>> VersionNumbers(const QString& text);
// -1, 0 or 1 as version a is older than, the same as or newer than b, number by
// number (3.10 is newer than 3.9).
int CompareVersions(QList<int> a, QList<int> b);

// Compares Version1.Version2 with the local version.minor number by number; a reply
// that cannot be used gives kUnreadableReply and is never newer.
UpdateOutcome CompareUpdateReply(const UpdateReply& reply, const QString& localVersion,
                                 const QString& localMinor);

}  // namespace tw
