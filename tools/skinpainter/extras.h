// The command bar's tool-button strip, the application icon and the skin's
// colour file.
#pragma once

#include <QByteArray>
#include <QImage>

QImage PaintToolStrip();
QImage PaintAppIcon();
QByteArray ColourFileText();
