#include "common/controls/numeric_input.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QMenu>
#include <QTest>
#include <QVBoxLayout>

#include <gtest/gtest.h>

#include "qstring_printer.h"

#include "common/controls/beep.h"
#include "shell/messages.h"

namespace controls {
namespace {

QString q(const char16_t* s) {
    return QString::fromUtf16(s);
}

// Types the characters one key at a time; "\b" is the backspace key.
void typeKeys(QWidget* widget, const QString& keys) {
    for (QChar c : keys) {
        if (c == u'\b')
            QTest::keyClick(widget, Qt::Key_Backspace);
        else
            QTest::keyClick(widget, c.toLatin1());
    }
}

class NumInpTest : public ::testing::Test {
  protected:
    void SetUp() override {
        setBeepHandler([this] { ++beeps; });
    }
    void TearDown() override { setBeepHandler({}); }

    int beeps = 0;
    shell::ScriptedMessages messages;
};

TEST_F(NumInpTest, TypingRules) {
    constexpr int kEnd = -1;
    const struct {
        const char* name;
        int digits;
        int decimals;
        const char16_t* initial;
        int cursor;  // kEnd: after the text
        int selectionStart;
        int selectionLength;
        const char16_t* keys;
        const char16_t* expected;
        int expectedCursor;  // kEnd: after the text
        int expectedBeeps;
    } cases[] = {
        {"eleventh digit becomes the separator", 13, 2, u"", kEnd, 0, 0, u"12345678901",
         u"1234567890,", kEnd, 0},
        {"at most Decimals after the separator", 13, 2, u"", kEnd, 0, 0, u"12345678901234",
         u"1234567890,23", kEnd, 1},
        {"full stop types the comma", 13, 2, u"", kEnd, 0, 0, u"1.5", u"1,5", kEnd, 0},
        {"minus only first", 13, 2, u"", kEnd, 0, 0, u"-1-", u"-1", kEnd, 1},
        {"minus only once", 13, 2, u"", kEnd, 0, 0, u"--1", u"-1", kEnd, 1},
        {"minus put in front later", 13, 2, u"25", 0, 0, 0, u"-", u"-25", 1, 0},
        {"nothing in front of the minus", 13, 2, u"-5", 0, 0, 0, u"3,", u"-5", 0, 2},
        {"one separator", 13, 2, u"", kEnd, 0, 0, u"1,2.3", u"1,23", kEnd, 1},
        {"no separator without decimals", 3, 0, u"", kEnd, 0, 0, u"1,5.00", u"150", kEnd, 3},
        {"whole part takes all digits without decimals", 13, 0, u"", kEnd, 0, 0, u"12345678901234",
         u"1234567890123", kEnd, 1},
        {"other characters refused", 13, 2, u"", kEnd, 0, 0, u"1a +e2", u"12", kEnd, 4},
        {"short whole part", 6, 4, u"", kEnd, 0, 0, u"12345678", u"1,3456", kEnd, 2},
        {"minus counts in the whole part", 13, 2, u"1234567890", 0, 0, 0, u"-", u"1234567890", 0,
         1},
        {"no digit into a full whole part", 13, 2, u"1234567890,5", 3, 0, 0, u"7", u"1234567890,5",
         3, 1},
        {"no second separator from a digit", 13, 2, u"1234567890,5", 10, 0, 0, u"7",
         u"1234567890,5", 10, 1},
        {"separator refused before too many digits", 13, 2, u"12345", 1, 0, 0, u",", u"12345", 1,
         1},
        {"separator before two digits", 13, 2, u"12345", 3, 0, 0, u",", u"123,45", 4, 0},
        {"thousands separators removed while typing", 13, 2, u"1 234,50", 5, 0, 0, u"6",
         u"12346,50", 5, 0},
        {"backspace among thousands separators", 13, 2, u"1 234 567,00", 6, 0, 0, u"\b",
         u"123567,00", 3, 0},
        {"selection replaced by the key", 13, 2, u"123,45", kEnd, 1, 2, u"9", u"19,45", 2, 0},
        {"whole text replaced", 13, 2, u"1 234,50", kEnd, 0, 8, u"7", u"7", kEnd, 0},
        {"refused key keeps the selection's text", 13, 2, u"123,45", kEnd, 1, 1, u"a", u"123,45", 2,
         1},
        {"backspace removes only the selection", 13, 2, u"123,45", kEnd, 2, 3, u"\b", u"125", 2, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TNumInp field;
        field.setDigits(c.digits);
        field.setDecimals(c.decimals);
        field.setText(q(c.initial));
        if (c.selectionLength > 0)
            field.setSelection(c.selectionStart, c.selectionLength);
        else
            field.setCursorPosition(c.cursor == kEnd ? static_cast<int>(field.text().size())
                                                     : c.cursor);
        beeps = 0;
        typeKeys(&field, q(c.keys));
        EXPECT_EQ(field.text(), q(c.expected));
        EXPECT_EQ(field.cursorPosition(),
                  c.expectedCursor == kEnd ? field.text().size() : c.expectedCursor);
        EXPECT_EQ(beeps, c.expectedBeeps);
        // Typing alone never changes the value.
        EXPECT_EQ(field.value(), 0.0);
    }
}

TEST_F(NumInpTest, PasteKeepsOnlyNumbersThatFit) {
    const struct {
        const char16_t* initial;
        const char16_t* clip;
        const char16_t* expected;
        int expectedBeeps;
    } cases[] = {
        {u"12", u"3 456", u"123456", 0},
        {u"12", u"abc", u"12", 1},
        {u"12", u"1.5", u"12", 1},
        {u"", u"-1E5", u"-1E5", 0},
        {u"", u"12345678901234", u"", 1},
        {u"1 234", u",5", u"1234,5", 0},
        {u"5", u"-", u"5", 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(q(c.clip).toStdString());
        TNumInp field;
        field.setText(q(c.initial));
        field.setCursorPosition(static_cast<int>(field.text().size()));
        QGuiApplication::clipboard()->setText(q(c.clip));
        beeps = 0;
        QTest::keyClick(&field, Qt::Key_V, Qt::ControlModifier);
        EXPECT_EQ(field.text(), q(c.expected));
        EXPECT_EQ(beeps, c.expectedBeeps);
    }
}

TEST_F(NumInpTest, PasteFromTheContextMenuIsCheckedToo) {
    TNumInp field;
    field.setText(QStringLiteral("12"));
    QGuiApplication::clipboard()->setText(QStringLiteral("abc"));
    QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(2, 2), QPoint(2, 2));
    QApplication::sendEvent(&field, &event);
    auto* menu = field.findChild<QMenu*>();
    ASSERT_NE(menu, nullptr);
    QAction* paste = nullptr;
    for (QAction* action : menu->actions())
        if (action->text().startsWith(QLatin1String("&Paste")))
            paste = action;
    ASSERT_NE(paste, nullptr);
    paste->trigger();
    menu->close();
    EXPECT_EQ(field.text(), QStringLiteral("12"));
    EXPECT_EQ(beeps, 1);
}

TEST_F(NumInpTest, CopyAndCutWorkAsUsual) {
    TNumInp field;
    field.setText(QStringLiteral("123,45"));
    field.setSelection(0, 3);
    QTest::keyClick(&field, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("123"));
    field.setSelection(4, 2);
    QTest::keyClick(&field, Qt::Key_X, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("45"));
    EXPECT_EQ(field.text(), QStringLiteral("123,"));
    EXPECT_EQ(beeps, 0);
}

TEST_F(NumInpTest, DisplayOfTheValue) {
    TNumInp field;
    EXPECT_EQ(field.text(), QString()) << "zero shows empty";
    field.setValue(1234.5);
    EXPECT_EQ(field.text(), QStringLiteral("1 234,50"));
    field.setNumericType(NumericType::Fixed);
    field.setDecimals(1);
    EXPECT_EQ(field.text(), QStringLiteral("1234,5"));

    field.setValue(0);
    EXPECT_EQ(field.text(), QString());
    field.setDisplayZero(true);
    EXPECT_EQ(field.text(), QStringLiteral("0,0"));
}

TEST_F(NumInpTest, NegativeValuesTakeTheirColour) {
    QWidget window;
    auto* field = new TNumInp(&window);
    const QColor normal = field->palette().color(QPalette::Active, QPalette::Text);
    field->setNegativeColor(Qt::red);
    field->setValue(-5);
    EXPECT_EQ(field->text(), QStringLiteral("-5,00"));
    EXPECT_EQ(field->palette().color(QPalette::Active, QPalette::Text), QColor(Qt::red));
    EXPECT_EQ(field->palette().color(QPalette::Inactive, QPalette::Text), QColor(Qt::red));
    field->setValue(5);
    EXPECT_EQ(field->palette().color(QPalette::Active, QPalette::Text), normal);
}

TEST_F(NumInpTest, LeavingReadsTheText) {
    const struct {
        const char* name;
        double minimum;
        double maximum;
        bool validate;
        int decimals;
        const char16_t* text;
        bool accepted;
        double value;           // when accepted
        const char16_t* shown;  // when accepted
        bool reported;          // when refused: the message was shown
    } cases[] = {
        {"thousands separators", -1e20, 1e20, true, 2, u"1 234,5", true, 1234.5, u"1 234,50",
         false},
        {"empty is zero", -1e20, 1e20, true, 2, u"", true, 0, u"", false},
        {"exponent", -1e20, 1e20, true, 2, u"1E3", true, 1000, u"1 000,00", false},
        {"plus sign", -1e20, 1e20, true, 2, u"+7", true, 7, u"7,00", false},
        {"negative", -1e20, 1e20, true, 2, u"-0,5", true, -0.5, u"-0,50", false},
        {"within range", 1, 150, true, 0, u"150", true, 150, u"150", false},
        {"below range", 1, 150, true, 0, u"0", false, 0, u"", false},
        {"above range", 1, 150, true, 0, u"151", false, 0, u"", false},
        {"range not enforced", 1, 150, false, 0, u"0", true, 0, u"", false},
        {"minus alone", -1e20, 1e20, true, 2, u"-", false, 0, u"", true},
        {"minus inside", -1e20, 1e20, true, 2, u"1-2", false, 0, u"", true},
        {"separator alone", -1e20, 1e20, true, 2, u",", false, 0, u"", true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TNumInp field;
        field.setRange(c.minimum, c.maximum);
        field.setValidate(c.validate);
        field.setDecimals(c.decimals);
        field.setValue(3);
        field.setText(q(c.text));
        messages.shown.clear();

        EXPECT_EQ(field.validateAndLeave(), c.accepted);
        if (c.accepted) {
            EXPECT_EQ(field.value(), c.value);
            EXPECT_EQ(field.text(), q(c.shown));
            EXPECT_TRUE(messages.shown.isEmpty());
        } else {
            EXPECT_EQ(field.value(), 3.0);
            EXPECT_EQ(field.text(), q(c.text));
            EXPECT_EQ(field.selectedText(), q(c.text));
            if (c.reported) {
                EXPECT_EQ(messages.texts(),
                          QStringList{QLatin1Char('\'') + q(c.text) +
                                      QStringLiteral("' is no valid numeric input.")});
            } else {
                EXPECT_TRUE(messages.shown.isEmpty());
            }
        }
    }
}

// Two fields in a window, the way the program's windows use them.
class NumInpFocusTest : public NumInpTest {
  protected:
    void SetUp() override {
        NumInpTest::SetUp();
        auto* layout = new QVBoxLayout(&window);
        percent = new TNumInp(&window);
        percent->setRange(1, 150);
        percent->setDigits(3);
        percent->setDecimals(0);
        amount = new TNumInp(&window);
        layout->addWidget(percent);
        layout->addWidget(amount);
        percent->setValue(100);
        // The first field is entered when the window comes up.
        window.show();
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
        ASSERT_TRUE(QTest::qWaitFor([this] { return percent->hasFocus(); }));
    }

    // Lets the focus changes and the deferred return of the focus happen.
    static void settle() {
        for (int i = 0; i < 5; ++i)
            QApplication::processEvents();
    }

    QWidget window;
    TNumInp* percent = nullptr;
    TNumInp* amount = nullptr;
};

TEST_F(NumInpFocusTest, OutOfRangeKeepsTheFocusWithoutMessage) {
    typeKeys(percent, QStringLiteral("0"));
    QTest::keyClick(percent, Qt::Key_Return);
    settle();
    EXPECT_TRUE(percent->hasFocus());
    EXPECT_EQ(percent->selectedText(), QStringLiteral("0"));
    EXPECT_EQ(percent->value(), 100.0);
    EXPECT_TRUE(messages.shown.isEmpty());
    // Taking the focus back is no new entry: Esc still goes back to the text from before.
    QTest::keyClick(percent, Qt::Key_Escape);
    EXPECT_EQ(percent->text(), QStringLiteral("100"));

    // The selection is typed over; an accepted number lets the focus go and is formatted.
    int exits = 0;
    QObject::connect(percent, &TNumInp::exited, [&exits] { ++exits; });
    typeKeys(percent, QStringLiteral("15"));
    QTest::keyClick(percent, Qt::Key_Return);
    settle();
    EXPECT_TRUE(amount->hasFocus());
    EXPECT_EQ(percent->value(), 15.0);
    EXPECT_EQ(percent->text(), QStringLiteral("15"));
    EXPECT_EQ(exits, 1);
}

TEST_F(NumInpFocusTest, UnreadableTextIsReportedAndKeepsTheFocus) {
    amount->setFocus(Qt::TabFocusReason);
    settle();
    typeKeys(amount, QStringLiteral("-"));
    QTest::keyClick(amount, Qt::Key_Tab);
    settle();
    EXPECT_TRUE(amount->hasFocus());
    EXPECT_EQ(messages.texts(), QStringList{QStringLiteral("'-' is no valid numeric input.")});
    EXPECT_EQ(amount->selectedText(), QStringLiteral("-"));
}

TEST_F(NumInpFocusTest, ArrowsMoveBetweenFields) {
    QTest::keyClick(percent, Qt::Key_Down);
    settle();
    EXPECT_TRUE(amount->hasFocus());
    QTest::keyClick(amount, Qt::Key_Up);
    settle();
    EXPECT_TRUE(percent->hasFocus());
}

TEST_F(NumInpFocusTest, EnterWithoutTabOnEnterStays) {
    percent->setTabOnEnterKey(false);
    QTest::keyClick(percent, Qt::Key_Return);
    settle();
    EXPECT_TRUE(percent->hasFocus());
}

TEST_F(NumInpFocusTest, EscapeGoesBackToTheTextOnEntry) {
    EXPECT_EQ(percent->selectedText(), QStringLiteral("100")) << "entering selects the text";
    typeKeys(percent, QStringLiteral("7"));
    EXPECT_EQ(percent->text(), QStringLiteral("7"));
    QTest::keyClick(percent, Qt::Key_Escape);
    EXPECT_EQ(percent->text(), QStringLiteral("100"));
    EXPECT_EQ(percent->selectedText(), QStringLiteral("100"));
}

TEST_F(NumInpFocusTest, AutoSelectOffLeavesTheCaret) {
    amount->setAutoSelect(false);
    amount->setValue(12);
    amount->setFocus(Qt::TabFocusReason);
    settle();
    ASSERT_TRUE(amount->hasFocus());
    EXPECT_FALSE(amount->hasSelectedText());
}

TEST_F(NumInpFocusTest, AlignedOnlyWithoutFocus) {
    EXPECT_EQ(percent->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignLeft);
    EXPECT_EQ(amount->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignRight);
    amount->setDisplayAlignment(Qt::AlignHCenter);
    EXPECT_EQ(amount->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
    amount->setFocus(Qt::TabFocusReason);
    settle();
    EXPECT_EQ(amount->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignLeft);
    EXPECT_EQ(percent->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignRight);
}

}  // namespace
}  // namespace controls
