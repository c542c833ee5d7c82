#include "shell/dialogs/progress_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QProgressBar>
#include <QVBoxLayout>

#include <algorithm>

namespace shell {

TProgress::TProgress(const QString& caption, int minimum, int maximum, int step, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::CustomizeWindowHint |
                          Qt::MSWindowsFixedSizeDialogHint),
      step_(step) {
    setObjectName(QStringLiteral("Progress"));
    setWindowTitle(caption);
    setModal(false);

    bar_ = new QProgressBar(this);
    bar_->setObjectName(QStringLiteral("ProgressBar"));
    bar_->setRange(minimum, std::max(minimum, maximum));
    bar_->setValue(minimum);
    bar_->setTextVisible(false);
    bar_->setMinimumWidth(300);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 16, 16, 16);
    layout->addWidget(bar_);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void TProgress::start() {
    show();
    raise();
    repaintNow();
}

void TProgress::stepIt() {
    setPosition(position() + step_);
}

void TProgress::setPosition(int position) {
    bar_->setValue(std::clamp(position, bar_->minimum(), bar_->maximum()));
    repaintNow();
}

int TProgress::position() const {
    return bar_->value();
}
int TProgress::minimum() const {
    return bar_->minimum();
}
int TProgress::maximum() const {
    return bar_->maximum();
}

void TProgress::closeEvent(QCloseEvent* event) {
    // The close box sends a spontaneous event; the operation's own close() does not. The base
    // class would go through reject(), which refuses on purpose.
    if (event->spontaneous())
        event->ignore();
    else
        event->accept();
}

void TProgress::repaintNow() {
    // The operation runs on this thread; let the bar paint, but keep the user's input for later
    // so that nothing else starts in the middle of it.
    if (isVisible())
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

}  // namespace shell
