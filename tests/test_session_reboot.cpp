// Which way a restart request goes, seen through the device log, with a
// private session bus on which fake session managers take their names, and a
// fake leave command on PATH. Nothing restarts: every request is logged.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <cstdlib>

#include "platform/device.h"

namespace {

QString LastLoggedLine(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    const QStringList lines = QString::fromUtf8(f.readAll()).split(u'\n', Qt::SkipEmptyParts);
    return lines.isEmpty() ? QString() : lines.last();
}

void SetEnv(const char* name, const char* value)
{
    if (value)
        setenv(name, value, 1);
    else
        unsetenv(name);
}

} // namespace

TEST(SessionRebootWay, RestartGoesThroughTheRunningSessionManager)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QProcess bus;
    bus.start(QStringLiteral("dbus-daemon"),
        {QStringLiteral("--session"), QStringLiteral("--nofork"), QStringLiteral("--nopidfile"),
            QStringLiteral("--address=unix:path=") + dir.filePath(QStringLiteral("bus")),
            QStringLiteral("--print-address=1")});
    ASSERT_TRUE(bus.waitForStarted(5000));
    ASSERT_TRUE(bus.waitForReadyRead(5000));
    const QByteArray address = bus.readLine().trimmed();
    // Before the first use of the session bus in this process.
    setenv("DBUS_SESSION_BUS_ADDRESS", address.constData(), 1);
    int argc = 1;
    char name[] = "test_session_reboot";
    char* argv[] = {name, nullptr};
    QCoreApplication app(argc, argv);
    QDBusConnection desktop = QDBusConnection::connectToBus(QString::fromLatin1(address), QStringLiteral("desktop"));
    ASSERT_TRUE(desktop.isConnected());

    const QString log = dir.filePath(QStringLiteral("device.log"));
    setenv("QUILLET_DEVICE_LOG", log.toLocal8Bit().constData(), 1);
    const QString bin = dir.filePath(QStringLiteral("bin"));
    QDir().mkpath(bin);
    QFile leave(bin + QStringLiteral("/lxqt-leave"));
    ASSERT_TRUE(leave.open(QIODevice::WriteOnly));
    leave.write("#!/bin/sh\nexit 0\n");
    leave.close();
    leave.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    const QByteArray oldPath = qgetenv("PATH");
    const QByteArray oldDesktop = qgetenv("XDG_CURRENT_DESKTOP");

    struct Case {
        const char* name;
        const char* desktop;
        QStringList owned; // names the fake managers hold on the bus
        bool leaveOnPath;
        const char* line;
    };
    const Case cases[] = {
        {"GnomeAsksItsSessionManager", "ubuntu:GNOME", {"org.gnome.SessionManager"}, false, "reboot session gnome"},
        {"PlasmaAsksItsLogoutPrompt", "KDE", {"org.kde.LogoutPrompt"}, false, "reboot session kde"},
        {"XfceWithoutTheVariable", nullptr, {"org.xfce.SessionManager"}, false, "reboot session xfce"},
        {"LxqtRunsItsLeaveCommand", "LXQt", {"org.lxqt.session"}, true, "reboot session lxqt"},
        {"NoSessionManagerGoesToLogind", "GNOME", {}, true, "reboot logind"},
    };
    for (const Case& c : cases) {
        SetEnv("XDG_CURRENT_DESKTOP", c.desktop);
        const QByteArray path = c.leaveOnPath ? bin.toLocal8Bit() + ":" + oldPath : oldPath;
        setenv("PATH", path.constData(), 1);
        for (const QString& service : c.owned)
            EXPECT_TRUE(desktop.registerService(service)) << c.name << ": " << service.toStdString();
        EXPECT_TRUE(KernelIoControl(IOCTL_HAL_REBOOT, nullptr, 0, nullptr, 0, nullptr)) << c.name;
        EXPECT_EQ(LastLoggedLine(log), QLatin1String(c.line)) << c.name;
        for (const QString& service : c.owned)
            desktop.unregisterService(service);
    }
    // Suspending loses nothing: it stays with logind whatever the session.
    desktop.registerService(QStringLiteral("org.gnome.SessionManager"));
    keybd_event(VK_OFF, 0, 0, 0);
    EXPECT_EQ(LastLoggedLine(log), QLatin1String("suspend"));

    setenv("PATH", oldPath.constData(), 1);
    SetEnv("XDG_CURRENT_DESKTOP", oldDesktop.isNull() ? nullptr : oldDesktop.constData());
    unsetenv("QUILLET_DEVICE_LOG");
    QDBusConnection::disconnectFromBus(QStringLiteral("desktop"));
    bus.kill();
    bus.waitForFinished(5000);
}
