// The message service's registry, for building these tests before the program's message windows
// exist. Every test installs a ScriptedMessages; until then messages vanish.
#include "shell/messages.h"

namespace shell {

namespace {

class Unanswered : public Messages {
  public:
    void showMessage(const QString&, const QString&) override {}
    Answer ask(const QString&, const QString&) override { return Answer::Cancel; }
    Answer askCustom(const QString&, const QString&, const QString&, const QString&) override {
        return Answer::Cancel;
    }
};

Messages* installed = nullptr;

}  // namespace

Messages& messages() {
    static Unanswered unanswered;
    return installed ? *installed : unanswered;
}

void setMessages(Messages* service) {
    installed = service;
}

}  // namespace shell
