#include "framework/msgbox.h"

#include <QDir>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPushButton>

#include <cstdio>
#include <cstdlib>

#include "framework/hwnd_p.h"

namespace {

AFX_MESSAGEBOX_HOOK& MessageBoxHook()
{
    static AFX_MESSAGEBOX_HOOK hook;
    return hook;
}

QMessageBox::Icon IconOf(UINT nType)
{
    switch (nType & MB_ICONMASK) {
    case MB_ICONHAND:
        return QMessageBox::Critical;
    case MB_ICONQUESTION:
        return QMessageBox::Question;
    case MB_ICONEXCLAMATION:
        return QMessageBox::Warning;
    case MB_ICONASTERISK:
        return QMessageBox::Information;
    default:
        return QMessageBox::NoIcon;
    }
}

// Where nobody can answer (headless, or a run that takes pictures), a box
// would wait forever: it is saved as a picture when pictures are taken,
// printed to standard error, and answered with its default button.
bool NobodyCanAnswer()
{
    const char* dir = std::getenv("QUILLET_SNAPSHOT");
    return (dir && *dir) || QGuiApplication::platformName() == QLatin1String("offscreen");
}

int AnswerUnattended(QMessageBox& box, int nDefault)
{
    QString saved;
    if (const char* dir = std::getenv("QUILLET_SNAPSHOT"); dir && *dir) {
        static int s_nBoxes = 0;
        saved = QDir(QString::fromLocal8Bit(dir)).absoluteFilePath(QStringLiteral("messagebox-%1.png").arg(++s_nBoxes));
        QDir().mkpath(QFileInfo(saved).absolutePath());
        box.show();
        if (!box.grab().save(saved, "PNG"))
            saved = QStringLiteral("(cannot write ") + saved + u')';
        box.hide();
    }
    const QString answer = box.defaultButton() ? box.defaultButton()->text().remove(u'&') : QStringLiteral("OK");
    std::fprintf(stderr, "message box \"%s\": %s\n  answered %s%s%s\n", box.windowTitle().toLocal8Bit().constData(),
        box.text().toLocal8Bit().constData(), answer.toLocal8Bit().constData(), saved.isEmpty() ? "" : ", saved as ",
        saved.toLocal8Bit().constData());
    std::fflush(stderr);
    return nDefault;
}

} // namespace

AFX_MESSAGEBOX_HOOK AfxSetMessageBoxHook(AFX_MESSAGEBOX_HOOK hook)
{
    std::swap(MessageBoxHook(), hook);
    return hook;
}

int AfxShowMessageBox(HWND hWndOwner, LPCWSTR lpszText, LPCWSTR lpszCaption, UINT nType)
{
    // Without a caption of its own, a box says what the platform's says.
    const QString caption = lpszCaption ? QString::fromUtf16(lpszCaption)
                                        : QCoreApplication::translate("AfxMessageBox", "Error");
    if (MessageBoxHook())
        return MessageBoxHook()(AFX_MESSAGEBOX{hWndOwner, CString(lpszText), CString(caption.toStdU16String()), nType});

    QWidget* owner = AfxWidget(hWndOwner);
    QMessageBox box(IconOf(nType), caption, QString::fromUtf16(lpszText ? lpszText : u""), QMessageBox::NoButton,
        owner ? owner->window() : nullptr);
    if (nType & MB_TOPMOST)
        box.setWindowFlag(Qt::WindowStaysOnTopHint);
    struct Answer {
        QMessageBox::StandardButton button;
        int id;
    };
    std::vector<Answer> answers;
    switch (nType & MB_TYPEMASK) {
    case MB_YESNO:
        answers = {{QMessageBox::Yes, IDYES}, {QMessageBox::No, IDNO}};
        break;
    case MB_OKCANCEL:
        answers = {{QMessageBox::Ok, IDOK}, {QMessageBox::Cancel, IDCANCEL}};
        break;
    default:
        answers = {{QMessageBox::Ok, IDOK}};
        break;
    }
    for (const Answer& a : answers)
        box.addButton(a.button);
    const size_t nAsked = (nType & MB_DEFMASK) / MB_DEFBUTTON2; // 0 first button, 1 second, ...
    const size_t nDefault = nAsked < answers.size() ? nAsked : 0;
    box.setDefaultButton(answers[nDefault].button);
    if (NobodyCanAnswer())
        return AnswerUnattended(box, answers[nDefault].id);
    box.exec();
    const auto pressed = box.standardButton(box.clickedButton());
    for (const Answer& a : answers)
        if (a.button == pressed)
            return a.id;
    // Closed without a button: the platform answers with cancel, or no.
    return (nType & MB_TYPEMASK) == MB_YESNO ? IDNO : ((nType & MB_TYPEMASK) == MB_OK ? IDOK : IDCANCEL);
}
