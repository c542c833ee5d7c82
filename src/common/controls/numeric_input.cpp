#include "common/controls/numeric_input.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QPointer>
#include <QTimer>

#include <algorithm>

#include "common/amounts.h"
#include "common/controls/beep.h"
#include "common/conversion_error.h"
#include "common/formats.h"
#include "shell/messages.h"

namespace controls {
namespace {

// The field that is taking the focus back after a refused leave. Other fields losing the focus
// to it do not check themselves meanwhile, so two refusing fields cannot pull the focus to and
// fro.
QPointer<TNumInp> returningField;

bool leavesWindowOnly(Qt::FocusReason reason) {
    // A message box, a menu or another window takes the focus for a while; the field is not
    // left.
    return reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason;
}

EditState stateOf(const QLineEdit& edit) {
    EditState s;
    s.text = edit.text();
    s.cursor = edit.cursorPosition();
    if (edit.hasSelectedText()) {
        s.selectionStart = edit.selectionStart();
        s.selectionLength = edit.selectionLength();
    }
    return s;
}

}  // namespace

TNumInp::TNumInp(QWidget* parent) : QLineEdit(parent) {
    // Dropped text would bypass the key rules.
    setAcceptDrops(false);
    setAlignment(displayAlignment_ | Qt::AlignVCenter);
    refreshText();
}

QString TNumInp::invalidInputMessage(const QString& text) {
    return QLatin1Char('\'') + text + QStringLiteral("' is no valid numeric input.");
}

void TNumInp::setValue(double value) {
    const bool changed = value != value_;
    value_ = value;
    refreshText();
    updateTextColor();
    if (changed)
        emit valueChanged(value_);
}

void TNumInp::setRange(double minimum, double maximum) {
    minimum_ = minimum;
    maximum_ = maximum;
}

void TNumInp::setDigits(int digits) {
    limits_.digits = std::max(1, digits);
    refreshText();
}

void TNumInp::setDecimals(int decimals) {
    limits_.decimals = std::max(0, decimals);
    refreshText();
}

void TNumInp::setNumericType(NumericType type) {
    type_ = type;
    refreshText();
}

void TNumInp::setDisplayZero(bool on) {
    displayZero_ = on;
    refreshText();
}

void TNumInp::setNegativeColor(const QColor& color) {
    negativeColor_ = color;
    updateTextColor();
}

void TNumInp::setDisplayAlignment(Qt::Alignment alignment) {
    displayAlignment_ = alignment & Qt::AlignHorizontal_Mask;
    if (!hasFocus())
        setAlignment(displayAlignment_ | Qt::AlignVCenter);
}

QString TNumInp::formattedValue() const {
    if (value_ == 0.0 && !displayZero_)
        return QString();
    return formatNumeric(value_, type_, limits_.digits, limits_.decimals);
}

void TNumInp::refreshText() {
    setText(formattedValue());
}

void TNumInp::updateTextColor() {
    const QPalette inherited =
        parentWidget() ? parentWidget()->palette() : QApplication::palette(this);
    QPalette p = palette();
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
        p.setColor(group, QPalette::Text,
                   value_ < 0 ? negativeColor_ : inherited.color(group, QPalette::Text));
    }
    setPalette(p);
}

TNumInp::Reading TNumInp::readText(double& number) const {
    QString kept;
    for (QChar c : text()) {
        if (c == u'+' || c == u'-' || (c >= u'0' && c <= u'9') || c == u'E' || c == u'e' ||
            c == common::kDecimalSeparator)
            kept.append(c);
    }
    if (kept.isEmpty())
        kept = QStringLiteral("0");
    try {
        number = common::textToFloat(kept);
    } catch (const common::ConversionError&) {
        return Reading::Unreadable;
    }
    if (validate_ && (number < minimum_ || number > maximum_))
        return Reading::OutOfRange;
    return Reading::Accepted;
}

bool TNumInp::validateAndLeave() {
    double number = 0.0;
    const QString typed = text();
    switch (readText(number)) {
        case Reading::Accepted:
            setValue(number);
            return true;
        case Reading::OutOfRange:
            selectAll();
            return false;
        case Reading::Unreadable:
            selectAll();
            shell::showMessage(invalidInputMessage(typed));
            return false;
    }
    return false;
}

void TNumInp::applyState(const EditState& state) {
    if (state.text != text()) {
        setText(state.text);
        emit textEdited(state.text);
    }
    if (state.selectionLength > 0)
        setSelection(state.selectionStart, state.selectionLength);
    else
        setCursorPosition(state.cursor);
}

void TNumInp::typeKey(QChar key) {
    if (const auto next = applyKey(stateOf(*this), key, limits_))
        applyState(*next);
    else
        beep();
}

void TNumInp::pasteChecked(const QString& clip) {
    const EditState before = stateOf(*this);
    EditState s = before;
    if (s.selectionLength > 0) {
        s.text.remove(s.selectionStart, s.selectionLength);
        s.cursor = s.selectionStart;
        s.selectionLength = 0;
    }
    s.text.insert(s.cursor, clip);
    s.cursor += static_cast<int>(clip.size());
    s = withoutThousandSeparators(s);

    bool readable = true;
    if (!s.text.isEmpty()) {
        try {
            common::textToFloat(s.text);
        } catch (const common::ConversionError&) {
            readable = false;
        }
    }
    if (!readable || s.text.size() > limits_.digits) {
        // The paste is undone: the text stays as it was.
        applyState(before);
        beep();
        return;
    }
    applyState(s);
}

void TNumInp::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    const Qt::KeyboardModifiers mods =
        event->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier);

    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        if (tabOnEnterKey_) {
            focusNextPrevChild(true);
            event->accept();
            return;
        }
        QLineEdit::keyPressEvent(event);
        return;
    }
    if (key == Qt::Key_Escape) {
        setText(entryText_);
        selectAll();
        event->accept();
        return;
    }
    if ((key == Qt::Key_Up || key == Qt::Key_Down) && mods == Qt::NoModifier) {
        focusNextPrevChild(key == Qt::Key_Down);
        event->accept();
        return;
    }
    if (event->matches(QKeySequence::Paste)) {
        pasteChecked(QGuiApplication::clipboard()->text());
        event->accept();
        return;
    }
    if (event->matches(QKeySequence::Copy) || event->matches(QKeySequence::Cut) ||
        key == Qt::Key_Delete) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    if (key == Qt::Key_Backspace) {
        typeKey(kBackspace);
        event->accept();
        return;
    }

    const QString typed = event->text();
    if (typed.isEmpty()) {
        // Keys that type nothing (caret movement, function keys) keep their usual meaning.
        QLineEdit::keyPressEvent(event);
        return;
    }
    event->accept();
    if ((mods & (Qt::ControlModifier | Qt::AltModifier)) != Qt::NoModifier || typed.size() != 1) {
        beep();
        return;
    }
    const QChar c = typed.at(0);
    // The full stop of the keypad or the main keyboard types the decimal comma.
    typeKey(c == u'.' ? common::kDecimalSeparator : c);
}

void TNumInp::focusInEvent(QFocusEvent* event) {
    QLineEdit::focusInEvent(event);
    // Coming back to the window (or from a menu) with the field still entered is no entry; a
    // window's first field is entered on the window's activation.
    if (entered_ && leavesWindowOnly(event->reason()))
        return;
    entered_ = true;
    setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    if (returningField != this)
        entryText_ = text();
    if (autoSelect_ && event->reason() != Qt::MouseFocusReason)
        selectAll();
    else if (!autoSelect_)
        deselect();
}

void TNumInp::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    if (leavesWindowOnly(event->reason()))
        return;
    entered_ = false;
    setAlignment(displayAlignment_ | Qt::AlignVCenter);
    if (returningField && returningField != this)
        return;

    const QString typed = text();
    double number = 0.0;
    switch (readText(number)) {
        case Reading::Accepted:
            setValue(number);
            emit exited();
            return;
        case Reading::OutOfRange:
            returnFocusLater(QString());
            return;
        case Reading::Unreadable:
            returnFocusLater(invalidInputMessage(typed));
            return;
    }
}

void TNumInp::returnFocusLater(const QString& message) {
    // The focus is already on its way to the next control; it is taken back once that is done,
    // and only then is the message shown, so that its window does not interrupt the change.
    QTimer::singleShot(0, this, [this, message] {
        if (!isVisible() || !isEnabled())
            return;
        returningField = this;
        setFocus(Qt::OtherFocusReason);
        returningField = nullptr;
        selectAll();
        if (!message.isEmpty())
            shell::showMessage(message);
    });
}

void TNumInp::mouseReleaseEvent(QMouseEvent* event) {
    // Pasting the selection with the middle button goes through the same check as Ctrl+V.
    if (event->button() == Qt::MiddleButton && QGuiApplication::clipboard()->supportsSelection()) {
        pasteChecked(QGuiApplication::clipboard()->text(QClipboard::Selection));
        event->accept();
        return;
    }
    QLineEdit::mouseReleaseEvent(event);
}

void TNumInp::contextMenuEvent(QContextMenuEvent* event) {
    QMenu* menu = createStandardContextMenu();
    menu->setAttribute(Qt::WA_DeleteOnClose);
    for (QAction* action : menu->actions()) {
        // The menu's paste is the action wired to QLineEdit::paste; it is rewired to the check.
        // Qt versions wire it either by name or by member pointer.
        const bool byPointer = disconnect(action, &QAction::triggered, this, &QLineEdit::paste);
        const bool byName = disconnect(action, SIGNAL(triggered()), this, SLOT(paste()));
        if (byPointer || byName) {
            connect(action, &QAction::triggered, this,
                    [this] { pasteChecked(QGuiApplication::clipboard()->text()); });
        }
    }
    menu->popup(event->globalPos());
}

}  // namespace controls
