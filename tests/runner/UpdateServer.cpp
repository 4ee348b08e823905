#include "UpdateServer.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>

#include "app/Program.h"
#include "app/UpdateWindow.h"

namespace tw {

namespace {

// How long one delivery may wait for the program's download to end. Loopback answers
// take milliseconds; the bound only keeps a broken run from hanging.
constexpr int kDeliveryLimitMs = 2000;

QByteArray Response(int code, const QByteArray& body) {
    static const QMap<int, QByteArray> reasons = {
        {200, "OK"}, {400, "Bad Request"}, {403, "Forbidden"}, {404, "Not Found"},
        {500, "Internal Server Error"}, {502, "Bad Gateway"}, {503, "Service Unavailable"}};
    return "HTTP/1.1 " + QByteArray::number(code) + " " + reasons.value(code, "Status") +
           "\r\nContent-Type: text/xml\r\nContent-Length: " + QByteArray::number(body.size()) +
           "\r\nConnection: close\r\n\r\n" + body;
}

}  // namespace

UpdateServer::UpdateServer() {
    listener_.listen(QHostAddress::LocalHost);
    port_ = listener_.serverPort();
    listener_.close();
    QObject::connect(&listener_, &QTcpServer::newConnection, [this] {
        while (QTcpSocket* socket = listener_.nextPendingConnection()) {
            QObject::connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
            auto request = std::make_shared<QByteArray>();
            QObject::connect(socket, &QTcpSocket::readyRead, socket, [this, socket, request] {
                request->append(socket->readAll());
                if (!request->contains("\r\n\r\n")) return;
                socket->disconnect(socket, &QTcpSocket::readyRead, nullptr, nullptr);
                answer(socket);
            });
        }
    });
}

UpdateServer::~UpdateServer() {
    for (const QPointer<QTcpSocket>& socket : held_)
        if (socket) socket->abort();
}

void UpdateServer::setMode(Mode mode) {
    mode_ = mode;
    if (mode_ == Mode::Down)
        listener_.close();
    else if (!listener_.isListening())
        listener_.listen(QHostAddress::LocalHost, port_);
}

void UpdateServer::answer(QTcpSocket* socket) {
    if (mode_ == Mode::Silent || mode_ == Mode::Down) {  // down after accepting: say nothing
        held_.emplace_back(socket);
        if (requestHeld_) requestHeld_();
        return;
    }
    socket->write(mode_ == Mode::Reply ? Response(200, body_) : Response(code_, QByteArray()));
    socket->disconnectFromHost();
}

bool UpdateServer::holdingRequest() const {
    for (const QPointer<QTcpSocket>& socket : held_)
        if (socket && socket->state() == QAbstractSocket::ConnectedState) return true;
    return false;
}

void UpdateServer::deliver(Program& p) {
    QCoreApplication::processEvents();
    UrlGet& get = p.update->urlGet1;
    if (p.ended() || !get.Busy() || holdingRequest()) return;
    // Wait until the download ends, or a silent server has taken the request.
    QEventLoop loop;
    QTimer::singleShot(kDeliveryLimitMs, &loop, &QEventLoop::quit);
    const auto done = QObject::connect(&get, &UrlGet::DownloadComplete, &loop, &QEventLoop::quit);
    const auto failed = QObject::connect(&get, &UrlGet::DownloadFailed, &loop, &QEventLoop::quit);
    requestHeld_ = [&loop] { loop.quit(); };
    loop.exec();
    requestHeld_ = nullptr;
    QObject::disconnect(done);
    QObject::disconnect(failed);
    QCoreApplication::processEvents();
}

}  // namespace tw
