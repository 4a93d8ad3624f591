// Quillet in the user's language: both catalogs hold every text of the
// resource tables with its conversions; each window, its menu and its boxes
// show only English under every locale without a catalog, and the texts the
// program was first written with under Russian; the menu opens with Alt and
// its English letter; and a start chooses its language, and the toolkit's,
// from the environment as the toolkit reads it.
#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QMenu>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTranslator>
#include <QTreeWidget>

#include "framework/language.h"
#include "framework/listview.h"
#include "framework/resources.h"
#include "memory/MemoryDlg.h"
#include "monitor_fixture.h"
#include "res/resource.h"
#include "settings/SettingsDlg.h"
#include "skin/SkinPaths.h"

namespace {

bool HasCyrillic(const QString& text)
{
    return std::any_of(text.begin(), text.end(), [](QChar c) { return c.unicode() >= 0x400 && c.unicode() < 0x530; });
}

// The printf conversions of a text, in order: a translation must keep them.
QStringList Conversions(const QString& text)
{
    static const QRegularExpression conversion(
        QStringLiteral("%[-+ #0]*[0-9]*(?:\\.[0-9]+)?(?:hh|h|ll|l|L)?[diouxXeEfgGcsp%]"));
    QStringList found;
    for (const QRegularExpressionMatch& m : conversion.globalMatch(text))
        found << m.captured();
    return found;
}

struct ResourceText {
    const char* context;
    QString text;
};

// Every text of the string table, the templates and the menus.
std::vector<ResourceText> ResourceTexts()
{
    std::vector<ResourceText> texts;
    const auto add = [&texts](const char* context, LPCWSTR text) {
        if (text && *text)
            texts.push_back({context, QString::fromUtf16(text)});
    };
    for (size_t i = 0; i < afxResources.nStrings; ++i)
        add(AFX_CONTEXT_STRING, afxResources.pStrings[i].lpszText);
    for (size_t i = 0; i < afxResources.nDialogs; ++i) {
        const AFX_DLGTEMPLATE& dialog = *afxResources.pDialogs[i];
        add(AFX_CONTEXT_DIALOG, dialog.lpszTitle);
        for (size_t k = 0; k < dialog.nItems; ++k)
            add(AFX_CONTEXT_DIALOG, dialog.pItems[k].lpszText);
    }
    for (size_t i = 0; i < afxResources.nMenus; ++i)
        for (size_t k = 0; k < afxResources.pMenus[i].nItems; ++k)
            add(AFX_CONTEXT_MENU, afxResources.pMenus[i].pItems[k].lpszText);
    return texts;
}

class Catalog : public testing::TestWithParam<const char*> { };

TEST_P(Catalog, HoldsEveryResourceTextWithItsConversions)
{
    QTranslator catalog;
    ASSERT_TRUE(catalog.load(QStringLiteral(":/i18n/quillet_%1.qm").arg(QLatin1String(GetParam()))));
    for (const ResourceText& t : ResourceTexts()) {
        const QString translated = catalog.translate(t.context, t.text.toUtf8().constData());
        EXPECT_FALSE(translated.isEmpty()) << t.context << ": \"" << t.text.toStdString() << "\" has no translation";
        EXPECT_EQ(Conversions(translated), Conversions(t.text)) << t.context << ": " << t.text.toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(Languages, Catalog, testing::Values("en", "ru"),
    [](const testing::TestParamInfo<const char*>& info) { return std::string(info.param); });

constexpr const char* kEnglishLocales[] = {"en_US", "de_DE", "C"};

// The string table's texts that the program was first written with, which
// the Russian catalog holds as they stand.
struct OriginalString {
    const char* name;
    UINT nID;
    const char16_t* russian;
    friend void PrintTo(const OriginalString& row, std::ostream* os) { *os << row.name; }
};

const OriginalString kOriginalStrings[] = {
    {"KillQuestion", IDS_KILL_QUESTION, u"Вы хотите \"убить\" процесс"},
    {"KillFailed", IDS_KILL_FAILED, u"Процесс не был \"убит\"."},
    {"NoFile", IDS_NO_FILE, u"Не выбран файл."},
    {"NoFilesOrFolders", IDS_NO_FILES_OR_FOLDERS, u"Не выбраны файлы и папки."},
    {"ErrorCaption", IDS_ERROR, u"Error"},
    {"DialogErrorCaption", IDS_QUILLET_ERROR, u"Quillet: Error"},
    {"PictureError", IDS_CANT_LOAD_PICTURE, u"Can't load the picture"},
    {"BatteryError", IDS_NO_BATTERY_STATUS, u"No battery status"},
    {"Charging", IDS_CHARGING, u"Подзарядка..."},
    {"MemoryFree", IDS_MEMORY_FREE, u"Free:  %0.2lf MB"},
    {"MemoryTotal", IDS_MEMORY_TOTAL, u"Total:  %0.2lf MB"},
    {"MemoryUsed", IDS_MEMORY_USED, u"Used:  %0.2lf MB"},
    {"MemoryFreeOfTotal", IDS_MEMORY_FREE_OF_TOTAL, u"%0.2lf  /  %0.2lf MB"},
    {"VolumeFree", IDS_VOLUME_FREE, u"Free:  %0.1lf MB"},
    {"VolumeTotal", IDS_VOLUME_TOTAL, u"Total:  %0.1lf MB"},
    {"VolumeUsed", IDS_VOLUME_USED, u"Used:  %0.1lf MB"},
    {"VolumeFreeOfTotal", IDS_VOLUME_FREE_OF_TOTAL, u"%0.1lf  /  %0.1lf MB"},
    {"SoftResetPrompt", IDS_SOFT_RESET_PROMPT, u"Вы действительно хотите сделать Софт-Ресет?"},
    {"ProcessesHeader", IDS_PROCESSES, u"Процессы"},
    {"DelayPrefix", IDS_DELAY_PREFIX, u"Задержка:  "},
    {"DelaySuffix", IDS_DELAY_SUFFIX, u" сек."},
    {"WarningLabel", IDS_WARNING_LABEL, u"Предупреждать перед СР"},
    {"CreditLine", IDS_CREDIT_LINE, u"Автор: команда"},
};

class StringTable : public testing::TestWithParam<OriginalString> {
protected:
    ~StringTable() override { AfxSetLanguage("ru_RU"); }
};

TEST_P(StringTable, RussianAsWrittenAndEnglishElsewhere)
{
    const OriginalString& row = GetParam();
    CString text;
    AfxSetLanguage("ru_RU");
    ASSERT_TRUE(text.LoadString(row.nID));
    EXPECT_EQ(text, CString(row.russian));
    for (const char* locale : kEnglishLocales) {
        AfxSetLanguage(locale);
        text.LoadString(row.nID);
        const QString english = QString::fromStdU16String(text.str());
        EXPECT_FALSE(english.isEmpty()) << locale;
        EXPECT_FALSE(HasCyrillic(english)) << locale << ": " << english.toStdString();
        EXPECT_EQ(Conversions(english), Conversions(QString::fromUtf16(row.russian))) << locale;
    }
}

INSTANTIATE_TEST_SUITE_P(Original, StringTable, testing::ValuesIn(kOriginalStrings),
    [](const testing::TestParamInfo<OriginalString>& info) { return std::string(info.param.name); });

// Texts every walk must meet: in English (whatever the locale without a
// catalog), and as the program was first written, in Russian; with a name
// screen readers give a button.
const char16_t* const kEnglishWindowTexts[] = {u"Quillet", u"&Menu", u"&Settings", u"&About Quillet...", u"E&xit",
    u"Close", u"Charging...", u"Do you really want to restart the computer?", u"Memory", u"Processes",
    u"Do you want to end the process 'alpha'?", u"Can't load the picture", u"Quillet: Error", u"About Quillet",
    u"Version 1.8", u"Author: the team", u"Settings", u"Delay:  15 s", u"Ask before restarting", u"Choose a folder",
    u"Restart"};
const char16_t* const kOriginalWindowTexts[] = {u"Quillet", u"&Меню", u"Настройки", u"О программе...", u"&Закрыть",
    u"Подзарядка...", u"Вы действительно хотите сделать Софт-Ресет?", u"Speicher Dialog", u"Процессы",
    u"Вы хотите \"убить\" процесс 'alpha'?", u"Can't load the picture", u"Quillet: Error", u"About Quillet",
    u"Quillet ", u"Версия 1.8", u"© 2026 Quillet", u"Автор: команда", u"Settings", u"Задержка:  15 сек.",
    u"Предупреждать перед СР", u"PPC_Tree", u"Перезагрузка"};

struct Walk {
    const char* name;
    const char* locale;
    bool russian;
    friend void PrintTo(const Walk& row, std::ostream* os) { *os << row.name; }
};

// Everything a window says: its title and, for each control, the
// framework's window text, a level bar's text, a button's text and tip,
// what screen readers hear of it, a menu's items and a list's column headers.
void AddTexts(QWidget* window, QStringList& texts)
{
    texts << window->windowTitle();
    for (QWidget* w : window->findChildren<QWidget*>()) {
        if (QAccessibleInterface* a = QAccessible::queryAccessibleInterface(w))
            texts << a->text(QAccessible::Name) << a->text(QAccessible::Description);
        if (const AfxWindowRecord* r = AfxRecord(AfxHandleOf(w))) {
            texts << r->window->Text();
            if (auto* pBar = dynamic_cast<CLevelBar*>(r->pWnd))
                texts << QString::fromStdU16String(pBar->m_strText.str());
        }
        texts << w->toolTip();
        if (auto* button = qobject_cast<QAbstractButton*>(w))
            texts << button->text();
        if (auto* menu = qobject_cast<QMenu*>(w))
            for (QAction* action : menu->actions())
                texts << action->text();
        if (auto* list = qobject_cast<QTreeWidget*>(w))
            for (int i = 0; i < list->columnCount(); ++i)
                texts << list->headerItem()->text(i);
    }
}

class WindowTexts : public MonitorFixture, public testing::WithParamInterface<Walk> {
protected:
    WindowTexts() : m_log("QUILLET_DEVICE_LOG", m_tree.Path("device.log")) { }
    ~WindowTexts() override { AfxSetLanguage("ru_RU"); }
    ScopedEnv m_log;
};

// The monitor screen with its charging battery and restart question, and
// each dialog (the memory dialog with its end-task question, the folder
// browser from the settings dialog); only the monitor screen has a picture,
// so the first dialog says it cannot load its own (the default skin's
// pictures stand in, and the box tells it once a start).
TEST_P(WindowTexts, EveryWindowMenuAndBoxSpeaksTheLanguage)
{
    AfxSetLanguage(GetParam().locale);
    ResetSkinStandInNotice();
    AddBattery("BAT0", {"capacity=57", "status=Charging"});
    WriteSoftResetWarningSetting(1);
    m_root.Write("/proc/100/stat", "100 (alpha) S 1 1 1 0 -1 4194560 0 0 0 0 0 0 0 0 20 0 1 0 77 1 1\n");
    m_root.Write("/proc/100/cmdline", "alpha");
    QStringList texts;
    ModalRecorder dialogs(IDCANCEL, [&texts](CDialog* pDlg) {
        AddTexts(AfxWidget(pDlg->m_hWnd), texts);
        if (auto* pMemory = dynamic_cast<CMemoryDlg*>(pDlg)) {
            LVITEMW state{};
            state.state = state.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
            ::SendMessage(pMemory->m_hTaskList, LVM_SETITEMSTATE, 0, reinterpret_cast<LPARAM>(&state));
            ::SendMessage(pMemory->m_hTaskList, LVM_SETSELECTIONMARK, 0, 0);
            Tap(pMemory->m_btnKill);
        }
        if (auto* pSettings = dynamic_cast<CSettingsDlg*>(pDlg))
            Tap(pSettings->m_btnBrowse);
    });
    CQuilletView* view = Start();
    ASSERT_NE(view, nullptr);
    AddTexts(AfxWidget(AfxGetMainWnd()->m_hWnd), texts);
    Tap(view->m_btnSoftReset);
    for (UINT nID : {UINT(IDC_MEMORY_DIALOG), ID_ABOUT_MENU, ID_SETTINGS_MENU})
        Command(nID);
    EXPECT_EQ(dialogs.count, 4);
    for (const AFX_MESSAGEBOX& box : m_boxes.boxes)
        texts << QString::fromStdU16String(box.strText.str()).split(u'\n')
              << QString::fromStdU16String(box.strCaption.str());
    texts.removeAll(QString());

    if (!GetParam().russian) {
        for (const QString& text : texts)
            EXPECT_FALSE(HasCyrillic(text)) << text.toStdString();
    }
    const auto check = [&texts](const auto& expected) {
        for (const char16_t* text : expected)
            EXPECT_TRUE(texts.contains(QString::fromUtf16(text))) << QString::fromUtf16(text).toStdString();
    };
    if (GetParam().russian)
        check(kOriginalWindowTexts);
    else
        check(kEnglishWindowTexts);
}

INSTANTIATE_TEST_SUITE_P(Locales, WindowTexts,
    testing::Values(Walk{"English", "en_US", false}, Walk{"German", "de_DE", false}, Walk{"PlainC", "C", false},
        Walk{"Russian", "ru_RU", true}),
    [](const testing::TestParamInfo<Walk>& info) { return std::string(info.param.name); });

class MenuKey : public MonitorFixture {
protected:
    ~MenuKey() override { AfxSetLanguage("ru_RU"); }
};

// On a Latin keyboard the menu must open with the letter its English title
// marks.
TEST_F(MenuKey, AltMOpensTheMenuInEnglish)
{
    AfxSetLanguage("en_US");
    ASSERT_NE(Start(), nullptr);
    QWidget* frame = AfxWidget(AfxGetMainWnd()->m_hWnd);
    frame->show();
    frame->activateWindow();
    ASSERT_TRUE(PumpUntil([frame] { return QApplication::activeWindow() == frame; }));
    QStringList opened;
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [&] {
        if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
            for (QAction* action : menu->actions())
                opened << action->text();
            menu->close();
            watch.stop();
        }
    });
    watch.start(5);
    QTest::keyClick(frame, Qt::Key_M, Qt::AltModifier);
    EXPECT_TRUE(PumpUntil([&opened] { return !opened.isEmpty(); }, 2000));
    EXPECT_EQ(opened, QStringList({"&Settings", "", "&About Quillet...", "E&xit"}));
}

// A start as the program makes it, in a child with only these variables of
// the locale set: the language of the program's texts, of the toolkit's
// buttons, and the figures' decimal point, which no language changes.
struct Environment {
    const char* name;
    std::vector<std::pair<const char*, const char*>> variables;
    bool russian;
    friend void PrintTo(const Environment& row, std::ostream* os) { *os << row.name; }
};

// The probe's three lines, started with these variables of the locale and
// no others.
QStringList Probe(const std::vector<std::pair<const char*, QString>>& variables)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"})
        env.remove(QLatin1String(name));
    env.insert("QT_QPA_PLATFORM", "offscreen");
    for (const auto& [name, value] : variables)
        env.insert(QLatin1String(name), value);
    QProcess probe;
    probe.setProcessEnvironment(env);
    probe.start(QStringLiteral(QUILLET_BIN_DIR "/language_probe"), {});
    if (!probe.waitForFinished(10000))
        return {};
    QStringList lines = QString::fromUtf8(probe.readAllStandardOutput()).split(u'\n');
    return lines.size() >= 3 ? lines.mid(0, 3) : QStringList();
}

class StartLanguage : public testing::TestWithParam<Environment> { };

TEST_P(StartLanguage, FollowsTheLocaleAsTheToolkitReadsIt)
{
    std::vector<std::pair<const char*, QString>> variables;
    for (const auto& [name, value] : GetParam().variables)
        variables.emplace_back(name, QLatin1String(value));
    const QStringList lines = Probe(variables);
    ASSERT_EQ(lines.size(), 3);
    EXPECT_EQ(lines[0].toStdString(), GetParam().russian ? "&Меню" : "&Menu");
    EXPECT_EQ(lines[1].toStdString(), GetParam().russian ? "&Да" : "&Yes");
    EXPECT_EQ(lines[2].toStdString(), "4096.50");
}

INSTANTIATE_TEST_SUITE_P(Variables, StartLanguage,
    testing::Values(Environment{"NothingSet", {}, false}, Environment{"LangEnglish", {{"LANG", "en_US.UTF-8"}}, false},
        Environment{"LangRussian", {{"LANG", "ru_RU.UTF-8"}}, true},
        Environment{"LangGermanGetsEnglishButtonsToo", {{"LANG", "de_DE.UTF-8"}}, false},
        Environment{"LangC", {{"LANG", "C"}}, false},
        Environment{"LcMessagesBeforeLang", {{"LANG", "en_US.UTF-8"}, {"LC_MESSAGES", "ru_RU.UTF-8"}}, true},
        Environment{"LcAllBeforeLcMessages", {{"LC_MESSAGES", "en_US.UTF-8"}, {"LC_ALL", "ru_RU.UTF-8"}}, true},
        Environment{"LanguageListFirstWithACatalog", {{"LANG", "en_US.UTF-8"}, {"LANGUAGE", "de:ru"}}, true},
        Environment{"LanguageBeforeLcAll", {{"LC_ALL", "ru_RU.UTF-8"}, {"LANGUAGE", "en"}}, false}),
    [](const testing::TestParamInfo<Environment>& info) { return std::string(info.param.name); });

// The toolkit hands the user's locale to the C library, whose Russian
// numbers have a decimal comma; the read-outs keep their point. Needs a
// Russian locale, made here when the machine has the means.
TEST(StartNumbers, RussianLocaleKeepsTheDecimalPoint)
{
    QTemporaryDir locales;
    QProcess make;
    make.start(QStringLiteral("localedef"),
        {QStringLiteral("-i"), QStringLiteral("ru_RU"), QStringLiteral("-f"), QStringLiteral("UTF-8"),
            locales.filePath(QStringLiteral("ru_RU.UTF-8"))});
    if (!make.waitForFinished(60000) || make.exitStatus() != QProcess::NormalExit || make.exitCode() != 0)
        GTEST_SKIP() << "no Russian locale can be made here";
    const QStringList lines = Probe({{"LOCPATH", locales.path()}, {"LC_ALL", QStringLiteral("ru_RU.UTF-8")}});
    ASSERT_EQ(lines.size(), 3);
    EXPECT_EQ(lines[2].toStdString(), "4096.50");
}

} // namespace
