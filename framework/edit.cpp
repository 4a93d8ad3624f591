// The edit class over the toolkit's line edit: the window text is the
// line's text, read from the line each time.
#include "framework/edit.h"

#include <QLineEdit>

#include "framework/hwnd_p.h"

namespace {

class AfxEdit : public AfxWindowWidget<QLineEdit> {
public:
    using AfxWindowWidget<QLineEdit>::AfxWindowWidget;

    bool ClassProc(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override
    {
        switch (message) {
        case WM_SETTEXT: {
            const std::u16string_view text = lParam ? reinterpret_cast<LPCWSTR>(lParam) : u"";
            setText(QString(reinterpret_cast<const QChar*>(text.data()), qsizetype(text.size())));
            result = TRUE;
            return true;
        }
        case WM_GETTEXTLENGTH:
            result = LRESULT(text().size());
            return true;
        case WM_GETTEXT: {
            auto* buffer = reinterpret_cast<LPWSTR>(lParam);
            const QString line = text();
            const size_t n = buffer && wParam ? std::min<size_t>(size_t(line.size()), size_t(wParam) - 1) : 0;
            if (buffer && wParam) {
                std::copy_n(reinterpret_cast<const WCHAR*>(line.utf16()), n, buffer);
                buffer[n] = 0;
            }
            result = LRESULT(n);
            return true;
        }
        case WM_SETFONT:
            // The shared handling keeps the font too.
            if (const auto hFont = reinterpret_cast<HFONT>(wParam))
                setFont(hFont->font);
            return false;
        default:
            return false;
        }
    }

protected:
    void paintEvent(QPaintEvent* e) override { QLineEdit::paintEvent(e); }
};

} // namespace

AfxWindow* AfxNewEdit(QWidget* parent, DWORD style)
{
    auto* edit = new AfxEdit(parent);
    edit->setFrame(style & WS_BORDER);
    edit->setFocusPolicy((style & WS_TABSTOP) ? Qt::StrongFocus : Qt::ClickFocus);
    return edit;
}
