// Helpers for tests that drive windows: the event loop, pixels, message
// boxes, fixture trees and a private settings hive.
#pragma once

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QThread>

#include <cstdlib>
#include <functional>
#include <vector>

#include "framework/dialog.h"
#include "framework/hwnd_p.h"
#include "framework/msgbox.h"

// Runs the event loop until the condition holds or the time is up.
inline bool PumpUntil(const std::function<bool()>& done, int timeoutMs = 5000)
{
    QElapsedTimer clock;
    clock.start();
    while (!done()) {
        if (clock.elapsed() > timeoutMs)
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        QThread::msleep(1);
    }
    return true;
}

inline void PumpFor(int ms)
{
    PumpUntil([] { return false; }, ms);
}

// What a window shows, as the screen would show it.
inline QImage Grab(HWND hWnd)
{
    return AfxWidget(hWnd)->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

inline COLORREF PixelAt(const QImage& image, int x, int y)
{
    const QRgb p = image.pixel(x, y);
    return RGB(BYTE(qRed(p)), BYTE(qGreen(p)), BYTE(qBlue(p)));
}

// Records every message box and answers each with the given button.
class MessageBoxRecorder {
public:
    explicit MessageBoxRecorder(int nAnswer = IDOK)
    {
        m_previous = AfxSetMessageBoxHook([this, nAnswer](const AFX_MESSAGEBOX& box) {
            boxes.push_back(box);
            return nAnswer;
        });
    }
    ~MessageBoxRecorder() { AfxSetMessageBoxHook(m_previous); }
    std::vector<AFX_MESSAGEBOX> boxes;

private:
    AFX_MESSAGEBOX_HOOK m_previous;
};

// Takes the hook away for the life of the object: headless, each box is
// answered by its default button, as Enter would answer it.
class EnterAnswers {
public:
    EnterAnswers() : m_previous(AfxSetMessageBoxHook({})) { }
    ~EnterAnswers() { AfxSetMessageBoxHook(m_previous); }

private:
    AFX_MESSAGEBOX_HOOK m_previous;
};

// Answers every modal dialog: runs the check on it, then ends it with the
// given result.
class ModalRecorder {
public:
    explicit ModalRecorder(int nResult = IDOK, std::function<void(CDialog*)> check = {})
    {
        m_previous = AfxSetModalHook([this, nResult, check](CDialog* pDlg) {
            ++count;
            if (check)
                check(pDlg);
            pDlg->EndDialog(nResult);
        });
    }
    ~ModalRecorder() { AfxSetModalHook(m_previous); }
    int count = 0;

private:
    AFX_MODAL_HOOK m_previous;
};

// A temporary folder holding files given by their paths inside it.
class FixtureTree {
public:
    QString Path(const QString& relative) const { return m_dir.filePath(relative); }
    QString Root() const { return m_dir.path(); }
    void Write(const QString& relative, const QByteArray& bytes) const
    {
        const QString path = Path(relative);
        QDir().mkpath(QFileInfo(path).absolutePath());
        QFile f(path);
        if (f.open(QIODevice::WriteOnly))
            f.write(bytes);
    }

private:
    QTemporaryDir m_dir;
};

// Sets an environment variable for the life of the object.
class ScopedEnv {
public:
    ScopedEnv(const char* name, const QString& value) : m_name(name)
    {
        if (const char* old = std::getenv(name))
            m_old = QByteArray(old), m_had = true;
        setenv(name, value.toLocal8Bit().constData(), 1);
    }
    ~ScopedEnv()
    {
        if (m_had)
            setenv(m_name, m_old.constData(), 1);
        else
            unsetenv(m_name);
    }

private:
    const char* m_name;
    QByteArray m_old;
    bool m_had = false;
};
