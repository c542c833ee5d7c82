// The switch between message services, for test programs built without the dialogs library.
// Nothing here opens a window: a test that shows a message must install ScriptedMessages.
#include "shell/messages.h"

#include <cstdio>

namespace shell {
namespace {

class UnscriptedMessages : public Messages {
  public:
    void showMessage(const QString& text, const QString&) override { report(text); }
    Answer ask(const QString& text, const QString&) override {
        report(text);
        return Answer::Cancel;
    }
    Answer askCustom(const QString& text, const QString&, const QString&, const QString&) override {
        report(text);
        return Answer::Cancel;
    }

  private:
    static void report(const QString& text) {
        std::fprintf(stderr, "unscripted message: %s\n", qPrintable(text));
    }
};

Messages* installed = nullptr;

}  // namespace

Messages& messages() {
    static UnscriptedMessages fallback;
    return installed ? *installed : fallback;
}

void setMessages(Messages* service) {
    installed = service;
}

}  // namespace shell
