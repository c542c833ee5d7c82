#pragma once
// One running program per machine and user: the first instance listens on a local socket; a
// later start tells it to come to the front and ends.

#include <QObject>
#include <QString>

class QLocalServer;

namespace platform {

class SingleInstance : public QObject {
    Q_OBJECT
public:
    explicit SingleInstance(const QString& name = defaultName(), QObject* parent = nullptr);
    ~SingleInstance() override;

    // True when this process is the only instance; false when another one answered (it has
    // then been asked to come to the front).
    bool claim();

    static QString defaultName();

signals:
    // Another start asked this instance to show itself.
    void activationRequested();

private:
    QString name_;
    QLocalServer* server_ = nullptr;
};

}  // namespace platform
