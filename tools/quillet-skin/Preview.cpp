#include "tools/quillet-skin/Preview.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <QWidget>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <map>

#include "app/QuilletApp.h"
#include "browser/FolderBrowserDlg.h"
#include "framework/dialog.h"
#include "framework/frame.h"
#include "framework/hwnd_p.h"
#include "framework/msgbox.h"
#include "memory/MemoryDlg.h"
#include "monitor/QuilletView.h"
#include "platform/text.h"
#include "res/resource.h"
#include "settings/SettingsDlg.h"
#include "skin/SkinAboutDlg.h"
#include "support/SettingsStore.h"

namespace {

constexpr ULONGLONG kGiB = 1024ull * 1024 * 1024;
constexpr int kMargin = 12;
constexpr int kGap = 12;
constexpr int kLabelHeight = 22;
const QColor kSheetColour(0xEE, 0xF1, 0xF5);
const QColor kLabelColour(0x1E, 0x25, 0x30);

void WriteFile(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes);
}

// The example machine: one battery at 57 %, half of 8 GiB of memory free,
// three volumes and a few programs.
void WriteExampleMachine(const QString& root)
{
    const QString battery = root + "/sys/class/power_supply/BAT0/";
    WriteFile(battery + "type", "Battery\n");
    WriteFile(battery + "capacity", "57\n");
    WriteFile(battery + "status", "Discharging\n");
    WriteFile(root + "/proc/meminfo", "MemTotal: 8388608 kB\nMemFree: 1048576 kB\nMemAvailable: 4194304 kB\n");
    WriteFile(root + "/proc/self/mountinfo",
        "26 1 8:2 / / rw - ext4 /dev/sda2 rw\n"
        "40 26 8:17 / /media/user/SD\\040card rw - vfat /dev/sdb1 rw\n"
        "41 26 8:33 / /mnt/backup rw - ext4 /dev/sdc1 rw\n");
    const char* programs[] = {"systemd", "Xorg", "bash", "firefox", "pipewire", "thunderbird", "nm-applet", "quillet"};
    int pid = 1;
    for (const char* name : programs) {
        WriteFile(root + QStringLiteral("/proc/%1/stat").arg(pid),
            QStringLiteral("%1 (%2) S 1 1 1 0 -1 4194560 0 0 0 0 0 0 0 0 20 0 1 0 77 1 1\n")
                .arg(pid)
                .arg(name)
                .toUtf8());
        WriteFile(root + QStringLiteral("/proc/%1/cmdline").arg(pid), QByteArray(name));
        pid += 97;
    }
}

QImage Grab(HWND hWnd)
{
    return AfxWidget(hWnd)->window()->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

// Half of each volume used, whatever this machine's disks hold.
void ShowExampleVolumes(CMemoryDlg& dlg)
{
    const ULONGLONG totals[] = {64 * kGiB, 16 * kGiB, 512 * kGiB};
    dlg.m_arrVolumeFigures.RemoveAll();
    for (const ULONGLONG total : totals) {
        dlg.m_arrVolumeFigures.Add(total / 2);
        dlg.m_arrVolumeFigures.Add(total);
    }
    dlg.UpdateVolumeText1();
    dlg.UpdateVolumeText2();
    dlg.UpdateVolumeText3();
    dlg.UpdateVolumeBars();
}

void Command(CWnd* pView, UINT nID, WORD nCode = 0)
{
    pView->SendMessage(WM_COMMAND, MAKEWPARAM(WORD(nID), nCode), 0);
}

// The five windows at one screen size, by screen number.
std::map<int, QImage> RenderScreens(const CString& strShownFolder)
{
    std::map<int, QImage> shots;
    if (!theApp.InitInstance())
        return shots;
    auto* pFrame = dynamic_cast<CFrameWnd*>(AfxGetMainWnd());
    auto* pView = pFrame ? dynamic_cast<CQuilletView*>(pFrame->GetActiveView()) : nullptr;
    if (!pView)
        return shots;
    pView->KillTimer(AUTO_CLOSE_TIMER);
    // Storage half used, whatever this machine's disk holds.
    const ULONGLONG memoryAvailable = pView->m_arrFigures[0], memoryTotal = pView->m_arrFigures[1];
    pView->m_arrFigures.RemoveAll();
    for (const ULONGLONG figure : {memoryAvailable, memoryTotal, 32 * kGiB, 64 * kGiB})
        pView->m_arrFigures.Add(figure);
    pView->UpdateBars();
    pView->UpdateStorageText();
    QCoreApplication::processEvents();
    shots[1] = Grab(pFrame->m_hWnd);

    const AFX_MODAL_HOOK previous = AfxSetModalHook([&shots, &strShownFolder](CDialog* pDlg) {
        int nScreen = 0;
        if (auto* pMemory = dynamic_cast<CMemoryDlg*>(pDlg)) {
            ShowExampleVolumes(*pMemory);
            nScreen = 2;
        } else if (dynamic_cast<CSkinAboutDlg*>(pDlg)) {
            nScreen = 3;
        } else if (auto* pSettings = dynamic_cast<CSettingsDlg*>(pDlg)) {
            // The folder browser opens from here, on the folder shown, and is taken in its turn.
            if (!strShownFolder.IsEmpty()) {
                pSettings->m_strSkinFolder = strShownFolder;
                pDlg->GetDlgItem(IDC_SKIN_FOLDER)->SetWindowText(strShownFolder);
            }
            Command(pDlg, IDC_BROWSE, BN_CLICKED);
            nScreen = 4;
        } else if (dynamic_cast<CFolderBrowserDlg*>(pDlg)) {
            nScreen = 5;
        }
        QCoreApplication::processEvents();
        if (nScreen)
            shots[nScreen] = Grab(pDlg->m_hWnd);
        pDlg->EndDialog(IDCANCEL);
    });
    Command(pView, IDC_MEMORY_DIALOG, BN_CLICKED);
    Command(pView, ID_ABOUT_MENU);
    Command(pView, ID_SETTINGS_MENU);
    AfxSetModalHook(previous);
    pFrame->DestroyWindow();
    QCoreApplication::processEvents();
    return shots;
}

} // namespace

bool RenderPreview(const std::string& folder, const std::string& shownFolder, const std::vector<ScreenSize>& sizes,
    const std::string& outPath, std::vector<PreviewCell>& cells, std::string& error)
{
    QTemporaryDir scratch;
    if (!scratch.isValid()) {
        error = "cannot make a temporary folder";
        return false;
    }
    WriteExampleMachine(scratch.filePath("root"));
    ::setenv("QUILLET_ROOT", QFile::encodeName(scratch.filePath("root")).constData(), 1);
    ::setenv("XDG_CONFIG_HOME", QFile::encodeName(scratch.filePath("config")).constData(), 1);
    ::setenv("QUILLET_DEVICE_LOG", QFile::encodeName(scratch.filePath("device.log")).constData(), 1);
    ::unsetenv("QUILLET_SNAPSHOT");
    // The folder's own bytes: a name that is not UTF-8 still finds its pictures.
    const std::u16string absolute = FileNameToUtf16(std::filesystem::absolute(folder).lexically_normal().string());
    if (!WriteSkinPathSetting(absolute.c_str())) {
        error = "cannot write the example settings";
        return false;
    }
    // A picture that cannot be loaded says so on standard error, as in the program.
    const AFX_MESSAGEBOX_HOOK previousBox = AfxSetMessageBoxHook([](const AFX_MESSAGEBOX& box) {
        std::fprintf(stderr, "quillet-skin: the program says \"%s\": %s\n", Utf16ToUtf8(box.strCaption.str()).c_str(),
            Utf16ToUtf8(box.strText.str()).c_str());
        return IDOK;
    });

    std::vector<std::map<int, QImage>> rows;
    for (const ScreenSize& size : sizes) {
        UseScreenSize(size);
        rows.push_back(RenderScreens(QString::fromStdString(shownFolder).toStdU16String().c_str()));
    }
    AfxSetMessageBoxHook(previousBox);

    // Lay the rows out, each cell under its label.
    cells.clear();
    int width = 0, y = kMargin;
    for (size_t r = 0; r < rows.size(); ++r) {
        int x = kMargin, rowHeight = 0;
        for (const SkinScreen& screen : kSkinScreens) {
            const QImage& shot = rows[r][screen.number];
            if (shot.isNull()) {
                error = std::string("the ") + screen.name + " window did not open at " + sizes[r].Text();
                return false;
            }
            cells.push_back({&screen, sizes[r], x, y + kLabelHeight, shot.width(), shot.height()});
            x += shot.width() + kGap;
            rowHeight = std::max(rowHeight, kLabelHeight + shot.height());
        }
        width = std::max(width, x - kGap + kMargin);
        y += rowHeight + kGap;
    }
    QImage sheet(width, y - kGap + kMargin, QImage::Format_RGB32);
    sheet.fill(kSheetColour);
    QPainter painter(&sheet);
    QFont font = painter.font();
    font.setPixelSize(13);
    painter.setFont(font);
    painter.setPen(kLabelColour);
    for (size_t i = 0; i < cells.size(); ++i) {
        const PreviewCell& cell = cells[i];
        const QImage& shot = rows[i / std::size(kSkinScreens)][cell.screen->number];
        painter.drawImage(cell.x, cell.y, shot);
        const QString label = QStringLiteral("%1 %2 (%3)")
                                  .arg(cell.screen->number)
                                  .arg(QString::fromUtf8(cell.screen->name))
                                  .arg(QString::fromStdString(cell.size.Text()));
        painter.drawText(QRect(cell.x, cell.y - kLabelHeight, cell.width, kLabelHeight - 4),
            Qt::AlignLeft | Qt::AlignBottom, painter.fontMetrics().elidedText(label, Qt::ElideRight, cell.width));
    }
    painter.end();
    if (!sheet.save(QString::fromStdString(outPath), "PNG")) {
        error = "cannot write " + outPath;
        return false;
    }
    return true;
}
