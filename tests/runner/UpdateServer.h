#pragma once
#include <QPointer>
#include <QTcpServer>
#include <QTcpSocket>
#include <functional>
#include <vector>

namespace tw {

class Program;

// The maker's web site as the scenarios play it: a loopback HTTP server that answers
// the update request as the last `server` command said. It starts down (connections
// refused). Its port is chosen once, so the address the program was given stays
// right while the server goes down and comes up again.
struct UpdateServer {
    enum class Mode { Down, Reply, Error, Silent };
    UpdateServer();
    ~UpdateServer();
    // The site base address handed to the program, ending in "/".
    QString baseUrl() const { return QStringLiteral("http://127.0.0.1:%1/").arg(port); }
    // Reply: status 200 with `body` (Windows-1252 with CR LF); Error: status `code`
    // with an empty body; Silent: takes the request and never answers.
    void set(Mode next, const QByteArray& replyBody = {}, int status = 0);
    // Lets network traffic that has arrived reach the program; called by `wait`
    // before and after every timer tick.
    void deliver(Program& p);

    Mode mode = Mode::Down;
    QByteArray body;
    int code = 0;
    QTcpServer listener;
    quint16 port = 0;
    // Connections that sent their request to a silent server; kept open, unanswered.
    std::vector<QPointer<QTcpSocket>> held;
    std::function<void()> requestHeld;
};

}  // namespace tw
