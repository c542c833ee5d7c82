#pragma once
// The small input dialog: a prompt with either a text field or a drop-down list, used to choose
// a company and to name a new one.

#include <QDialog>
#include <QStringList>

#include <optional>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace shell {

class TInput : public QDialog {
    Q_OBJECT
  public:
    static constexpr int kMaxTextLength = 25;

    explicit TInput(QWidget* parent = nullptr);

    void setPrompt(const QString& prompt);
    // Shows the text field, limited to `maxLength` characters (at most 25; zero or less means 25).
    void useText(int maxLength, const QString& initial = {});
    // Shows the drop-down list with `preselectIndex` chosen (the first entry when out of range).
    void useChoice(const QStringList& items, int preselectIndex = 0);

    // The text typed or the entry chosen.
    QString value() const;

    // Modal; the value for "&Ok" or Enter, nothing for "&Anuluj", Esc or closing the window.
    static std::optional<QString> askText(const QString& caption, const QString& prompt,
                                          int maxLength, const QString& initial = {});
    // As askText; an empty list shows nothing and gives nothing.
    static std::optional<QString> askChoice(const QString& caption, const QString& prompt,
                                            const QStringList& items, int preselectIndex = 0);

  private:
    QLabel* napis_ = nullptr;
    QLineEdit* edit_ = nullptr;
    QComboBox* combo_ = nullptr;
    QPushButton* ok_ = nullptr;
    QPushButton* cancel_ = nullptr;
    bool choice_ = false;
};

}  // namespace shell
