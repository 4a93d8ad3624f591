// The edit class over the toolkit's line edit: the window text, the one it
// is created with included, is the line's text.
#include "framework/edit.h"

#include <QLineEdit>

#include "framework/hwnd_p.h"

namespace {

class AfxEdit : public AfxWindowWidget<QLineEdit> {
public:
    using AfxWindowWidget<QLineEdit>::AfxWindowWidget;

    QString Text() const override { return text(); }
    void SetText(const QString& line) override { setText(line); }

    bool ClassProc(UINT message, WPARAM wParam, LPARAM, LRESULT&) override
    {
        // The shared handling keeps the font too.
        if (message == WM_SETFONT)
            if (const auto hFont = reinterpret_cast<HFONT>(wParam))
                setFont(hFont->font);
        return false;
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
