// Dates as text in the user's locale and in ISO 8601, over the toolkit's
// locale data.
#include <QDate>
#include <QLocale>
#include <QRegularExpression>
#include <QStringList>
#include <QTime>

#include <optional>

#include "platform/oleauto.h"

namespace {

constexpr int kFirstYear = 100, kLastYear = 9999;
constexpr int kCenturyPivot = 1930; // two-digit years mean 1930 to 2029
const QDate kDayZero(1899, 12, 30);

// Either part may be missing (null).
struct Moment {
    QDate date;
    QTime time;
};

enum class Use { Write, Read, ReadTwoDigitYears };

// The locale's format adapted field by field, quoted text kept: four-digit
// years (a two-digit year written would read back in another century), no
// zone (a DATE has none), and when reading, one or two digits wherever the
// locale writes two.
QString Adapt(const QString& format, Use use)
{
    QString out;
    bool quoted = false;
    for (qsizetype i = 0; i < format.size();) {
        const QChar c = format[i];
        qsizetype n = 1;
        while (!quoted && c.isLetter() && i + n < format.size() && format[i + n] == c)
            ++n;
        QString run(n, c);
        if (c == u'\'')
            quoted = !quoted;
        else if (!quoted && c == u'y')
            run = use == Use::ReadTwoDigitYears ? QStringLiteral("yy") : QStringLiteral("yyyy");
        else if (!quoted && c == u't')
            run.clear();
        else if (!quoted && use != Use::Write && n == 2 && QStringLiteral("dMhHms").contains(c))
            run = c;
        out += run;
        i += n;
    }
    return out.simplified();
}

QString ShortDate(const QLocale& locale, Use use)
{
    return Adapt(locale.dateFormat(QLocale::ShortFormat), use);
}

QString LongTime(const QLocale& locale, Use use)
{
    return Adapt(locale.timeFormat(QLocale::LongFormat), use);
}

// "2024-03-05", "2024-03-05T14:30:00" (or a space for the T), "14:30".
std::optional<Moment> ReadIso(const QString& text)
{
    qsizetype cut = text.indexOf(u'T');
    if (cut < 0)
        cut = text.indexOf(u' ');
    const QString datePart = cut < 0 ? text : text.left(cut);
    if (datePart.size() != 10 || datePart[4] != u'-' || datePart[7] != u'-') {
        const QTime time = cut < 0 ? QTime::fromString(text, Qt::ISODate) : QTime();
        return time.isValid() ? std::optional(Moment{{}, time}) : std::nullopt;
    }
    Moment m{QDate::fromString(datePart, Qt::ISODate), {}};
    if (cut >= 0)
        m.time = QTime::fromString(text.mid(cut + 1), Qt::ISODate);
    return m.date.isValid() && (cut < 0 || m.time.isValid()) ? std::optional(m) : std::nullopt;
}

QTime ReadLocalTime(const QString& text, const QLocale& locale)
{
    for (const QString& format :
        {LongTime(locale, Use::Read), Adapt(locale.timeFormat(QLocale::ShortFormat), Use::Read)})
        if (const QTime time = locale.toTime(text, format); time.isValid())
            return time;
    return {};
}

// The short date, alone or followed by a time, or a time alone. Date and
// time are read apart, so a local time that a clock change skips still reads.
std::optional<Moment> ReadLocal(const QString& text, const QLocale& locale)
{
    const QStringList words = text.split(u' ', Qt::SkipEmptyParts);
    for (Use use : {Use::Read, Use::ReadTwoDigitYears}) {
        const QString format = ShortDate(locale, use);
        const qsizetype n = format.count(u' ') + 1;
        QDate date = words.size() >= n ? locale.toDate(words.mid(0, n).join(u' '), format) : QDate();
        if (!date.isValid())
            continue;
        if (use == Use::ReadTwoDigitYears && date.year() < kCenturyPivot)
            date = date.addYears(100);
        if (words.size() == n)
            return Moment{date, {}};
        if (const QTime time = ReadLocalTime(words.mid(n).join(u' '), locale); time.isValid())
            return Moment{date, time};
    }
    const QTime time = ReadLocalTime(text, locale);
    return time.isValid() ? std::optional(Moment{{}, time}) : std::nullopt;
}

std::optional<Moment> Read(const QString& text, const QLocale& locale)
{
    auto m = ReadIso(text);
    return m ? m : ReadLocal(text, locale);
}

HRESULT Parse(const QString& text, const QLocale& locale, Moment& m)
{
    if (auto read = Read(text, locale)) {
        m = *read;
        const bool inRange = m.date.isNull() || (m.date.year() >= kFirstYear && m.date.year() <= kLastYear);
        return inRange ? S_OK : DISP_E_OVERFLOW;
    }
    // A date whose only fault is a year of five or more digits is out of
    // range, not garbage.
    static const QRegularExpression kLongNumber(QStringLiteral("[0-9]{5,}"));
    QString tamed = text;
    tamed.replace(kLongNumber, QStringLiteral("2000"));
    return tamed != text && Read(tamed, locale) ? DISP_E_OVERFLOW : DISP_E_TYPEMISMATCH;
}

} // namespace

HRESULT VarDateFromStr(LPCOLESTR strIn, LCID, ULONG dwFlags, DATE* pdateOut)
{
    if (!strIn || !pdateOut)
        return E_INVALIDARG;
    Moment m;
    if (const HRESULT hr = Parse(QString::fromUtf16(strIn).simplified(), QLocale(), m); FAILED(hr))
        return hr;
    if (m.date.isNull() || (dwFlags & VAR_TIMEVALUEONLY))
        m.date = kDayZero;
    if (m.time.isNull() || (dwFlags & VAR_DATEVALUEONLY))
        m.time = QTime(0, 0);
    const SYSTEMTIME st{WORD(m.date.year()), WORD(m.date.month()), 0, WORD(m.date.day()), WORD(m.time.hour()),
        WORD(m.time.minute()), WORD(m.time.second()), 0};
    return SystemTimeToVariantTime(&st, pdateOut) ? S_OK : DISP_E_OVERFLOW;
}

HRESULT VarBstrFromDate(DATE dateIn, LCID, ULONG dwFlags, BSTR* pbstrOut)
{
    if (!pbstrOut)
        return E_INVALIDARG;
    *pbstrOut = nullptr;
    SYSTEMTIME st;
    if (!VariantTimeToSystemTime(dateIn, &st))
        return DISP_E_OVERFLOW;
    const QDate date(st.wYear, st.wMonth, st.wDay);
    const QTime time(st.wHour, st.wMinute, st.wSecond);
    bool withDate = !(dwFlags & VAR_TIMEVALUEONLY) && date != kDayZero;
    bool withTime = !(dwFlags & VAR_DATEVALUEONLY) && time != QTime(0, 0);
    if (!withDate && !withTime)
        (dwFlags & VAR_DATEVALUEONLY ? withDate : withTime) = true;
    const QLocale locale;
    const bool iso = dwFlags & VAR_ISO8601;
    QStringList parts;
    if (withDate)
        parts << (iso ? date.toString(Qt::ISODate) : locale.toString(date, ShortDate(locale, Use::Write)));
    if (withTime)
        parts << (iso ? time.toString(Qt::ISODate) : locale.toString(time, LongTime(locale, Use::Write)));
    const QString text = parts.join(iso ? u'T' : u' ');
    *pbstrOut = SysAllocStringLen(reinterpret_cast<const OLECHAR*>(text.utf16()), UINT(text.size()));
    return *pbstrOut ? S_OK : E_OUTOFMEMORY;
}
