#include "framework/wait.h"

#include <QCursor>
#include <QEventLoop>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QSocketNotifier>
#include <QTimer>

#include <algorithm>
#include <climits>
#include <memory>
#include <vector>

#include "platform/synch.h"

namespace {

// While it lives: the busy cursor, and no input reaches any window; Escape
// is noted.
class BusyScope : public QObject {
public:
    BusyScope()
    {
        QCoreApplication::instance()->installEventFilter(this);
        QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    }
    ~BusyScope() override
    {
        QGuiApplication::restoreOverrideCursor();
        QCoreApplication::instance()->removeEventFilter(this);
    }
    BusyScope(const BusyScope&) = delete;
    BusyScope& operator=(const BusyScope&) = delete;

    bool EscapePressed() const { return m_bEscape; }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        switch (event->type()) {
        case QEvent::KeyPress:
            if (static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape)
                m_bEscape = true;
            return true;
        case QEvent::KeyRelease:
        case QEvent::ShortcutOverride:
        case QEvent::Shortcut:
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::Wheel:
        case QEvent::TouchBegin:
        case QEvent::TouchUpdate:
        case QEvent::TouchEnd:
        case QEvent::TabletPress:
        case QEvent::TabletRelease:
        case QEvent::ContextMenu:
            return true;
        case QEvent::Close:
            // The window's close button; closing by the program goes on.
            return event->spontaneous();
        default:
            return false;
        }
    }

private:
    bool m_bEscape = false;
};

} // namespace

DWORD AfxWaitForObjects(DWORD nCount, const HANDLE* lpHandles, DWORD dwMilliseconds)
{
    std::vector<int> descriptors;
    for (DWORD i = 0; i < nCount; ++i) {
        const int fd = GetWaitDescriptor(lpHandles[i]);
        if (fd < 0)
            return WAIT_FAILED;
        descriptors.push_back(fd);
    }
    if (descriptors.empty())
        return WAIT_OBJECT_0;
    BusyScope busy;
    QEventLoop loop;
    size_t nLeft = descriptors.size();
    std::vector<std::unique_ptr<QSocketNotifier>> notifiers;
    for (const int fd : descriptors) {
        auto notifier = std::make_unique<QSocketNotifier>(fd, QSocketNotifier::Read);
        QSocketNotifier* pNotifier = notifier.get();
        QObject::connect(pNotifier, &QSocketNotifier::activated, &loop, [&, pNotifier] {
            // A process stays ended: one signal is enough.
            pNotifier->setEnabled(false);
            if (--nLeft == 0)
                loop.quit();
        });
        notifiers.push_back(std::move(notifier));
    }
    QTimer deadline;
    deadline.setSingleShot(true);
    QObject::connect(&deadline, &QTimer::timeout, &loop, &QEventLoop::quit);
    if (dwMilliseconds != INFINITE)
        deadline.start(int(std::min<DWORD>(dwMilliseconds, INT_MAX)));
    loop.exec();
    return nLeft == 0 ? WAIT_OBJECT_0 : WAIT_TIMEOUT;
}

BOOL AfxRunInSteps(const std::function<BOOL(AFX_DEADLINE deadline)>& step)
{
    BusyScope busy;
    for (;;) {
        QCoreApplication::processEvents(QEventLoop::AllEvents);
        if (busy.EscapePressed())
            return FALSE;
        if (step(std::chrono::steady_clock::now() + AFX_STEP_TIME))
            return TRUE;
    }
}
