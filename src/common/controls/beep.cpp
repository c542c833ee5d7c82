#include "common/controls/beep.h"

#include <QApplication>

namespace controls {
namespace {

std::function<void()>& handler() {
    static std::function<void()> h;
    return h;
}

}  // namespace

void beep() {
    if (handler())
        handler()();
    else
        QApplication::beep();
}

void setBeepHandler(std::function<void()> h) {
    handler() = std::move(h);
}

}  // namespace controls
