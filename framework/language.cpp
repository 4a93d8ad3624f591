#include "framework/language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include "framework/resources.h"

namespace {

// The catalogs are built into the program, uncompressed, so that loading one
// reads it where it lies.
constexpr auto kCatalogs = QLatin1String(":/i18n");

QTranslator* g_pProgram = nullptr;
QTranslator* g_pToolkit = nullptr;

void Uninstall(QTranslator*& pTranslator)
{
    if (pTranslator)
        QCoreApplication::removeTranslator(pTranslator);
    delete pTranslator;
    pTranslator = nullptr;
}

} // namespace

void AfxSetLanguage(const char* pszLocale)
{
    QCoreApplication* app = QCoreApplication::instance();
    if (!app)
        return;
    Uninstall(g_pProgram);
    Uninstall(g_pToolkit);
    const QLocale locale = pszLocale ? QLocale(QString::fromLatin1(pszLocale)) : QLocale::system();
    g_pProgram = new QTranslator(app);
    if (g_pProgram->load(locale, QStringLiteral("quillet"), QStringLiteral("_"), kCatalogs) ||
        g_pProgram->load(QStringLiteral("quillet_en"), kCatalogs))
        QCoreApplication::installTranslator(g_pProgram);
    // The toolkit speaks English of itself.
    const QString language = g_pProgram->language();
    if (!language.isEmpty() && !language.startsWith(QLatin1String("en"))) {
        g_pToolkit = new QTranslator(app);
        if (g_pToolkit->load(QStringLiteral("qtbase_") + language, QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
            QCoreApplication::installTranslator(g_pToolkit);
    }
    AfxTranslateStringTable();
}

std::u16string AfxTranslate(const char* pszContext, LPCWSTR lpszText)
{
    if (!lpszText || !*lpszText || !g_pProgram)
        return lpszText ? lpszText : u"";
    const QByteArray source = QString::fromUtf16(lpszText).toUtf8();
    return QCoreApplication::translate(pszContext, source.constData()).toStdU16String();
}
