// quillet-skinpainter REPO          draws the default skin, the command-bar
//                                   strip and the icons into the source tree
// quillet-skinpainter --check REPO  compares them with what it would draw
#include <QDir>
#include <QFile>
#include <QGuiApplication>

#include <cstdio>
#include <cstring>
#include <vector>

#include "extras.h"
#include "icon.h"
#include "layout.h"
#include "screens.h"

namespace {

struct Output {
    QString path; // relative to the repository
    QImage image; // null for the colour file
    QByteArray text;
};

std::vector<Output> DrawAll()
{
    std::vector<Output> out;
    for (const Screen& screen : kScreens) {
        for (bool vga : {false, true}) {
            Sheet sheet(screen.templateId, vga);
            const QString name = QString::number(screen.number) + (vga ? "_VGA" : "");
            out.push_back({"skins/Default/" + name + ".png", PaintScreen(screen, sheet), {}});
        }
    }
    out.push_back({"skins/Default/QSet.ini", {}, ColourFileText()});
    out.push_back({"res/bitmap/128.png", PaintToolStrip(), {}});
    out.push_back({"res/icon/171.png", PaintTaskIcon(), {}});
    out.push_back({"res/bitmap/168.png", PaintCheckStates(), {}});
    out.push_back({"res/icon/170.png", PaintFolderIcon(), {}});
    out.push_back({"res/icon/quillet.png", PaintAppIcon(64), {}});
    for (int size : kIconSizes) {
        const QString name = QString::number(size);
        out.push_back({"dist/icons/hicolor/" + name + "x" + name + "/apps/quillet.png", PaintAppIcon(size), {}});
    }
    out.push_back({"dist/icons/hicolor/scalable/apps/quillet.svg", {}, AppIconSvg()});
    return out;
}

bool Write(const QDir& repo, const Output& o)
{
    const QString path = repo.filePath(o.path);
    QDir().mkpath(QFileInfo(path).path());
    if (!o.image.isNull())
        return o.image.save(path, "PNG");
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(o.text) == o.text.size();
}

// Pictures must match in size; their pixels may differ by a few levels,
// which another Qt's antialiasing can cause, but by no more.
bool Matches(const QDir& repo, const Output& o)
{
    const QString path = repo.filePath(o.path);
    if (o.image.isNull()) {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) && f.readAll() == o.text;
    }
    const QImage have = QImage(path).convertToFormat(QImage::Format_ARGB32);
    const QImage want = o.image.convertToFormat(QImage::Format_ARGB32);
    if (have.size() != want.size())
        return false;
    for (int y = 0; y < want.height(); ++y) {
        const auto* a = reinterpret_cast<const uchar*>(have.constScanLine(y));
        const auto* b = reinterpret_cast<const uchar*>(want.constScanLine(y));
        for (int i = 0; i < want.width() * 4; ++i)
            if (std::abs(a[i] - b[i]) > 12)
                return false;
    }
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    const bool check = argc == 3 && std::strcmp(argv[1], "--check") == 0;
    if (argc != 2 && !check) {
        std::fprintf(stderr, "usage: quillet-skinpainter [--check] REPOSITORY\n");
        return 2;
    }
    QGuiApplication app(argc, argv);
    const QDir repo(QString::fromLocal8Bit(argv[argc - 1]));
    int failures = 0;
    for (const Output& o : DrawAll()) {
        const bool ok = check ? Matches(repo, o) : Write(repo, o);
        if (!ok) {
            std::fprintf(stderr, "%s: %s\n", qPrintable(o.path), check ? "differs" : "cannot write");
            ++failures;
        }
    }
    return failures ? 1 : 0;
}
