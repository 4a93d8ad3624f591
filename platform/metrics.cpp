#include "platform/metrics.h"

#include <QGuiApplication>
#include <QRegularExpression>
#include <QScreen>

#include <cstdlib>

namespace {

QSize ScreenSize()
{
    if (const char* forced = std::getenv("QUILLET_SCREEN")) {
        static const QRegularExpression pattern(QStringLiteral("^\\s*(\\d{1,5})\\s*[xX]\\s*(\\d{1,5})\\s*$"));
        const auto match = pattern.match(QString::fromUtf8(forced));
        if (match.hasMatch())
            return QSize(match.captured(1).toInt(), match.captured(2).toInt());
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
