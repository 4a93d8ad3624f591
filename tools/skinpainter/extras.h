// The command bar's tool-button strip, the task list's icon and the skin's
// colour file.
#pragma once

#include <QByteArray>
#include <QImage>

QImage PaintToolStrip();
QImage PaintTaskIcon();
QByteArray ColourFileText();
