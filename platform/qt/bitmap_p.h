// Inside of a bitmap handle; shared by the picture loader and the framework's
// device contexts. Not for the program.
#pragma once

#include <QImage>

struct HBITMAP__ {
    QImage image;
};
