#include "UpdateServer.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QHostAddress>
#include <QPointer>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>
#include <functional>
#include <vector>

#include "app/Program.h"
#include "app/UpdateWindow.h"

namespace tw {

namespace {

// How long one delivery may wait for the program's download to end. Loopback answers
// take milliseconds; the bound only keeps a broken run from hanging.
constexpr int kDeliveryLimitMs = 2000;

QByteArray ReasonPhrase(int code) {
    switch (code) {
    case 200: return "OK";
    case 400: return "Bad Request";
    case 403: return "Forbidden";
    case 404: return "Not Found";
    case 500: return "Internal Server Error";
    case 502: return "Bad Gateway";
    case 503: return "Service Unavailable";
    default: return "Status";
    }
}

QByteArray Response(int code, const QByteArray& body) {
    return "HTTP/1.1 " + QByteArray::number(code) + " " + ReasonPhrase(code) +
           "\r\nContent-Type: text/xml\r\nContent-Length: " + QByteArray::number(body.size()) +
           "\r\nConnection: close\r\n\r\n" + body;
}

}  // namespace

// A loopback HTTP server on 127.0.0.1 that answers every request as the last
// `server` command said. Its port is chosen once, so the address the program was
// given stays right while the server goes down and comes up again.
struct UpdateServer::Impl {
    enum class Mode { Down, Reply, Error, Silent };

    Mode mode = Mode::Down;
    QByteArray body;
    int code = 0;
    QTcpServer listener;
    quint16 port = 0;
    // Connections that sent their request to a silent server; kept open, unanswered.
    std::vector<QPointer<QTcpSocket>> held;
    std::function<void()> requestHeld;

    Impl() {
        listener.listen(QHostAddress::LocalHost);
        port = listener.serverPort();
        listener.close();
        QObject::connect(&listener, &QTcpServer::newConnection, [this] { accept(); });
    }

    ~Impl() {
        for (const QPointer<QTcpSocket>& socket : held)
            if (socket) socket->abort();
    }

    void setMode(Mode next) {
        mode = next;
        if (mode == Mode::Down) {
            listener.close();
        } else if (!listener.isListening()) {
            listener.listen(QHostAddress::LocalHost, port);
        }
    }

    bool holdingRequest() const {
        for (const QPointer<QTcpSocket>& socket : held)
            if (socket && socket->state() == QAbstractSocket::ConnectedState) return true;
        return false;
    }

    void accept() {
        while (QTcpSocket* socket = listener.nextPendingConnection()) {
            QObject::connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
            auto request = std::make_shared<QByteArray>();
            QObject::connect(socket, &QTcpSocket::readyRead, socket, [this, socket, request] {
                request->append(socket->readAll());
                if (!request->contains("\r\n\r\n")) return;
                socket->disconnect(socket, &QTcpSocket::readyRead, nullptr, nullptr);
                answer(socket);
            });
        }
    }

    void answer(QTcpSocket* socket) {
        switch (mode) {
        case Mode::Reply: socket->write(Response(200, body)); break;
        case Mode::Error: socket->write(Response(code, QByteArray())); break;
        case Mode::Silent:
        case Mode::Down:  // went down after the connection was accepted: say nothing
            held.emplace_back(socket);
            if (requestHeld) requestHeld();
            return;
        }
        socket->disconnectFromHost();
    }
};

UpdateServer::UpdateServer() : impl_(std::make_unique<Impl>()) {}
UpdateServer::~UpdateServer() = default;

QString UpdateServer::baseUrl() const {
    return QStringLiteral("http://127.0.0.1:%1/").arg(impl_->port);
}

void UpdateServer::reply(const QByteArray& body) {
    impl_->body = body;
    impl_->setMode(Impl::Mode::Reply);
}

void UpdateServer::error(int code) {
    impl_->code = code;
    impl_->setMode(Impl::Mode::Error);
}

void UpdateServer::silent() { impl_->setMode(Impl::Mode::Silent); }
void UpdateServer::down() { impl_->setMode(Impl::Mode::Down); }

void DeliverNetwork(Program& p, UpdateServer& server) {
    QCoreApplication::processEvents();
    UrlGet& get = p.update->urlGet1;
    UpdateServer::Impl& site = *server.impl_;
    if (p.ended() || !get.Busy() || site.holdingRequest()) return;

    // Wait until the download ends, or a silent server has taken the request.
    QEventLoop loop;
    QTimer limit;
    limit.setSingleShot(true);
    QObject::connect(&limit, &QTimer::timeout, &loop, &QEventLoop::quit);
    const QMetaObject::Connection done =
        QObject::connect(&get, &UrlGet::DownloadComplete, &loop, &QEventLoop::quit);
    const QMetaObject::Connection failed =
        QObject::connect(&get, &UrlGet::DownloadFailed, &loop, &QEventLoop::quit);
    site.requestHeld = [&loop] { loop.quit(); };
    limit.start(kDeliveryLimitMs);
    loop.exec();
    site.requestHeld = nullptr;
    QObject::disconnect(done);
    QObject::disconnect(failed);
    QCoreApplication::processEvents();
}

}  // namespace tw
