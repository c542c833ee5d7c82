#pragma once
// The about window: the program's name, version and maker. Without its button it serves as the
// splash window while the program starts.

#include <QDialog>

class QLabel;
class QPushButton;

namespace shell {

class TTytul : public QDialog {
    Q_OBJECT
  public:
    enum class Mode { About, Splash };

    explicit TTytul(Mode mode = Mode::About, QWidget* parent = nullptr);

    // Modal; "Ok", Enter or Esc close it.
    static void showAbout();

  private:
    QLabel* tytul_ = nullptr;
};

// The first-run window shown before the administrator's data are asked for.
class TWitaj : public QDialog {
    Q_OBJECT
  public:
    explicit TWitaj(QWidget* parent = nullptr);

    // Modal; "OK", Enter or Esc close it.
    static void showWelcome();
};

}  // namespace shell
