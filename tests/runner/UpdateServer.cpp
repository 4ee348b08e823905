#include "UpdateServer.h"

#include <QCoreApplication>

namespace tw {

// Until the loopback server exists the site only remembers what it was told; its
// address is a port that refuses connections, as a site that is down.
struct UpdateServer::Impl {
    enum class Mode { Down, Reply, Error, Silent } mode = Mode::Down;
    QByteArray body;
    int code = 0;
};

UpdateServer::UpdateServer() : impl_(std::make_unique<Impl>()) {}
UpdateServer::~UpdateServer() = default;

QString UpdateServer::baseUrl() const { return QStringLiteral("http://127.0.0.1:9/"); }

void UpdateServer::reply(const QByteArray& body) {
    impl_->mode = Impl::Mode::Reply;
    impl_->body = body;
}

void UpdateServer::error(int code) {
    impl_->mode = Impl::Mode::Error;
    impl_->code = code;
}

void UpdateServer::silent() { impl_->mode = Impl::Mode::Silent; }
void UpdateServer::down() { impl_->mode = Impl::Mode::Down; }

void DeliverNetwork(Program&, UpdateServer&) { QCoreApplication::processEvents(); }

}  // namespace tw
