#include <gtest/gtest.h>

#include <QStringList>

#include "shell/mainwindow/error_handler.h"

TEST(ErrorHandler, KnownErrorsGetTheirOwnMessages) {
    EXPECT_EQ(shell::reactionToError("Invalid input value.  Use escape key").message,
              u"Wpisz poprawną wartość lub wciśnij Esc w celu anulowania zmian."_qs);
    EXPECT_TRUE(shell::reactionToError("There is no default printer currently selected")
                    .message.startsWith(u"Program nie może drukować"_qs));
    EXPECT_TRUE(shell::reactionToError("Cannot focus a disabled window").message.isEmpty());

    const auto general = shell::reactionToError("'1a' is not a valid integer value");
    EXPECT_FALSE(general.endProgram);
    const QStringList lines = general.message.split('\r');
    ASSERT_EQ(lines.size(), 5);
    EXPECT_EQ(lines[0], u"W czasie działania programu wystąpił następujący błąd:"_qs);
    EXPECT_EQ(lines[1], "'1a' is not a valid integer value");
    EXPECT_TRUE(lines[3].contains(shell::kSupportAddress));
}
