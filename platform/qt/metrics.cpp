#include "platform/metrics.h"

#include <QGuiApplication>
#include <QScreen>

#include <cstdio>
#include <cstdlib>

namespace {

QSize ScreenSize()
{
    if (const char* forced = std::getenv("QUILLET_SCREEN")) {
        int width = 0, height = 0;
        char rest = 0;
        if (std::sscanf(forced, "%5dx%5d%c", &width, &height, &rest) == 2 && width > 0 && height > 0)
            return QSize(width, height);
    }
    if (qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        if (const QScreen* screen = QGuiApplication::primaryScreen())
            return screen->size();
    return QSize(0, 0);
}

} // namespace

int GetSystemMetrics(int nIndex)
{
    switch (nIndex) {
    case SM_CXSCREEN:
        return ScreenSize().width();
    case SM_CYSCREEN:
        return ScreenSize().height();
    default:
        return 0;
    }
}
