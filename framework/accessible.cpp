// What assistive technologies learn of the windows: the factory that hands
// the toolkit the framework's interfaces, the names the program gives, and
// the changes told as they happen.
#include "framework/accessible_p.h"

#include <QAbstractButton>

#include <algorithm>

#include "framework/hwnd_p.h"

namespace {

AFX_ACCESSIBLE_HOOK& AccessibleHook()
{
    static AFX_ACCESSIBLE_HOOK hook;
    return hook;
}

QAccessibleInterface* Factory(const QString&, QObject* object)
{
    // A widget half destroyed is no longer a source, and gets no interface of ours.
    auto* source = dynamic_cast<AfxAccessibleSource*>(object);
    return source ? source->NewAccessible() : nullptr;
}

// "&Menu" as it reads: "Menu"; "&&" is an ampersand.
QString WithoutMnemonic(const QString& text)
{
    QString out;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == u'&' && i + 1 < text.size())
            ++i;
        out += text[i];
    }
    return out;
}

// The text on one line; nothing when it holds no letter or digit.
QString Says(const QString& text)
{
    const QString line = text.simplified();
    return std::any_of(line.begin(), line.end(), [](QChar c) { return c.isLetterOrNumber(); }) ? line : QString();
}

QString WindowText(HWND hWnd)
{
    const auto n = ::SendMessage(hWnd, WM_GETTEXTLENGTH, 0, 0);
    std::u16string buffer(size_t(std::max<LRESULT>(n, 0)) + 1, u'\0');
    const auto copied = ::SendMessage(hWnd, WM_GETTEXT, WPARAM(buffer.size()), reinterpret_cast<LPARAM>(buffer.data()));
    buffer.resize(size_t(std::max<LRESULT>(copied, 0)));
    return QString::fromStdU16String(buffer);
}

} // namespace

void AfxInstallAccessibleFactory()
{
    // The toolkit asks the factory installed last first: the framework's
    // widgets answer before the toolkit's own factory.
    static const bool installed = (QAccessible::installFactory(&Factory), true);
    (void)installed;
}

AFX_ACCESSIBLE_HOOK AfxSetAccessibleHook(AFX_ACCESSIBLE_HOOK hook)
{
    std::swap(AccessibleHook(), hook);
    return hook;
}

BOOL AfxIsAccessibilityActive()
{
    return QAccessible::isActive() || AccessibleHook();
}

void AfxNotifyAccessible(QAccessibleEvent& event)
{
    if (!AfxIsAccessibilityActive())
        return;
    if (AccessibleHook())
        AccessibleHook()(&event);
    QAccessible::updateAccessibility(&event);
}

void AfxNotifyNameChanged(QWidget* widget)
{
    QAccessibleEvent event(widget, QAccessible::NameChanged);
    AfxNotifyAccessible(event);
}

QWidget* AfxLabelOf(const QWidget* control)
{
    const QWidget* parent = control ? control->parentWidget() : nullptr;
    if (!parent)
        return nullptr;
    for (QObject* o : parent->children())
        if (auto* w = qobject_cast<QWidget*>(o); w && AfxLabelledBy(w) == control)
            return w;
    return nullptr;
}

void AfxPostClick(QAbstractButton* button)
{
    // Tied to the button: a button gone before its turn is not clicked.
    QMetaObject::invokeMethod(
        button, [button] { button->click(); }, Qt::QueuedConnection);
}

void CWnd::SetAccessibleName(LPCWSTR lpszName)
{
    if (QWidget* w = AfxWidget(m_hWnd))
        w->setAccessibleName(QString::fromUtf16(lpszName ? lpszName : u""));
}

void CWnd::SetAccessibleName(UINT nIDName, UINT nIDDescription)
{
    QWidget* w = AfxWidget(m_hWnd);
    if (!w)
        return;
    CString strName, strDescription;
    strName.LoadString(nIDName);
    if (nIDDescription)
        strDescription.LoadString(nIDDescription);
    w->setAccessibleName(QString::fromStdU16String(strName.str()));
    w->setAccessibleDescription(QString::fromStdU16String(strDescription.str()));
}

AfxAccessibleControl::AfxAccessibleControl(QWidget* widget, QAccessible::Role role) : QAccessibleWidget(widget, role)
{
}

QString AfxAccessibleControl::ShownText() const
{
    if (HWND h = AfxHandleOf(widget()))
        return Says(WindowText(h));
    if (auto* button = qobject_cast<QAbstractButton*>(widget()))
        return Says(WithoutMnemonic(button->text()));
    return {};
}

QString AfxAccessibleControl::text(QAccessible::Text t) const
{
    if (t != QAccessible::Name)
        return QAccessibleWidget::text(t);
    const QString name = widget()->accessibleName();
    const QString shown = ShownText();
    if (name.isEmpty() && shown.isEmpty()) {
        QAccessibleInterface* label = QAccessible::queryAccessibleInterface(AfxLabelOf(widget()));
        return label ? label->text(QAccessible::Name) : QString();
    }
    if (name.isEmpty() || shown.isEmpty() || name == shown)
        return name.isEmpty() ? shown : name;
    return name + QStringLiteral(": ") + shown;
}

QList<QPair<QAccessibleInterface*, QAccessible::Relation>> AfxAccessibleControl::relations(
    QAccessible::Relation match) const
{
    // Each pair says what the other control is to this one.
    auto related = QAccessibleWidget::relations(match);
    if (match & QAccessible::Label)
        if (QAccessibleInterface* label = QAccessible::queryAccessibleInterface(AfxLabelOf(widget())))
            related.append({label, QAccessible::Label});
    if (match & QAccessible::Labelled)
        if (QAccessibleInterface* control = QAccessible::queryAccessibleInterface(AfxLabelledBy(widget())))
            related.append({control, QAccessible::Labelled});
    return related;
}
