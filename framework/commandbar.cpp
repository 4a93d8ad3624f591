#include "framework/commandbar_p.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QMenu>
#include <QPixmap>
#include <QPushButton>
#include <QShortcut>
#include <QToolButton>

#include "framework/hwnd_p.h"
#include "framework/language.h"
#include "platform/metrics.h"

namespace {

// Sizes on a normal screen; VGA screens double them.
constexpr int kBarHeight = 26;
constexpr int kIconSide = 16;
constexpr int kMarginX = 2;
constexpr int kMarginY = 1;
constexpr int kSpacing = 1;

int Unit()
{
    return IsVgaScreen() ? 2 : 1;
}

QString MenuText(LPCWSTR text)
{
    return QString::fromStdU16String(AfxTranslate(AFX_CONTEXT_MENU, text));
}

void SendCommand(HWND hTarget, UINT nID, WORD wCode)
{
    ::SendMessage(hTarget, WM_COMMAND, MAKEWPARAM(WORD(nID), wCode), 0);
}

// A button of the bar: reached with Tab after the window's own controls,
// pressed with Return as with Space.
class AfxBarButton : public QToolButton, public AfxAccessibleSource {
public:
    explicit AfxBarButton(QWidget* parent) : QToolButton(parent)
    {
        setAutoRaise(true);
        setFocusPolicy(Qt::TabFocus);
    }

    QAccessibleInterface* NewAccessible() override { return AfxNewAccessibleButton(this, false); }

protected:
    void keyPressEvent(QKeyEvent* e) override
    {
        if (AfxIsEnterKey(e))
            click();
        else
            QToolButton::keyPressEvent(e);
    }
};

// A command's texts in the string table are "prompt\ntip", as the
// platform's tool buttons take them: the tip names the button (and is its
// tool tip), the prompt describes it.
void NameFromStrings(QWidget* button, UINT nID)
{
    CString strText;
    if (!strText.LoadString(nID))
        return;
    const QString text = QString::fromStdU16String(strText.str());
    const qsizetype newline = text.indexOf(u'\n');
    const QString tip = newline < 0 ? text : text.mid(newline + 1);
    button->setToolTip(tip);
    button->setAccessibleName(tip);
    button->setAccessibleDescription(newline < 0 ? QString() : text.left(newline));
}

} // namespace

AfxCommandBar::AfxCommandBar(QWidget* parent, HWND hTarget) : QWidget(parent), m_hTarget(hTarget)
{
    const int unit = Unit();
    setFixedHeight(kBarHeight * unit);
    setAutoFillBackground(true);
    setFont(AfxScaledTextFont(font()));
    m_layout = new QHBoxLayout(this);
    m_layout->setContentsMargins(kMarginX * unit, kMarginY * unit, kMarginX * unit, kMarginY * unit);
    m_layout->setSpacing(kSpacing * unit);
    m_layout->addStretch(1);
}

int AfxCommandBar::IconSize()
{
    return kIconSide * Unit();
}

void AfxCommandBar::AddMenu(const AFX_MENU* pMenu)
{
    QMenu* menu = nullptr;
    for (size_t i = 0; pMenu && i < pMenu->nItems; ++i) {
        const AFX_MENUITEM& item = pMenu->pItems[i];
        if (item.nLevel == 0) {
            auto* button = new AfxBarButton(this);
            // Set on each: a desktop's own tool button and menu fonts would win over the bar's.
            button->setFont(font());
            button->setText(MenuText(item.lpszText));
            button->setPopupMode(QToolButton::InstantPopup);
            menu = new QMenu(button);
            menu->setFont(font());
            button->setMenu(menu);
            Insert(button);
            // The desktop's keys for a window's menu, whatever the keyboard layout.
            for (const auto key : {Qt::Key_F10, Qt::Key_Menu})
                connect(new QShortcut(QKeySequence(key), this), &QShortcut::activated, button,
                    [button] { AfxPostClick(button); });
        } else if (menu && (item.nFlags & MF_SEPARATOR)) {
            menu->addSeparator();
        } else if (menu) {
            const UINT nID = item.nID;
            menu->addAction(MenuText(item.lpszText), [this, nID] { SendCommand(m_hTarget, nID, 0); });
        }
    }
}

void AfxCommandBar::AddButton(const QPixmap& image, UINT nID)
{
    auto* button = new AfxBarButton(this);
    button->setIcon(QIcon(image));
    button->setIconSize(QSize(IconSize(), IconSize()));
    button->setProperty("afxCommand", nID);
    NameFromStrings(button, nID);
    connect(button, &QToolButton::clicked, this, [this, nID] { SendCommand(m_hTarget, nID, 0); });
    Insert(button);
}

void AfxCommandBar::AddSeparator()
{
    m_layout->insertSpacing(m_layout->count() - 1, IconSize() / 4);
}

void AfxCommandBar::AddAdornment()
{
    auto* close = new AfxBarButton(this);
    close->setFont(font());
    close->setText(QStringLiteral("×"));
    NameFromStrings(close, AFX_IDS_SCCLOSE);
    connect(close, &QToolButton::clicked, this, [this] { ::SendMessage(m_hTarget, WM_CLOSE, 0, 0); });
    m_layout->addWidget(close);
}

void AfxCommandBar::AddTextButton(const QString& text, UINT nID)
{
    auto* button = new QPushButton(text, this);
    button->setFont(font());
    button->setFocusPolicy(Qt::TabFocus);
    connect(button, &QPushButton::clicked, this, [this, nID] { SendCommand(m_hTarget, nID, BN_CLICKED); });
    m_layout->addWidget(button);
}

void AfxCommandBar::Insert(QWidget* w)
{
    m_layout->insertWidget(m_layout->count() - 1, w);
}
