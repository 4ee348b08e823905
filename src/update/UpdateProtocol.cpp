#include "update/UpdateProtocol.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QRegularExpression>

#include "platform/Version.h"

namespace tw {

namespace {

// True, with the element's text in value, when both tags are there in order.
bool PickElement(const QString& text, const QString& tag, QString& value) {
    const qsizetype close = text.indexOf("</" + tag + ">");
    const QString opening = "<" + tag + ">";
    const qsizetype open = text.indexOf(opening);
    if (close < 0 || open < 0) return false;
    const qsizetype start = open + opening.size();
    // A closing tag in front of the opening one would give a negative length.
    if (close < start) return false;
    value = text.mid(start, close - start);
    return true;
}

bool HasUnsafeCharacters(const QString& path) {
    static const QRegularExpression scheme(QStringLiteral("^[A-Za-z][A-Za-z0-9+.\\-]*:"));
    if (path.startsWith('/') || path.startsWith('\\')) return true;
    if (path.contains(QStringLiteral(".."))) return true;
    if (scheme.match(path).hasMatch()) return true;
    for (const QChar c : path) {
        if (c.isSpace() || c.category() == QChar::Other_Control || c == QChar(0x7f))
            return true;
    }
    return false;
}

}  // namespace

UpdateReply ParseUpdateReply(const QString& replyText) {
    UpdateReply reply;
    reply.missing = 9;
    const std::pair<const char*, QString*> elements[] = {
        {"Name", &reply.Name},         {"Version1", &reply.Version1},
        {"Version2", &reply.Version2}, {"Download", &reply.Download},
        {"History", &reply.History},   {"KIssues", &reply.KIssues},
        {"Index", &reply.Index},       {"Message", &reply.Message},
        {"Uninstall", &reply.Uninstall}};
    for (const auto& [tag, value] : elements) {
        *value = QString::fromLatin1(kMissingValue);
        if (PickElement(replyText, QString::fromLatin1(tag), *value)) --reply.missing;
    }
    return reply;
}

QString UpdateRequestAddress(const QString& siteBase, const QString& localVersion,
                             const QString& localMinor) {
    // The second key really is preceded by "&amp"; the web site expects it so.
    return siteBase + "software/misc/updatecheck.xml" + "?PName=" + kProgramName +
           "&ampPVer=" + localVersion + "." + localMinor;
}

bool IsSafePagePath(const QString& path) {
    if (HasUnsafeCharacters(path)) return false;
    // A browser decodes "%2e%2e" and "%2f" before it walks the path.
    const QString decoded = QString::fromUtf8(QByteArray::fromPercentEncoding(path.toUtf8()));
    return !HasUnsafeCharacters(decoded);
}

bool IsUsablePagePath(const QString& value) {
    return value != QLatin1String(kMissingValue) && IsSafePagePath(value);
}

std::optional<QList<int>> VersionNumbers(const QString& text) {
    QList<int> numbers;
    for (const QString& part : text.trimmed().split(QLatin1Char('.'))) {
        bool ok = part.size() <= 6;
        for (const QChar c : part) ok = ok && c >= QLatin1Char('0') && c <= QLatin1Char('9');
        if (!ok || part.isEmpty()) return std::nullopt;
        numbers << part.toInt();
    }
    return numbers;
}

int CompareVersions(QList<int> a, QList<int> b) {
    // "3.1" and "3.1.0" are the same version.
    while (a.size() < b.size()) a << 0;
    while (b.size() < a.size()) b << 0;
    for (qsizetype i = 0; i < a.size(); ++i)
        if (a[i] != b[i]) return a[i] < b[i] ? -1 : 1;
    return 0;
}

UpdateOutcome CompareUpdateReply(const UpdateReply& reply, const QString& localVersion,
                                 const QString& localMinor) {
    const QString program = QString::fromLatin1(kProgramName);
    UpdateOutcome out;
    const auto published = VersionNumbers(reply.Version1 + "." + reply.Version2);
    const auto local = VersionNumbers(localVersion + "." + localMinor);
    if (reply.missing != 0 || !published || !local) {
        out.status = QCoreApplication::translate("UpdateWindow", kUnreadableReply);
        return out;
    }
    const int order = CompareVersions(*published, *local);
    if (order == 0) {
        out.status = QCoreApplication::translate("UpdateWindow", "You have the latest version of %1").arg(program);
        out.message = QCoreApplication::translate("UpdateWindow", "Click Known Issues to see any problems we are aware of.") +
                      "\r\n" + reply.Message;
        out.website = IsUsablePagePath(reply.Index);
        out.kissues = IsUsablePagePath(reply.KIssues);
        out.history = IsUsablePagePath(reply.History);
    } else if (order > 0) {
        out.newer = true;
        out.status = QCoreApplication::translate("UpdateWindow", "Version %1 of %2 is available ")
                         .arg(reply.Version1, reply.Name);
        out.message = QCoreApplication::translate("UpdateWindow", "Click Download to get it") + "\r\n" +
                      QCoreApplication::translate("UpdateWindow",
                                                  "Click History for change info and Known Issues for any problems.") +
                      "\r\n" + reply.Message;
        if (reply.Uninstall == QLatin1String("Yes"))
            out.message += "\r\n" + QCoreApplication::translate("UpdateWindow", "You must uninstall %1 first.").arg(program);
        out.website = IsUsablePagePath(reply.Index);
        out.kissues = IsUsablePagePath(reply.KIssues);
        out.history = IsUsablePagePath(reply.History);
        out.download = IsUsablePagePath(reply.Download);
    } else {
        out.status = QCoreApplication::translate("UpdateWindow", "Unrecognised version of %1").arg(program);
        out.message = QCoreApplication::translate("UpdateWindow", "Contact Hollyoak for assistance.");

    }
    return out;
}

}  // namespace tw
