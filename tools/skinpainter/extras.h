// The command bar's tool-button strip, the task list's icon, the folder
// tree's pictures and the skin's colour file.
#pragma once

#include <QByteArray>
#include <QImage>

QImage PaintToolStrip();
QImage PaintTaskIcon();
QImage PaintFolderIcon();
QImage PaintCheckStates();
QByteArray ColourFileText();
