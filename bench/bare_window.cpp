// The toolkit's floor: a bare window of the monitor screen's size showing one
// line of bold text, that saves its picture after its first paint as Quillet
// does with QUILLET_SNAPSHOT.
#include <QApplication>
#include <QDir>
#include <QPainter>
#include <QTimer>
#include <QWidget>

#include <cstdio>
#include <cstdlib>

namespace {

class BareWindow : public QWidget {
protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.fillRect(rect(), Qt::white);
        QFont font(QStringLiteral("Tahoma"));
        font.setPixelSize(17);
        font.setBold(true);
        painter.setFont(font);
        painter.drawText(rect(), Qt::AlignCenter, QStringLiteral("Free:  12.00 MB"));
        if (m_painted)
            return;
        m_painted = true;
        std::printf("painted: 1\n");
        std::fflush(stdout);
        QTimer::singleShot(0, this, [this] {
            const QString path = QDir(qEnvironmentVariable("QUILLET_SNAPSHOT")).absoluteFilePath("bare.png");
            grab().save(path, "PNG");
            std::printf("snapshot: %s\n", path.toLocal8Bit().constData());
            std::fflush(stdout);
        });
    }

private:
    bool m_painted = false;
};

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    BareWindow window;
    // The size of Quillet's window: the form and its command bar, doubled on
    // screens taller than 320 pixels.
    const bool vga = qEnvironmentVariable("QUILLET_SCREEN").section(u'x', 1).toInt() > 320;
    window.setFixedSize(vga ? QSize(473, 540) : QSize(236, 270));
    window.show();
    return app.exec();
}
