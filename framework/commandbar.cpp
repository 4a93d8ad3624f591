#include "framework/commandbar_p.h"

#include <QHBoxLayout>
#include <QMenu>
#include <QPixmap>
#include <QPushButton>
#include <QToolButton>

#include "framework/hwnd_p.h"
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

QString Text(LPCWSTR text)
{
    return QString::fromUtf16(text ? text : u"");
}

void SendCommand(HWND hTarget, UINT nID, WORD wCode)
{
    ::SendMessage(hTarget, WM_COMMAND, MAKEWPARAM(WORD(nID), wCode), 0);
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
            auto* button = new QToolButton(this);
            // Set on each: a desktop's own tool button and menu fonts would win over the bar's.
            button->setFont(font());
            button->setText(Text(item.lpszText));
            button->setPopupMode(QToolButton::InstantPopup);
            button->setAutoRaise(true);
            button->setFocusPolicy(Qt::NoFocus);
            menu = new QMenu(button);
            menu->setFont(font());
            button->setMenu(menu);
            Insert(button);
        } else if (menu && (item.nFlags & MF_SEPARATOR)) {
            menu->addSeparator();
        } else if (menu) {
            const UINT nID = item.nID;
            menu->addAction(Text(item.lpszText), [this, nID] { SendCommand(m_hTarget, nID, 0); });
        }
    }
}

void AfxCommandBar::AddButton(const QPixmap& image, UINT nID)
{
    auto* button = new QToolButton(this);
    button->setIcon(QIcon(image));
    button->setIconSize(QSize(IconSize(), IconSize()));
    button->setAutoRaise(true);
    button->setFocusPolicy(Qt::NoFocus);
    button->setProperty("afxCommand", nID);
    connect(button, &QToolButton::clicked, this, [this, nID] { SendCommand(m_hTarget, nID, 0); });
    Insert(button);
}

void AfxCommandBar::AddSeparator()
{
    m_layout->insertSpacing(m_layout->count() - 1, IconSize() / 4);
}

void AfxCommandBar::AddAdornment()
{
    auto* close = new QToolButton(this);
    close->setFont(font());
    close->setText(QStringLiteral("×"));
    close->setToolTip(QStringLiteral("Закрыть"));
    close->setAutoRaise(true);
    close->setFocusPolicy(Qt::NoFocus);
    connect(close, &QToolButton::clicked, this, [this] { ::SendMessage(m_hTarget, WM_CLOSE, 0, 0); });
    m_layout->addWidget(close);
}

void AfxCommandBar::AddTextButton(const QString& text, UINT nID)
{
    auto* button = new QPushButton(text, this);
    button->setFont(font());
    button->setFocusPolicy(Qt::NoFocus);
    connect(button, &QPushButton::clicked, this, [this, nID] { SendCommand(m_hTarget, nID, BN_CLICKED); });
    m_layout->addWidget(button);
}

void AfxCommandBar::Insert(QWidget* w)
{
    m_layout->insertWidget(m_layout->count() - 1, w);
}
