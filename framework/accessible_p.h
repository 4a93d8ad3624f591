// Inside of the framework: what assistive technologies (screen readers,
// the desktop's accessibility bus) learn of the windows. The toolkit asks
// for a widget's interface when it is first shown or named; the
// framework's controls answer with their own in place of the toolkit's.
// Not for the program.
#pragma once

#include <QAccessibleWidget>

#include <functional>

class QAbstractButton;

// A framework widget that describes itself: a new interface for it, or null
// for the toolkit's own (edit fields, lists and trees).
class AfxAccessibleSource {
public:
    virtual QAccessibleInterface* NewAccessible() { return nullptr; }

protected:
    virtual ~AfxAccessibleSource() = default;
};

// Lets the toolkit ask the framework's widgets first. Called with each new
// window; installs once.
void AfxInstallAccessibleFactory();

// Tells assistive technologies of a change (a new name, a new value), when
// one is listening.
void AfxNotifyAccessible(QAccessibleEvent& event);
void AfxNotifyNameChanged(QWidget* widget);

// Stands in for an assistive technology: while set, it is handed every
// change the framework tells, and accessibility counts as active. For
// tests; returns the previous one.
using AFX_ACCESSIBLE_HOOK = std::function<void(QAccessibleEvent*)>;
AFX_ACCESSIBLE_HOOK AfxSetAccessibleHook(AFX_ACCESSIBLE_HOOK hook);

// The control a label names and activates (CButton::SetLabelFor), and the
// label of a control; null when there is none.
QWidget* AfxLabelledBy(const QWidget* label);
QWidget* AfxLabelOf(const QWidget* control);

// Clicks the button once the current event is handled, so that whoever
// asked (an assistive technology's action, a key) does not wait for a
// modal dialog or menu the click opens.
void AfxPostClick(QAbstractButton* button);

// A framework control as screen readers see it. Its name is the name the
// program gave it followed by the text it shows ("Memory: Free: 4096.00
// MB"), or either alone; a control with neither takes the text of its
// label. A text of only punctuation ("-------") says nothing and counts as
// none.
class AfxAccessibleControl : public QAccessibleWidget {
public:
    AfxAccessibleControl(QWidget* widget, QAccessible::Role role);

    QString text(QAccessible::Text t) const override;
    QList<QPair<QAccessibleInterface*, QAccessible::Relation>> relations(
        QAccessible::Relation match = QAccessible::AllRelations) const override;

protected:
    // What the control shows, on one line; empty when it says nothing.
    virtual QString ShownText() const;
};

// Buttons of every kind: push buttons, check boxes and menu buttons, whose
// actions click them (posted). A skinned (owner-drawn) button that takes no
// focus or is disabled acts on nothing the keyboard reaches: it reads as
// what it shows, a label, or a picture when it shows no text.
QAccessibleInterface* AfxNewAccessibleButton(QAbstractButton* button, bool bSkinned);

// Progress bars: a name, and their position and range as a value.
QAccessibleInterface* AfxNewAccessibleBar(QWidget* bar);
