// Each one-tap action: what it asks of the device and what it does to the
// countdown. Requests go to a device log, never to the machine.
#include <optional>

#include "monitor_fixture.h"
#include "platform/device.h"
#include "res/resource.h"

namespace {

class QuickActions : public MonitorFixture {
protected:
    // No session bus: a restart goes to logind unless LXQt's leave command,
    // a fake one on PATH, takes it.
    QuickActions()
        : m_log("QUILLET_DEVICE_LOG", m_tree.Path("device.log")),
          m_bus("DBUS_SESSION_BUS_ADDRESS", "unix:path=" + m_tree.Path("no-bus")),
          m_path("PATH", m_tree.Path("bin") + ":" + qEnvironmentVariable("PATH"))
    {
        m_tree.Write("bin/lxqt-leave", "#!/bin/sh\n");
        QFile(m_tree.Path("bin/lxqt-leave")).setPermissions(QFile::ReadOwner | QFile::ExeOwner);
    }

    QStringList LoggedRequests() const
    {
        QFile f(m_tree.Path("device.log"));
        if (!f.open(QIODevice::ReadOnly))
            return {};
        return QString::fromUtf8(f.readAll()).split(u'\n', Qt::SkipEmptyParts);
    }

    ScopedEnv m_log;
    ScopedEnv m_bus;
    ScopedEnv m_path;
};

constexpr int kEnter = 0; // the box answers with its default button

struct ActionCase {
    const char* name;
    int warning; // "SR_Message"
    const char* desktop;
    int answer; // to the question, when asked
    UINT nID;
    UINT timer; // period afterwards; 0 stopped
    bool closes;
    const char* request; // start of the logged request, or null
    int questions;
};

void PrintTo(const ActionCase& c, std::ostream* os)
{
    *os << c.name;
}

class TimerAndDeviceTable : public QuickActions, public testing::WithParamInterface<ActionCase> { };

TEST_P(TimerAndDeviceTable, CountdownRequestAndQuestion)
{
    const ActionCase& c = GetParam();
    WriteSoftResetWarningSetting(DWORD(c.warning));
    const ScopedEnv desktop("XDG_CURRENT_DESKTOP", QString::fromLatin1(c.desktop));
    std::optional<MessageBoxRecorder> questions;
    std::optional<EnterAnswers> enter;
    if (c.answer != kEnter)
        questions.emplace(c.answer);
    else
        enter.emplace();
    CQuilletView* view = Start();
    ASSERT_NE(view, nullptr);
    view->SendMessage(WM_COMMAND, MAKEWPARAM(WORD(c.nID), BN_CLICKED), 0);
    if (!c.closes) {
        EXPECT_EQ(AfxGetTimerElapse(view->m_hWnd, AUTO_CLOSE_TIMER), c.timer);
    }
    EXPECT_EQ(PumpUntil([] { return AfxGetMainWnd() == nullptr; }, c.closes ? 1000 : 50), c.closes);
    const QStringList requests = LoggedRequests();
    if (c.request) {
        ASSERT_EQ(requests.size(), 1);
        EXPECT_TRUE(requests[0].startsWith(QLatin1String(c.request))) << requests[0].toStdString();
    } else {
        EXPECT_TRUE(requests.isEmpty());
    }
    ASSERT_EQ(questions ? int(questions->boxes.size()) : 0, c.questions);
    if (c.questions) {
        EXPECT_EQ(questions->boxes[0].strText, CString(u"Вы действительно хотите сделать Софт-Ресет?"));
        EXPECT_EQ(questions->boxes[0].strCaption, CString(u"Quillet"));
        EXPECT_EQ(questions->boxes[0].nType, UINT(MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2)) << "No by default";
    }
}

const ActionCase kActionCases[] = {
    {"SoftResetWithoutWarningWhereTheDesktopAsks", 0, "LXQt", IDYES, IDC_SOFT_RESET, 0, false, "reboot session lxqt",
        0},
    {"SoftResetWithoutWarningAskedWhereLogindTakesIt", 0, "GNOME", IDYES, IDC_SOFT_RESET, 0, false, "reboot logind", 1},
    {"SoftResetConfirmed", 1, "LXQt", IDYES, IDC_SOFT_RESET, 0, false, "reboot session lxqt", 1},
    {"SoftResetDeclinedRearmsTwoSeconds", 1, "LXQt", IDNO, IDC_SOFT_RESET, 2000, false, nullptr, 1},
    {"LogindWayDeclinedRearmsTwoSeconds", 0, "GNOME", IDNO, IDC_SOFT_RESET, 2000, false, nullptr, 1},
    {"EnterOnTheQuestionAnswersNo", 1, "GNOME", kEnter, IDC_SOFT_RESET, 2000, false, nullptr, 0},
    {"PowerKeySuspendsAndCloses", 0, "GNOME", IDYES, IDC_POWER_OFF, 0, true, "suspend", 0},
    {"BacklightLeavesTheCountdown", 0, "GNOME", IDYES, IDC_BACKLIGHT, 15000, false, "applet", 0},
    {"ExitCloses", 0, "GNOME", IDYES, IDC_EXIT, 0, true, nullptr, 0},
    {"KeepOpen", 0, "GNOME", IDYES, IDC_ICON_BACKUP, 0, false, nullptr, 0},
    {"IconWithoutAction", 0, "GNOME", IDYES, IDC_ICON_STORAGE, 15000, false, nullptr, 0},
};

INSTANTIATE_TEST_SUITE_P(Actions, TimerAndDeviceTable, testing::ValuesIn(kActionCases),
    [](const testing::TestParamInfo<ActionCase>& info) { return std::string(info.param.name); });

TEST_F(QuickActions, DeclinedResetClosesTwoSecondsLater)
{
    WriteSoftResetWarningSetting(1);
    MessageBoxRecorder questions(IDNO);
    CQuilletView* view = Start();
    ASSERT_NE(view, nullptr);
    Tap(view->m_btnSoftReset);
    EXPECT_TRUE(PumpUntil([] { return AfxGetMainWnd() == nullptr; }, 4000));
    EXPECT_TRUE(LoggedRequests().isEmpty());
}

TEST(BacklightApplet, ChosenByDesktopThenByWhatIsInstalled)
{
    static QStringList installed;
    const auto isInstalled = [](const char* program) { return installed.contains(QLatin1String(program)); };
    struct Case {
        const char* desktop;
        QStringList installed;
        const char* program; // null: none
    };
    const Case cases[] = {
        {"ubuntu:GNOME", {"gnome-control-center", "xfce4-power-manager-settings"}, "gnome-control-center"},
        {"KDE", {"gnome-control-center", "systemsettings"}, "systemsettings"},
        {"xfce", {"xfce4-power-manager-settings"}, "xfce4-power-manager-settings"},
        {"LXQt", {"gnome-control-center"}, "gnome-control-center"}, // its own is missing: the first found
        {nullptr, {"lxqt-config-brightness"}, "lxqt-config-brightness"},
        {"GNOME", {}, nullptr},
    };
    for (const Case& c : cases) {
        installed = c.installed;
        const APPLET_CHOICE* applet = FindBacklightApplet(c.desktop, isInstalled);
        EXPECT_STREQ(applet ? applet->program : nullptr, c.program) << (c.desktop ? c.desktop : "none");
    }
}

TEST(SessionReboot, ChosenByDesktopThenByWhatAnswers)
{
    static QStringList answering, installed;
    const auto answers = [](const char* service) { return answering.contains(QLatin1String(service)); };
    const auto isInstalled = [](const char* program) { return installed.contains(QLatin1String(program)); };
    struct Case {
        const char* name;
        const char* desktop;
        QStringList answering;
        QStringList installed;
        const char* way; // null: logind
    };
    const Case cases[] = {
        {"GnomeSession", "ubuntu:GNOME", {"org.gnome.SessionManager"}, {}, "gnome"},
        {"PlasmaPrompt", "KDE", {"org.kde.LogoutPrompt", "org.kde.ksmserver"}, {}, "kde"},
        {"OldPlasmaServer", "KDE", {"org.kde.ksmserver"}, {}, "kde"},
        {"Xfce", "XFCE", {"org.xfce.SessionManager"}, {}, "xfce"},
        {"MateUnderGnomeName", "MATE", {"org.gnome.SessionManager"}, {}, "mate"},
        {"Cinnamon", "X-Cinnamon", {"org.cinnamon.SessionManager"}, {}, "cinnamon"},
        {"LxqtCommand", "LXQt", {}, {"lxqt-leave"}, "lxqt"},
        {"LxqtCommandOutsideLxqtIgnored", "GNOME", {}, {"lxqt-leave"}, nullptr},
        {"NoDesktopVariableButAManagerAnswers", nullptr, {"org.xfce.SessionManager"}, {}, "xfce"},
        {"DesktopWithoutItsManagerTakesTheOneRunning", "GNOME", {"org.cinnamon.SessionManager"}, {}, "cinnamon"},
        {"NoSessionManagerMeansLogind", "GNOME", {}, {"gnome-control-center"}, nullptr},
    };
    for (const Case& c : cases) {
        answering = c.answering;
        installed = c.installed;
        const SESSION_REBOOT* way = FindSessionReboot(c.desktop, answers, isInstalled);
        EXPECT_STREQ(way ? way->name : nullptr, c.way) << c.name;
    }
}

} // namespace
