// The command bar's tool-button strip and the skin's colour file.
#pragma once

#include <QByteArray>
#include <QImage>

QImage PaintToolStrip();
QByteArray ColourFileText();
