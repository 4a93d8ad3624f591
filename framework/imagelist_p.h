// Inside of the framework: what icons and image lists hold, for the
// controls that show them. Not for the program.
#pragma once

#include <QIcon>
#include <QImage>

#include <vector>

#include "framework/imagelist.h"

struct HICON__ {
    QImage image;
};

struct _IMAGELIST {
    int cx;
    int cy;
    std::vector<QImage> images;
};

// Image i of the list as the toolkit's icon; an empty icon when there is none.
QIcon AfxImageListIcon(HIMAGELIST himl, int i);
