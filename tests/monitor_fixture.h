// A running monitor screen in this process, over fixture /sys and /proc
// trees, a private settings hive and a generated skin.
#pragma once

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

#include "app/QuilletApp.h"
#include "fixture_root.h"
#include "framework/frame.h"
#include "gui_helpers.h"
#include "monitor/QuilletView.h"
#include "support/SettingsStore.h"

// Skin picture whose pixel at x, y is RGB(x, y, 77): any copied piece tells
// where it came from.
inline QImage CoordinatePicture(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, qRgb(x & 0xFF, y & 0xFF, 77));
    return image;
}

class MonitorFixture : public testing::Test {
protected:
    MonitorFixture() : m_config("XDG_CONFIG_HOME", m_tree.Path("config")), m_screen("QUILLET_SCREEN", "240x320")
    {
        WriteMeminfo(32768, 12288);
        m_tree.Write("skin/QSet.ini", "MainTextColor = (1,2,3);\nBarLowColor = (250,200,0);\n");
        QDir().mkpath(m_tree.Path("skin"));
        CoordinatePicture(240, 250).save(m_tree.Path("skin/1.png"));
        WriteSkinPathSetting(m_tree.Path("skin").toStdU16String().c_str());
    }

    ~MonitorFixture() override
    {
        if (CWnd* pMain = AfxGetMainWnd())
            pMain->DestroyWindow();
        PumpFor(20);
    }

    void WriteMeminfo(long totalKb, long availableKb)
    {
        m_root.Write("/proc/meminfo",
            QStringLiteral("MemTotal: %1 kB\nMemFree: 1 kB\nMemAvailable: %2 kB\n")
                .arg(totalKb)
                .arg(availableKb)
                .toStdString());
    }

    void AddBattery(const QString& name, const QByteArrayList& files)
    {
        const std::string folder = "/sys/class/power_supply/" + name.toStdString() + "/";
        m_root.Write(folder + "type", "Battery\n");
        for (const QByteArray& file : files) {
            const auto parts = file.split('=');
            m_root.Write(folder + parts[0].toStdString(), parts[1].toStdString() + "\n");
        }
    }

    CQuilletView* Start()
    {
        if (!std::filesystem::exists(m_root.Path("/sys/class/power_supply")))
            std::filesystem::create_directories(m_root.Path("/sys/class/power_supply"));
        EXPECT_TRUE(theApp.InitInstance());
        auto* pFrame = dynamic_cast<CFrameWnd*>(AfxGetMainWnd());
        return pFrame ? dynamic_cast<CQuilletView*>(pFrame->GetActiveView()) : nullptr;
    }

    static void Tap(CWnd& control)
    {
        control.GetParent()->SendMessage(
            WM_COMMAND, MAKEWPARAM(WORD(control.GetDlgCtrlID()), BN_CLICKED), reinterpret_cast<LPARAM>(control.m_hWnd));
    }

    static void Command(UINT nID) { AfxGetMainWnd()->SendMessage(WM_COMMAND, MAKEWPARAM(WORD(nID), 0), 0); }

    FixtureTree m_tree;
    ScopedEnv m_config;
    FixtureRoot m_root;
    ScopedEnv m_screen;
    MessageBoxRecorder m_boxes;
    ModalRecorder m_dialogs;
};
