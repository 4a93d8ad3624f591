// The application icon: pictures at the sizes desktops ask for and the same
// drawing as SVG, for the hicolor theme.
#pragma once

#include <QByteArray>
#include <QImage>

inline constexpr int kIconSizes[] = {16, 22, 24, 32, 48, 64, 128, 256};

QImage PaintAppIcon(int size);
QByteArray AppIconSvg();
