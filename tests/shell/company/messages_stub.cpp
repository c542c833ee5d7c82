// The message service as the tests need it: whatever a test installed, else a silent one.

#include "shell/messages.h"

namespace shell {
namespace {

class Silent : public Messages {
  public:
    void showMessage(const QString&, const QString&) override {}
    Answer ask(const QString&, const QString&) override { return Answer::Ok; }
    Answer askCustom(const QString&, const QString&, const QString&, const QString&) override {
        return Answer::Ok;
    }
};

Messages* installed = nullptr;

}  // namespace

Messages& messages() {
    static Silent silent;
    return installed ? *installed : silent;
}

void setMessages(Messages* service) {
    installed = service;
}

}  // namespace shell
