#pragma once
#include <QByteArray>
#include <QElapsedTimer>
#include <QObject>
#include <QPointer>
#include <QString>

class QNetworkAccessManager;
class QNetworkReply;

namespace tw {

// Downloads one URL in the background and reports progress, completion and failure
// as signals on the owner's thread. Keeps the bytes received, their count and how
// long the last download took.
class UrlGet : public QObject {
    Q_OBJECT
public:
    // The read option that asks the server for a fresh copy instead of a cached one.
    static constexpr int kFreshCopy = 16;
    // Bodies longer than this fail: the caller reads small documents only.
    static constexpr qint64 kDefaultLimit = 64 * 1024;

    explicit UrlGet(QObject* parent = nullptr);
    ~UrlGet() override;

    bool Busy() const { return busy_; }
    QByteArray Bytes() const { return buffer_; }
    int Duration() const { return duration_; }

    // Stops the running download; no event follows for it.
    void DownloadCancel();
    // Starts a download of URL (an empty URL does nothing); a running one is
    // cancelled first. Mode kFreshCopy bypasses every cache.
    void DownloadStart(const QString& URL, int Mode = 0);

    void setLimit(qint64 bytes) { limit_ = bytes; }
    qint64 limit() const { return limit_; }

signals:
    void DownloadComplete(int bytes);
    void DownloadFailed(int number, const QString& description);
    void DownloadProgress(int bytes);

private:
    void received();
    void finished();
    void fail(int number, const QString& description);
    void failTooLarge();
    // Detaches the running reply so that nothing more is heard from it.
    void dropReply();
    void stopClock();

    QNetworkAccessManager* manager_ = nullptr;
    QPointer<QNetworkReply> reply_;
    QByteArray buffer_;
    QElapsedTimer clock_;
    qint64 limit_ = kDefaultLimit;
    int duration_ = 0;
    bool busy_ = false;
};

}  // namespace tw
