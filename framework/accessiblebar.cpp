// Progress bars as screen readers see them: the name the program gave, and
// the position within the range as a value ("57%").
#include "framework/accessible_p.h"
#include "framework/hwnd_p.h"
#include "framework/progress.h"

namespace {

class AfxAccessibleBar : public AfxAccessibleControl, public QAccessibleValueInterface {
public:
    explicit AfxAccessibleBar(QWidget* bar) : AfxAccessibleControl(bar, QAccessible::ProgressBar) { }

    void* interface_cast(QAccessible::InterfaceType t) override
    {
        if (t == QAccessible::ValueInterface)
            return static_cast<QAccessibleValueInterface*>(this);
        return AfxAccessibleControl::interface_cast(t);
    }

    QString text(QAccessible::Text t) const override
    {
        if (t != QAccessible::Value)
            return AfxAccessibleControl::text(t);
        const Range r = Read();
        if (!r.Shows())
            return {};
        return QStringLiteral("%1%").arg(qint64(r.pos - r.lower) * 100 / (r.upper - r.lower));
    }

    // A position outside the range shows nothing, and has no value.
    QVariant currentValue() const override
    {
        const Range r = Read();
        return r.Shows() ? QVariant(r.pos) : QVariant();
    }
    void setCurrentValue(const QVariant&) override { }
    QVariant maximumValue() const override { return Read().upper; }
    QVariant minimumValue() const override { return Read().lower; }
    QVariant minimumStepSize() const override { return 0; }

protected:
    // The text over a bar is the program's to name; the window text is the template's.
    QString ShownText() const override { return {}; }

private:
    struct Range {
        int lower, upper, pos;
        bool Shows() const { return upper > lower && pos >= lower && pos <= upper; }
    };

    Range Read() const
    {
        HWND h = AfxHandleOf(widget());
        PBRANGE range{0, 0};
        ::SendMessage(h, PBM_GETRANGE, TRUE, reinterpret_cast<LPARAM>(&range));
        return Range{range.iLow, range.iHigh, int(::SendMessage(h, PBM_GETPOS, 0, 0))};
    }
};

} // namespace

QAccessibleInterface* AfxNewAccessibleBar(QWidget* bar)
{
    return new AfxAccessibleBar(bar);
}
