#include "framework/snapshot.h"

#include <QDir>
#include <QPixmap>
#include <QTimer>

#include <cstdio>
#include <cstdlib>

#include "framework/hwnd_p.h"

namespace {
constexpr char kScreenProperty[] = "afxSnapshotScreen";
}

void AfxRegisterSnapshot(CWnd* pWnd, int nScreen)
{
    const char* dir = std::getenv("QUILLET_SNAPSHOT");
    QWidget* widget = pWnd ? AfxWidget(pWnd->m_hWnd) : nullptr;
    if (!dir || !*dir || !widget)
        return;
    // Kept on the widget until its first paint ends.
    widget->setProperty(kScreenProperty, nScreen);
}

void AfxSaveSnapshotIfDue(QWidget* widget)
{
    const char* dir = std::getenv("QUILLET_SNAPSHOT");
    if (!dir || !*dir)
        return;
    const int nScreen = widget->property(kScreenProperty).toInt();
    if (!nScreen)
        return;
    widget->setProperty(kScreenProperty, QVariant());
    const QString path = QDir(QString::fromLocal8Bit(dir)).absoluteFilePath(QStringLiteral("%1.png").arg(nScreen));
    QWidget* window = widget->window();
    // Reported once the whole window has been painted, the widgets painted
    // after this one included; grabbing paints the window again.
    QTimer::singleShot(0, window, [window, path, nScreen] {
        std::printf("painted: %d\n", nScreen);
        std::fflush(stdout);
        QDir().mkpath(QFileInfo(path).absolutePath());
        if (window->grab().save(path, "PNG"))
            std::printf("snapshot: %s\n", path.toLocal8Bit().constData());
        else
            std::fprintf(stderr, "snapshot: cannot write %s\n", path.toLocal8Bit().constData());
        std::fflush(stdout);
    });
}
