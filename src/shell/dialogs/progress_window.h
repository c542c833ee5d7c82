#pragma once
// The progress window of long operations (backup, restore): shown without blocking, advanced by
// the operation, closed by it. The user cannot close it meanwhile.

#include <QDialog>

class QProgressBar;

namespace shell {

class TProgress : public QDialog {
    Q_OBJECT
  public:
    TProgress(const QString& caption, int minimum, int maximum, int step = 1,
              QWidget* parent = nullptr);

    // Shows the window without blocking and lets it paint.
    void start();
    // Advances the bar by one step, never past the maximum, and lets it paint.
    void stepIt();
    void setPosition(int position);
    int position() const;

    int minimum() const;
    int maximum() const;
    int step() const { return step_; }

  public slots:
    // Esc and the window's close box must not end an operation that cannot be interrupted.
    void reject() override {}

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void repaintNow();

    QProgressBar* bar_ = nullptr;
    int step_ = 1;
};

}  // namespace shell
