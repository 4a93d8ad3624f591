// Inside of the framework: the command strips. The main frame's command bar
// (menu, tool buttons, close adornment) and a dialog's bar with the
// caption's OK button share one size and one look. Not for the program.
#pragma once

#include <QWidget>

#include "framework/resources.h"
#include "framework/wnd.h"

class QHBoxLayout;

// A strip along the bottom of a window, 26 pixels high (twice that on VGA
// screens), its buttons sending commands to the window.
class AfxCommandBar : public QWidget {
public:
    AfxCommandBar(QWidget* parent, HWND hTarget);

    void AddMenu(const AFX_MENU* pMenu);
    void AddButton(const QPixmap& image, UINT nID);
    void AddSeparator();
    void AddAdornment();
    // A push button with a text, on the right.
    void AddTextButton(const QString& text, UINT nID);

    // Side of a tool button's image, scaled for the screen.
    static int IconSize();

private:
    void Insert(QWidget* w);

    HWND m_hTarget;
    QHBoxLayout* m_layout;
};
