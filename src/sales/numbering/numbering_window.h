#pragma once
// TOpcjeNum, "Numeracja i liczba drukowanych kopii dokumentów": the template, next number and
// number of printed copies of every document kind, and the numbering mode. Created once and
// kept; loadNumberingOptions fills it after a company is opened. Document editors take a kind's
// template from its box (templateOf).

#include <QDialog>
#include <QMap>

#include "common/controls/numeric_input.h"
#include "sales/numbering/numbering_options.h"

class QComboBox;
class QLabel;
class QPushButton;
class QRadioButton;

namespace shell {
class UserSession;
}
namespace shell::company {
class CompanyData;
}

namespace sales {

// A box of a whole number: only digits, backspace and Enter are typed; left empty it becomes
// `emptyValue`.
class DigitsInput : public controls::TNumInp {
    Q_OBJECT

  public:
    DigitsInput(int maxDigits, qint64 emptyValue, QWidget* parent = nullptr);
    qint64 number() const;
    void setNumber(qint64 number);

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

  private:
    qint64 emptyValue_;
};

class TOpcjeNum : public QDialog {
    Q_OBJECT

  public:
    TOpcjeNum(shell::company::CompanyData& company, shell::UserSession& users,
              QWidget* parent = nullptr);

    // Fills every box from the settings store, first writing "1" for each missing counter and
    // copies entry; enables "Ok" for users with the right to change options.
    void loadNumberingOptions();
    // Templates and mode buttons from the store: of one counter, or of all for 0.
    void showTemplates(int index = 0);
    // "Ok": checks and writes everything in one transaction; true when saved (the window then
    // closes). On a refusal or a failure nothing is changed and the window stays open.
    bool saveNumberingOptions();

    // The template a new document of the counter is numbered with.
    QString templateOf(int index) const;
    // What the boxes hold now.
    NumberingOptions options() const;

    QComboBox* templateBox(int index) const { return rows_.value(index).templateBox; }
    QLabel* exampleLabel(int index) const { return rows_.value(index).example; }
    DigitsInput* nextNumberBox(int index) const { return rows_.value(index).next; }
    DigitsInput* copiesBox(int index) const { return rows_.value(index).copies; }
    QRadioButton* modeButton(NumberingMode mode) const;
    QPushButton* onesButton() const { return ones_; }
    QPushButton* okButton() const { return ok_; }

    inline static const QString kMonthSymbolMissing = QStringLiteral(
        "Jeden lub więcej wzorców numerów nie zawiera symbolu miesiąca - &.\rSymbol jest "
        "konieczny, gdyż wymaga tego wybrany sposób numeracji - \rod 1 w każdym miesiącu.");

  private:
    struct Row {
        QComboBox* templateBox = nullptr;
        QLabel* example = nullptr;
        DigitsInput* next = nullptr;
        DigitsInput* copies = nullptr;
    };

    void updateExample(int index);
    void setMode(NumberingMode mode);
    NumberingMode mode() const;
    void putOnesEverywhere();

    shell::company::CompanyData& company_;
    shell::UserSession& users_;
    QMap<int, Row> rows_;
    QRadioButton* yearly_ = nullptr;
    QRadioButton* continuation_ = nullptr;
    QRadioButton* monthly_ = nullptr;
    QPushButton* ones_ = nullptr;
    QPushButton* ok_ = nullptr;
};

// The title the example label puts before a number of the counter, as of `today`.
QString exampleTitle(int index, const QDate& today);

}  // namespace sales
