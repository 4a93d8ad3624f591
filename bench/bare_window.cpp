// The toolkit's floor: a bare window of the monitor screen's size showing the
// default skin's main picture, chosen by size as Quillet chooses it, and one
// line of bold text. It reports when its whole window has been painted, and
// saves its picture then when QUILLET_SNAPSHOT names a folder, as Quillet does.
#include <QApplication>
#include <QDir>
#include <QPainter>
#include <QPixmap>
#include <QTimer>
#include <QWidget>

#include <cstdio>
#include <cstdlib>

namespace {

class BareWindow : public QWidget {
public:
    explicit BareWindow(bool vga)
        : m_picture(
              QCoreApplication::applicationDirPath() + (vga ? "/Skins/Default/1_VGA.png" : "/Skins/Default/1.png"))
    {
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.fillRect(rect(), Qt::white);
        painter.drawPixmap(0, 0, m_picture);
        QFont font(QStringLiteral("Tahoma"));
        font.setPixelSize(17);
        font.setBold(true);
        painter.setFont(font);
        painter.drawText(rect(), Qt::AlignCenter, QStringLiteral("Free:  12.00 MB"));
        if (m_painted)
            return;
        m_painted = true;
        // Once the whole paint has ended, as Quillet reports it.
        QTimer::singleShot(0, this, [this] {
            std::printf("painted: 1\n");
            std::fflush(stdout);
            const QString dir = qEnvironmentVariable("QUILLET_SNAPSHOT");
            if (dir.isEmpty())
                return;
            const QString path = QDir(dir).absoluteFilePath("bare.png");
            grab().save(path, "PNG");
            std::printf("snapshot: %s\n", path.toLocal8Bit().constData());
            std::fflush(stdout);
        });
    }

private:
    QPixmap m_picture;
    bool m_painted = false;
};

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    // The size of Quillet's window: the form and its command bar, doubled on
    // screens taller than 320 pixels.
    const bool vga = qEnvironmentVariable("QUILLET_SCREEN").section(u'x', 1).toInt() > 320;
    BareWindow window(vga);
    window.setFixedSize(vga ? QSize(473, 540) : QSize(236, 270));
    window.show();
    return app.exec();
}
