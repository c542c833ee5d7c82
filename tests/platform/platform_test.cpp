#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QTemporaryDir>

#include "platform/codepage.h"
#include "platform/machine_settings.h"
#include "platform/program_folder.h"
#include "platform/single_instance.h"

using platform::chooseProgramFolder;

TEST(ProgramFolder, CommandLineThenEnvironmentThenHome) {
    const QStringList args{"rolvanm", "jan", "--root", "/tmp/x", "haslo"};
    auto c = chooseProgramFolder(args, "/env/home", "/home/u");
    EXPECT_EQ(c.folder, "/tmp/x");
    EXPECT_EQ(c.remainingArguments, QStringList({"jan", "haslo"}));
    EXPECT_EQ(chooseProgramFolder({"rolvanm", "--root=/a/b/"}, "", "/home/u").folder, "/a/b");
    EXPECT_EQ(chooseProgramFolder({"rolvanm"}, "/env/home", "/home/u").folder, "/env/home");
    EXPECT_EQ(chooseProgramFolder({"rolvanm"}, "", "/home/u").folder, "/home/u/.local/share/rolvanm");
}

TEST(MachineSettings, ValuesSurviveAndAbsentOnesReadEmpty) {
    QTemporaryDir dir;
    {
        platform::MachineSettings s(dir.path());
        EXPECT_EQ(s.readValue(u"PytajKtóraFirma"_qs), QString());
        s.writeValue(u"PytajKtóraFirma"_qs, "Nie");
        s.writeValue("Firma", "ABC");
    }
    platform::MachineSettings again(dir.path());
    EXPECT_EQ(again.readValue(u"PytajKtóraFirma"_qs), "Nie");
    EXPECT_EQ(again.readValue("Firma"), "ABC");
}

TEST(CodePage, TextsOutsideTheCodePageBecomeQuestionMarks) {
    EXPECT_EQ(platform::limitToCp1250(u"Zażółć gęślą jaźń €"_qs), u"Zażółć gęślą jaźń €"_qs);
    EXPECT_EQ(platform::limitToCp1250(u"a中b😀c"_qs), "a?b?c");
    EXPECT_EQ(platform::toCp1250(u"Łódź"_qs), QByteArray("\xA3\xF3" "d\x9F"));
    EXPECT_EQ(platform::fromCp1250(QByteArray("\xA3\xF3" "d\x9F")), u"Łódź"_qs);
}

TEST(SingleInstance, SecondClaimIsRefusedAndActivatesTheFirst) {
    int argc = 0;
    QCoreApplication app(argc, nullptr);
    const QString name = QStringLiteral("rolvanm-test-%1").arg(QCoreApplication::applicationPid());
    platform::SingleInstance first(name);
    ASSERT_TRUE(first.claim());
    int activations = 0;
    QObject::connect(&first, &platform::SingleInstance::activationRequested, [&] { ++activations; });
    platform::SingleInstance second(name);
    EXPECT_FALSE(second.claim());
    for (int i = 0; i < 50 && activations == 0; ++i) QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    EXPECT_EQ(activations, 1);
}
