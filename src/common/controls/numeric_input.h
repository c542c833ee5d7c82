#pragma once
// TNumInp: the entry field of every amount, price, quantity and percentage. Keys are filtered
// as they are typed (numeric_typing.h); leaving the field reads the text, keeps the focus for a
// number out of range or a text that is not a number, and shows an accepted number formatted.

#include <QColor>
#include <QLineEdit>

#include "common/controls/numeric_format.h"
#include "common/controls/numeric_typing.h"

namespace controls {

class TNumInp : public QLineEdit {
    Q_OBJECT
    Q_PROPERTY(double value READ value WRITE setValue NOTIFY valueChanged)

  public:
    // The defaults are the usual amount field: -1e20 to 1e20 enforced, 13 characters with
    // 2 decimals, thousands separated, zero shown empty, right-aligned, Enter moves on, entering
    // selects the text.
    explicit TNumInp(QWidget* parent = nullptr);

    // The accepted number. Typing does not change it; leaving the field (or validateAndLeave)
    // does. Setting it formats the text even when it does not change.
    double value() const { return value_; }
    void setValue(double value);

    double minimum() const { return minimum_; }
    double maximum() const { return maximum_; }
    void setMinimum(double minimum) { minimum_ = minimum; }
    void setMaximum(double maximum) { maximum_ = maximum; }
    void setRange(double minimum, double maximum);
    // Whether leaving enforces the range.
    bool validate() const { return validate_; }
    void setValidate(bool on) { validate_ = on; }

    // Characters the typed text may hold; also the significant digits of the display.
    int digits() const { return limits_.digits; }
    void setDigits(int digits);
    int decimals() const { return limits_.decimals; }
    void setDecimals(int decimals);
    NumericType numericType() const { return type_; }
    void setNumericType(NumericType type);
    bool displayZero() const { return displayZero_; }
    void setDisplayZero(bool on);
    QColor negativeColor() const { return negativeColor_; }
    void setNegativeColor(const QColor& color);
    // How the text is aligned while the field has no focus; with the focus it is left-aligned.
    Qt::Alignment displayAlignment() const { return displayAlignment_; }
    void setDisplayAlignment(Qt::Alignment alignment);
    bool tabOnEnterKey() const { return tabOnEnterKey_; }
    void setTabOnEnterKey(bool on) { tabOnEnterKey_ = on; }
    bool autoSelect() const { return autoSelect_; }
    void setAutoSelect(bool on) { autoSelect_ = on; }

    // The text the current value shows as.
    QString formattedValue() const;

    // The check of leaving, for the field itself and for windows that must accept the typed
    // number before they act on it: reads the text (only signs, digits, "E" and the decimal
    // separator count; nothing means 0). A number within range (or any number while validate()
    // is off) becomes the value and the text is formatted: true. Otherwise the text is selected
    // and false; a text that is not a number is also reported through the message service.
    // The focus is not moved.
    bool validateAndLeave();

    // The report for a text that is not a number.
    static QString invalidInputMessage(const QString& text);

  signals:
    void valueChanged(double value);
    // The focus left the field with an accepted number (after the text was formatted).
    void exited();

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

  private:
    enum class Reading { Accepted, OutOfRange, Unreadable };
    Reading readText(double& number) const;
    void typeKey(QChar key);
    void pasteChecked(const QString& clip);
    void applyState(const EditState& state);
    void refreshText();
    void updateTextColor();
    void returnFocusLater(const QString& message);

    double value_ = 0.0;
    double minimum_ = -1e20;
    double maximum_ = 1e20;
    bool validate_ = true;
    TypingLimits limits_;
    NumericType type_ = NumericType::Number;
    bool displayZero_ = false;
    QColor negativeColor_ = Qt::black;
    Qt::Alignment displayAlignment_ = Qt::AlignRight;
    bool tabOnEnterKey_ = true;
    bool autoSelect_ = true;
    QString entryText_;     // what Esc goes back to
    bool entered_ = false;  // the focus came in and has not left the field since
};

}  // namespace controls
