// Buttons as screen readers see them: push buttons, check boxes, menu
// buttons, and the skinned buttons that only show a text or a picture.
#include <QAbstractButton>
#include <QToolButton>

#include "framework/accessible_p.h"

namespace {

class AfxAccessibleButton : public AfxAccessibleControl {
public:
    AfxAccessibleButton(QAbstractButton* button, bool bSkinned)
        : AfxAccessibleControl(button, QAccessible::Button), m_bSkinned(bSkinned)
    {
    }

    // Asked each time: the toolkit asks for the interface as soon as a
    // button is shown or named, before its owner has finished it.
    QAccessible::Role role() const override
    {
        const auto* button = static_cast<const QAbstractButton*>(widget());
        if (button->isCheckable())
            return QAccessible::CheckBox;
        if (const auto* tool = qobject_cast<const QToolButton*>(button); tool && tool->menu())
            return QAccessible::ButtonMenu;
        if (m_bSkinned && (button->focusPolicy() == Qt::NoFocus || !button->isEnabled()))
            return ShownText().isEmpty() ? QAccessible::Graphic : QAccessible::StaticText;
        return QAccessible::Button;
    }

    QAccessible::State state() const override
    {
        QAccessible::State state = AfxAccessibleControl::state();
        const auto* button = static_cast<const QAbstractButton*>(widget());
        state.checkable = button->isCheckable();
        state.checked = button->isChecked();
        state.pressed = button->isDown();
        state.hasPopup = role() == QAccessible::ButtonMenu;
        return state;
    }

    QStringList actionNames() const override
    {
        QStringList names;
        if (widget()->isEnabled()) {
            switch (role()) {
            case QAccessible::Button:
                names << pressAction();
                break;
            case QAccessible::CheckBox:
                names << toggleAction();
                break;
            case QAccessible::ButtonMenu:
                names << showMenuAction() << pressAction();
                break;
            default:
                break;
            }
        }
        return names + AfxAccessibleControl::actionNames();
    }

    void doAction(const QString& action) override
    {
        const QStringList own = actionNames();
        if (action != setFocusAction() && own.contains(action))
            AfxPostClick(static_cast<QAbstractButton*>(widget()));
        else
            AfxAccessibleControl::doAction(action);
    }

private:
    bool m_bSkinned;
};

} // namespace

QAccessibleInterface* AfxNewAccessibleButton(QAbstractButton* button, bool bSkinned)
{
    return new AfxAccessibleButton(button, bSkinned);
}
