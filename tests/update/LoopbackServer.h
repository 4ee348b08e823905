#pragma once
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QHostAddress>
#include <QTcpServer>
#include <QTcpSocket>
#include <functional>

namespace tw::testing_loopback {

// Network signals need an application object and its event loop.
inline void EnsureApplication() {
    static int argc = 1;
    static char name[] = "core_tests";
    static char* argv[] = {name, nullptr};
    if (!QCoreApplication::instance()) new QCoreApplication(argc, argv);
}

// Runs the event loop until the condition holds or the time is up.
inline bool RunUntil(const std::function<bool()>& done, int ms = 3000) {
    QElapsedTimer clock;
    clock.start();
    while (!done()) {
        if (clock.elapsed() > ms) return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    }
    return true;
}

inline void RunFor(int ms) {
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < ms) QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
}

// A tiny HTTP server on 127.0.0.1 for one test: answers every request with the
// status and body it is given, or stays silent.
class LoopbackServer {
public:
    LoopbackServer() {
        EnsureApplication();
        server_.listen(QHostAddress::LocalHost);
        QObject::connect(&server_, &QTcpServer::newConnection, [this] { accept(); });
    }

    QString baseUrl() const {
        return QStringLiteral("http://127.0.0.1:%1/").arg(server_.serverPort());
    }

    int status = 200;
    QByteArray body;
    bool silent = false;
    bool announceLength = true;  // without it the end of the connection ends the body
    QByteArray lastRequest;      // request line and headers of the last request
    int requests = 0;

private:
    void accept() {
        while (QTcpSocket* socket = server_.nextPendingConnection()) {
            QObject::connect(socket, &QTcpSocket::readyRead, socket, [this, socket] {
                pending_ += socket->readAll();
                if (!pending_.contains("\r\n\r\n")) return;
                lastRequest = pending_.left(pending_.indexOf("\r\n\r\n"));
                pending_.clear();
                ++requests;
                if (silent) return;
                QByteArray head = "HTTP/1.1 " + QByteArray::number(status) + " Status\r\n";
                if (announceLength)
                    head += "Content-Length: " + QByteArray::number(body.size()) + "\r\n";
                head += "Connection: close\r\n\r\n";
                socket->write(head + body);
                socket->disconnectFromHost();
            });
            QObject::connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
        }
    }

    QTcpServer server_;
    QByteArray pending_;
};

// A port on which nothing listens: connections to it are refused.
inline QString RefusingBaseUrl() {
    EnsureApplication();
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost);
    const quint16 port = probe.serverPort();
    probe.close();
    return QStringLiteral("http://127.0.0.1:%1/").arg(port);
}

}  // namespace tw::testing_loopback
