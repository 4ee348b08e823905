// The update reply parser: any reply text, and page paths it lets through stay
// below the site base.
#include <QUrl>

#include <cstdint>
#include <cstdlib>

#include "update/UpdateProtocol.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
    const tw::UpdateReply reply = tw::ParseUpdateReply(text);
    if (reply.missing < 0 || reply.missing > 9) std::abort();
    tw::CompareUpdateReply(reply, "3", "0");
    const QUrl base("https://www.example.org/");
    for (const QString& path : {reply.Download, reply.History, reply.KIssues, reply.Index,
                                reply.Uninstall, text}) {
        if (!tw::IsSafePagePath(path)) continue;
        const QUrl page = base.resolved(QUrl(path));
        if (page.scheme() != base.scheme() || page.host() != base.host() ||
            !page.path().startsWith(base.path()) || page.path().contains(".."))
            std::abort();
    }
    return 0;
}
