#pragma once
#include <QPointer>
#include <QTcpServer>
#include <QTcpSocket>
#include <functional>
#include <vector>

namespace tw {

class Program;

// The maker's web site as the scenarios play it: a loopback HTTP server whose answer
// to the update request the scenario chooses. It starts down (connections refused).
// Its port is chosen once, so the address the program was given stays right while
// the server goes down and comes up again.
class UpdateServer {
public:
    UpdateServer();
    ~UpdateServer();

    // The site base address handed to the program, ending in "/".
    QString baseUrl() const { return QStringLiteral("http://127.0.0.1:%1/").arg(port_); }
    // Status 200 with this body (already Windows-1252 with CR LF).
    void reply(const QByteArray& body) { body_ = body; setMode(Mode::Reply); }
    // This HTTP status with an empty body.
    void error(int code) { code_ = code; setMode(Mode::Error); }
    // Accepts the request and never answers.
    void silent() { setMode(Mode::Silent); }
    void down() { setMode(Mode::Down); }

    // Lets network traffic that has arrived reach the program; called by `wait`
    // before and after every timer tick.
    void deliver(Program& p);

private:
    enum class Mode { Down, Reply, Error, Silent };
    void setMode(Mode mode);
    void answer(QTcpSocket* socket);
    bool holdingRequest() const;

    Mode mode_ = Mode::Down;
    QByteArray body_;
    int code_ = 0;
    QTcpServer listener_;
    quint16 port_ = 0;
    // Connections that sent their request to a silent server; kept open, unanswered.
    std::vector<QPointer<QTcpSocket>> held_;
    std::function<void()> requestHeld_;
};

}  // namespace tw
