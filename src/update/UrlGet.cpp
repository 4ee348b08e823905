#include "update/UrlGet.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QUrl>

namespace tw {

UrlGet::UrlGet(QObject* parent) : QObject(parent) {}

UrlGet::~UrlGet() { dropReply(); }

void UrlGet::dropReply() {
    if (!reply_) return;
    QNetworkReply* reply = reply_;
    reply_ = nullptr;
    reply->disconnect(this);
    reply->abort();
    reply->deleteLater();
}

void UrlGet::stopClock() {
    duration_ = clock_.isValid() ? static_cast<int>(qAbs(clock_.elapsed())) : 0;
    clock_.invalidate();
    busy_ = false;
}

void UrlGet::DownloadCancel() {
    dropReply();
    // Nothing is pending any more, so the control is no longer busy.
    busy_ = false;
    clock_.invalidate();
}

void UrlGet::DownloadStart(const QString& URL, int Mode) {
    if (URL.isEmpty()) return;
    if (busy_) DownloadCancel();
    if (!manager_) manager_ = new QNetworkAccessManager(this);

    duration_ = 0;
    buffer_.clear();
    busy_ = true;
    clock_.start();

    QNetworkRequest request{QUrl(URL)};
    if (Mode == kFreshCopy) {
        request.setAttribute(QNetworkRequest::CacheLoadControlAttribute,
                             QNetworkRequest::AlwaysNetwork);
        request.setAttribute(QNetworkRequest::CacheSaveControlAttribute, false);
    }
    reply_ = manager_->get(request);
    connect(reply_, &QNetworkReply::readyRead, this, &UrlGet::received);
    connect(reply_, &QNetworkReply::finished, this, &UrlGet::finished);
}

void UrlGet::received() {
    if (!reply_) return;
    const QVariant announced = reply_->header(QNetworkRequest::ContentLengthHeader);
    if (announced.isValid() && announced.toLongLong() > limit_) return failTooLarge();
    // Never hold more than one byte over the limit, whatever the server sends.
    buffer_.append(reply_->read(limit_ - buffer_.size() + 1));
    if (buffer_.size() > limit_) return failTooLarge();
    emit DownloadProgress(static_cast<int>(buffer_.size()));
}

void UrlGet::fail(int number, const QString& description) {
    dropReply();
    stopClock();
    emit DownloadFailed(number, description);
}

void UrlGet::failTooLarge() {
    buffer_.truncate(limit_);
    fail(QNetworkReply::UnknownContentError,
         QStringLiteral("The reply is larger than %1 bytes").arg(limit_));
}

void UrlGet::finished() {
    if (!reply_) return;
    QNetworkReply* reply = reply_;
    if (reply->error() != QNetworkReply::NoError)
        return fail(reply->error(), reply->errorString());
    const QVariant status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute);
    if (status.isValid() && (status.toInt() < 200 || status.toInt() > 299)) {
        const QString reason =
            reply->attribute(QNetworkRequest::HttpReasonPhraseAttribute).toString();
        return fail(status.toInt(), QStringLiteral("The server replied %1 %2")
                                        .arg(status.toInt())
                                        .arg(reason)
                                        .trimmed());
    }
    buffer_.append(reply->read(limit_ - buffer_.size() + 1));
    if (buffer_.size() > limit_) return failTooLarge();
    reply_ = nullptr;
    reply->disconnect(this);
    reply->deleteLater();
    stopClock();
    emit DownloadComplete(static_cast<int>(buffer_.size()));
}

}  // namespace tw
