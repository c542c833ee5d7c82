#include "shell/messages.h"

#include "shell/dialogs/message_window.h"

namespace shell {

namespace {

Messages* installed = nullptr;

}  // namespace

Messages& messages() {
    static WindowedMessages windowed;
    return installed ? *installed : windowed;
}

void setMessages(Messages* service) {
    installed = service;
}

}  // namespace shell
