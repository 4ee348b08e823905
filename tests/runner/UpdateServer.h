#pragma once
#include <QByteArray>
#include <QString>
#include <memory>

namespace tw {

class Program;

// The maker's web site as the scenarios play it: a loopback server whose answer to
// the update request the scenario chooses. It starts down (connections refused).
class UpdateServer {
public:
    UpdateServer();
    ~UpdateServer();
    UpdateServer(const UpdateServer&) = delete;
    UpdateServer& operator=(const UpdateServer&) = delete;

    // The site base address handed to the program, ending in "/".
    QString baseUrl() const;
    // Status 200 with this body (already Windows-1252 with CR LF).
    void reply(const QByteArray& body);
    // This HTTP status with an empty body.
    void error(int code);
    // Accepts the request and never answers.
    void silent();
    // Refuses connections.
    void down();

    struct Impl;

private:
    friend void DeliverNetwork(Program& p, UpdateServer& server);
    std::unique_ptr<Impl> impl_;
};

// Lets network traffic that has arrived reach the program; called by `wait` before
// and after every timer tick.
void DeliverNetwork(Program& p, UpdateServer& server);

}  // namespace tw
