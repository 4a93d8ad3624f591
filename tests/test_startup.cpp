// The program as a user starts it: it shows the monitor screen, saves its
// picture when asked, and closes itself when the delay ends.
#include <QElapsedTimer>
#include <QProcess>

#include <gtest/gtest.h>

#include "gui_helpers.h"
#include "support/SettingsStore.h"

namespace {

TEST(Startup, ShowsTheScreenSavesItAndClosesByItself)
{
    FixtureTree tree;
    ScopedEnv config("XDG_CONFIG_HOME", tree.Path("config"));
    WritePauseSetting(2);

    QProcess quillet;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    env.insert("QUILLET_SCREEN", "240x320");
    env.insert("QUILLET_SNAPSHOT", tree.Path("shots"));
    quillet.setProcessEnvironment(env);
    QElapsedTimer clock;
    clock.start();
    quillet.start(QStringLiteral(QUILLET_BIN_DIR "/quillet"), {});
    ASSERT_TRUE(quillet.waitForFinished(15000));
    EXPECT_EQ(quillet.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(quillet.exitCode(), 0);
    EXPECT_GE(clock.elapsed(), 1900);
    EXPECT_TRUE(quillet.readAllStandardOutput().contains("snapshot: "));

    const QImage shot(tree.Path("shots/1.png"));
    ASSERT_FALSE(shot.isNull());
    // The form is 236 × 244 pixels on this screen; the command bar is below it.
    EXPECT_EQ(shot.width(), 236);
    EXPECT_GT(shot.height(), 244);
    // The default skin was found beside the program: no plain fill where it draws.
    EXPECT_NE(PixelAt(shot, 20, 20), AFX_NO_PICTURE_COLOUR);
}

// The toolkit's buttons speak the program's language, not the locale's: a
// locale without a catalog of the program's gets English buttons too.
TEST(Startup, BoxesNobodyCanAnswerAreSavedPrintedAndAnsweredInTheProgramsLanguage)
{
    FixtureTree tree;
    ScopedEnv config("XDG_CONFIG_HOME", tree.Path("config"));
    WritePauseSetting(2);
    QDir().mkpath(tree.Path("emptyskin"));
    WriteSkinPathSetting(tree.Path("emptyskin").toStdU16String().c_str());

    QProcess quillet;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    env.insert("QUILLET_SCREEN", "240x320");
    env.insert("QUILLET_SNAPSHOT", tree.Path("shots"));
    env.insert("LC_ALL", "es_ES.UTF-8"); // the toolkit has Spanish words, the program none
    env.insert("LANGUAGE", "es");
    quillet.setProcessEnvironment(env);
    quillet.start(QStringLiteral(QUILLET_BIN_DIR "/quillet"), {});
    ASSERT_TRUE(quillet.waitForFinished(15000)) << "a box waited for an answer";
    EXPECT_EQ(quillet.exitCode(), 0);
    const QString err = QString::fromUtf8(quillet.readAllStandardError());
    EXPECT_TRUE(err.contains(QStringLiteral("message box \"Error\": Can't load the picture"))) << err.toStdString();
    EXPECT_TRUE(err.contains(tree.Path("emptyskin/1.png") + QStringLiteral(": missing"))) << err.toStdString();
    EXPECT_TRUE(quillet.readAllStandardOutput().contains("snapshot: "));
    const QImage box(tree.Path("shots/messagebox-1.png"));
    EXPECT_FALSE(box.isNull());
    EXPECT_FALSE(QImage(tree.Path("shots/1.png")).isNull());

    EXPECT_TRUE(err.contains(QStringLiteral("answered OK"))) << err.toStdString();
}

} // namespace
