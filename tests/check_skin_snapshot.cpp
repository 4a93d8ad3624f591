// check_skin_snapshot SHOT PICTURE
// Exits 0 when the saved monitor screen SHOT shows the skin picture PICTURE:
// the band above the first row of controls is the picture's, pixel for pixel.
// Used on installed trees, where a skin that was not found beside the
// program would leave the screen white.
#include <QImage>

#include <cstdio>

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: check_skin_snapshot SHOT PICTURE\n");
        return 2;
    }
    const QImage shot = QImage(QString::fromLocal8Bit(argv[1])).convertToFormat(QImage::Format_RGB32);
    const QImage picture = QImage(QString::fromLocal8Bit(argv[2])).convertToFormat(QImage::Format_RGB32);
    if (shot.isNull() || picture.isNull() || shot.width() < picture.width() || shot.height() < picture.height()) {
        std::fprintf(stderr, "%s: no snapshot of a window as large as %s\n", argv[1], argv[2]);
        return 1;
    }
    // The controls start a few dialog units down; the rows above are the skin's.
    const int band = picture.height() / 40;
    for (int y = 0; y < band; ++y)
        for (int x = 0; x < picture.width(); ++x)
            if (shot.pixel(x, y) != picture.pixel(x, y)) {
                std::fprintf(stderr, "%s: pixel (%d, %d) is not the skin's\n", argv[1], x, y);
                return 1;
            }
    return 0;
}
