#include "platform/single_instance.h"

#include <QLocalServer>
#include <QLocalSocket>

#include <unistd.h>

namespace platform {

SingleInstance::SingleInstance(const QString& name, QObject* parent)
    : QObject(parent), name_(name) {}

SingleInstance::~SingleInstance() = default;

QString SingleInstance::defaultName() {
    return QStringLiteral("rolvanm-%1").arg(static_cast<qulonglong>(getuid()));
}

bool SingleInstance::claim() {
    QLocalSocket probe;
    probe.connectToServer(name_);
    if (probe.waitForConnected(500)) {
        probe.write("show");
        probe.waitForBytesWritten(500);
        probe.disconnectFromServer();
        return false;
    }
    // A socket left behind by a crashed run answers nobody: take it over.
    QLocalServer::removeServer(name_);
    server_ = new QLocalServer(this);
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    if (!server_->listen(name_)) return true;  // cannot listen: still run, as the only one known
    connect(server_, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* s = server_->nextPendingConnection()) {
            connect(s, &QLocalSocket::disconnected, s, &QObject::deleteLater);
            emit activationRequested();
        }
    });
    return true;
}

}  // namespace platform
