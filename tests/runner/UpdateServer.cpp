#include "UpdateServer.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>
#include <algorithm>

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
    listener.listen(QHostAddress::LocalHost);
    port = listener.serverPort();
    listener.close();
    QObject::connect(&listener, &QTcpServer::newConnection, [this] {
        while (QTcpSocket* socket = listener.nextPendingConnection()) {
            QObject::connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
            auto request = std::make_shared<QByteArray>();
            QObject::connect(socket, &QTcpSocket::readyRead, socket, [this, socket, request] {
                request->append(socket->readAll());
                if (!request->contains("\r\n\r\n")) return;
                socket->disconnect(socket, &QTcpSocket::readyRead, nullptr, nullptr);
                if (mode == Mode::Silent || mode == Mode::Down) {  // down after accepting: say nothing
                    held.emplace_back(socket);
                    if (requestHeld) requestHeld();
                    return;
                }
                socket->write(mode == Mode::Reply ? Response(200, body) : Response(code, QByteArray()));
                socket->disconnectFromHost();
            });
        }
    });
}

UpdateServer::~UpdateServer() {
    for (const QPointer<QTcpSocket>& socket : held)
        if (socket) socket->abort();
}

void UpdateServer::set(Mode next, const QByteArray& replyBody, int status) {
    mode = next;
    body = replyBody;
    code = status;
    if (mode == Mode::Down)
        listener.close();
    else if (!listener.isListening())
        listener.listen(QHostAddress::LocalHost, port);
}

void UpdateServer::deliver(Program& p) {
    QCoreApplication::processEvents();
    UrlGet& get = p.update->urlGet1;
    const bool holding = std::any_of(held.begin(), held.end(), [](const QPointer<QTcpSocket>& socket) {
        return socket && socket->state() == QAbstractSocket::ConnectedState;
    });
    if (p.ended() || !get.Busy() || holding) return;
    // Wait until the download ends, or a silent server has taken the request.
    QEventLoop loop;
    QTimer::singleShot(kDeliveryLimitMs, &loop, &QEventLoop::quit);
    QObject::connect(&get, &UrlGet::DownloadComplete, &loop, &QEventLoop::quit);
    QObject::connect(&get, &UrlGet::DownloadFailed, &loop, &QEventLoop::quit);
    requestHeld = [&loop] { loop.quit(); };
    loop.exec();
    requestHeld = nullptr;
    QCoreApplication::processEvents();
}

}  // namespace tw
