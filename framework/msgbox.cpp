#include "framework/msgbox.h"

#include <QMessageBox>
#include <QPushButton>

#include "framework/hwnd_p.h"

namespace {

AFX_MESSAGEBOX_HOOK& Hook()
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

} // namespace

AFX_MESSAGEBOX_HOOK AfxSetMessageBoxHook(AFX_MESSAGEBOX_HOOK hook)
{
    std::swap(Hook(), hook);
    return hook;
}

int AfxShowMessageBox(HWND hWndOwner, LPCWSTR lpszText, LPCWSTR lpszCaption, UINT nType)
{
    if (Hook())
        return Hook()(
            AFX_MESSAGEBOX{hWndOwner, CString(lpszText), CString(lpszCaption ? lpszCaption : u"Error"), nType});

    QWidget* owner = AfxWidget(hWndOwner);
    QMessageBox box(IconOf(nType), QString::fromUtf16(lpszCaption ? lpszCaption : u"Error"),
        QString::fromUtf16(lpszText ? lpszText : u""), QMessageBox::NoButton, owner ? owner->window() : nullptr);
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
    box.exec();
    const auto pressed = box.standardButton(box.clickedButton());
    for (const Answer& a : answers)
        if (a.button == pressed)
            return a.id;
    // Closed without a button: the platform answers with cancel, or no.
    return (nType & MB_TYPEMASK) == MB_YESNO ? IDNO : ((nType & MB_TYPEMASK) == MB_OK ? IDOK : IDCANCEL);
}
