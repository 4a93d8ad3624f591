// The folder tree over folders made by the tests: what a level lists and in
// which order, opening again, paths, the check boxes and collecting what
// is ticked, links that loop included.
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QKeyEvent>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>

#include <random>
#include <thread>

#include "folder_fixture.h"
#include "framework/wait.h"
#include "platform/file.h"
#include "platform/text.h"

namespace {

constexpr DWORD kCheckTreeStyle = kPlainTreeStyle | TVS_CHECKBOXES;

TEST(FolderTree, ListsOneLevel)
{
    struct Case {
        const char* name;
        bool foldersOnly;
        const char16_t* filter;
        QStringList children;
        QStringList withButtons;
    };
    const Case cases[] = {
        {"FoldersOnlyListsNoFilesAndNoButtonForFilesAlone", true, u"", {"alpha", "Beta", "gamma"}, {"gamma"}},
        {"ExeFilterIgnoresCaseAndNeedsTheDot", false, u".exe", {"alpha", "Beta", "gamma", "Setup.EXE", "tool.exe"},
            {"Beta", "gamma"}},
        {"FoldersFirstThenFilesEachWithoutRegardToCase", false, u"",
            {"alpha", "Beta", "gamma", "exe", "readme.txt", "Setup.EXE", "tool.exe"}, {"Beta", "gamma"}},
    };
    FolderFixture folder;
    folder.Make({"gamma/deep/", "Beta/only-a-file.txt", "alpha/", "readme.txt", "Setup.EXE", "exe", "tool.exe"});
    for (const Case& c : cases) {
        FolderTreeHost host;
        host.tree.Fill(c.foldersOnly, false, c.filter);
        const HTREEITEM hRoot = OpenPath(host.tree, folder.Root());
        EXPECT_NE(hRoot, nullptr) << c.name;
        if (!hRoot)
            continue;
        EXPECT_EQ(ChildNames(host.tree, hRoot), c.children) << c.name;
        const auto withButtons = [&] {
            QStringList names;
            for (HTREEITEM h = host.tree.GetChildItem(hRoot); h; h = host.tree.GetNextSiblingItem(h))
                if (HasButton(host.tree, h))
                    names << TextOf(host.tree.GetItemText(h));
            return names;
        };
        // Folders not yet looked into show a button for the while.
        PumpUntil([&] { return withButtons() == c.withButtons; }, 2000);
        EXPECT_EQ(withButtons(), c.withButtons) << c.name;
    }
}

TEST(FolderTree, ClassifiesInRomBeforeFolders)
{
    struct Case {
        const char* name;
        DWORD attributes;
        EntryKind kind;
    };
    const Case cases[] = {
        {"UnreadableIsSkipped", INVALID_FILE_ATTRIBUTES, ekUnreadable},
        {"InRomFolderCountsAsRomFile", FILE_ATTRIBUTE_INROM | FILE_ATTRIBUTE_DIRECTORY, ekRomFile},
        {"Folder", FILE_ATTRIBUTE_DIRECTORY, ekFolder},
        {"File", FILE_ATTRIBUTE_NORMAL, ekFile},
    };
    for (const Case& c : cases)
        EXPECT_EQ(CFolderTree::ClassifyEntry(c.attributes), c.kind) << c.name;
}

TEST(FolderTree, LargeLevelSettlesItsButtonsJustAfterShowing)
{
    FolderFixture folder;
    for (int i = 0; i < 300; ++i)
        folder.Make({"big/" + std::to_string(1000 + i) + (i % 3 ? "/" : "/inner/")});
    FolderTreeHost host;
    host.tree.Fill(true, false, u"");
    HTREEITEM hBig = OpenPath(host.tree, folder.Root() / "big");
    ASSERT_NE(hBig, nullptr);
    const auto buttons = [&] {
        QString pattern;
        for (HTREEITEM h = host.tree.GetChildItem(hBig); h; h = host.tree.GetNextSiblingItem(h))
            pattern += HasButton(host.tree, h) ? u'+' : u'.';
        return pattern;
    };
    QString expected;
    for (int i = 0; i < 300; ++i)
        expected += i % 3 ? u'.' : u'+';
    // Until a folder has been looked into it shows a button: none that should have one lacks it.
    const QString shown = buttons();
    for (int i = 0; i < 300; ++i) {
        if (expected[i] == u'+') {
            EXPECT_EQ(shown[i], u'+') << "folder " << i;
        }
    }
    EXPECT_TRUE(PumpUntil([&] { return buttons() == expected; })) << buttons().toStdString();
    // Filling again while folders are still to be looked into forgets them,
    // or they would be looked into for the new items that take their memory.
    // A stall as each level's first item goes in stands in for a slow disk:
    // the step's time runs out before the level's folders are looked into.
    folder.Make({"big/0999/"});
    host.tree.Fill(true, false, u"");
    int stalls = 0;
    const QMetaObject::Connection stall = QObject::connect(
        static_cast<QTreeWidget*>(AfxWidget(host.tree.m_hWnd))->model(), &QAbstractItemModel::rowsInserted,
        [&stalls](const QModelIndex&, int first) {
            if (first != 0)
                return;
            ++stalls;
            std::this_thread::sleep_for(AFX_STEP_TIME * 2);
        });
    OpenPath(host.tree, folder.Root() / "big");
    host.tree.Fill(true, false, u"");
    hBig = OpenPath(host.tree, folder.Root() / "big");
    QObject::disconnect(stall);
    ASSERT_NE(hBig, nullptr);
    EXPECT_GE(stalls, 3) << "the level, the top level filled again, and the level again";
    EXPECT_TRUE(PumpUntil([&] { return buttons() == u'.' + expected; })) << buttons().toStdString();
}

TEST(FolderTree, SortKeepsTheOrderOfAnExchangeSort)
{
    struct Case {
        const char* name;
        QStringList names;
        QStringList sorted;
    };
    const Case cases[] = {
        {"CaseIsIgnored", {"gamma", "Beta", "alpha"}, {"alpha", "Beta", "gamma"}},
        {"EqualNamesKeepTheirOrder", {"b", "A", "a", "B"}, {"A", "a", "b", "B"}},
        {"CyrillicFoldsToo", {"Яблоко", "арбуз", "Банан"}, {"арбуз", "Банан", "Яблоко"}},
    };
    const auto sortNames = [](const QStringList& names) {
        CStringArray array;
        for (const QString& name : names)
            array.Add(CString(name.toStdU16String()));
        CFolderTree::SortNames(array);
        QStringList out;
        for (int i = 0; i < array.GetSize(); ++i)
            out << TextOf(array[i]);
        return out;
    };
    for (const Case& c : cases)
        EXPECT_EQ(sortNames(c.names), c.sorted) << c.name;

    // Many names that differ only in case, against the exchange sort itself.
    std::mt19937 random(7);
    QStringList names;
    for (int i = 0; i < 1500; ++i)
        names << QString(QChar(char16_t(u'a' + random() % 3))) + QChar(random() % 2 ? u'X' : u'x') +
                QString::number(i % 4);
    QStringList exchanged = names;
    for (bool swapped = true; swapped;) {
        swapped = false;
        for (qsizetype i = 0; i + 1 < exchanged.size(); ++i)
            if (exchanged[i].compare(exchanged[i + 1], Qt::CaseInsensitive) > 0) {
                exchanged.swapItemsAt(i, i + 1);
                swapped = true;
            }
    }
    EXPECT_EQ(sortNames(names), exchanged);
}

TEST(FolderTree, OpeningAgainAddsOnlyNewNames)
{
    FolderFixture folder;
    folder.Make({"box/old.txt", "box/inner/"});
    FolderTreeHost host;
    host.tree.Fill(false, false, u"");
    const HTREEITEM hBox = OpenPath(host.tree, folder.Root() / "box");
    ASSERT_NE(hBox, nullptr);
    EXPECT_EQ(ChildNames(host.tree, hBox), QStringList({"inner", "old.txt"}));
    host.tree.Expand(hBox, TVE_COLLAPSE);
    host.tree.Expand(hBox, TVE_EXPAND);
    EXPECT_EQ(ChildNames(host.tree, hBox), QStringList({"inner", "old.txt"})) << "no duplicates";
    folder.Make({"box/new.txt"});
    host.tree.Expand(hBox, TVE_COLLAPSE);
    host.tree.Expand(hBox, TVE_EXPAND);
    EXPECT_EQ(ChildNames(host.tree, hBox), QStringList({"inner", "old.txt", "new.txt"}));
}

TEST(FolderTree, AwkwardEntriesNeitherCrashNorGiveWrongPaths)
{
    FolderFixture folder;
    const std::string longName(255, 'n');
    const std::string badName = "bad\xFF\xFEname";
    folder.Make({badName + "/inside.txt", longName + "/" + longName + "/" + longName + "/deepest.txt", "gone/x.txt",
        "locked/secret.txt"});
    fs::create_symlink("nowhere", folder.Root() / "dangling");
    FolderTreeHost host;
    host.tree.Fill(false, false, u"");
    const HTREEITEM hRoot = OpenPath(host.tree, folder.Root());
    ASSERT_NE(hRoot, nullptr);
    EXPECT_EQ(ChildNames(host.tree, hRoot).filter(QStringLiteral("dangling")), QStringList())
        << "a link to nothing cannot be read and is left out";

    // A name that is not UTF-8 shows a replacement character, and its item still opens that folder.
    HTREEITEM hBad = host.tree.GetChildItem(hRoot);
    while (hBad && !TextOf(host.tree.GetItemText(hBad)).startsWith(QStringLiteral("bad")))
        hBad = host.tree.GetNextSiblingItem(hBad);
    ASSERT_NE(hBad, nullptr);
    QStringList shown;
    for (QTreeWidgetItemIterator it(static_cast<QTreeWidget*>(AfxWidget(host.tree.m_hWnd))); *it; ++it)
        if ((*it)->text(0).startsWith(QStringLiteral("bad")))
            shown << (*it)->text(0);
    EXPECT_EQ(shown, QStringList({QStringLiteral("bad\uFFFD\uFFFDname")}));
    host.tree.Expand(hBad, TVE_EXPAND);
    EXPECT_EQ(ChildNames(host.tree, hBad), QStringList({"inside.txt"}));
    CString strPath;
    host.tree.GetItemPath(strPath, false, hBad);
    EXPECT_EQ(FileNameFromUtf16(strPath.str()), (folder.Root() / badName).string());

    // Names of 255 characters, and a path far beyond 256, stay whole.
    HTREEITEM hDeep = OpenPath(host.tree, folder.Root() / longName / longName / longName);
    ASSERT_NE(hDeep, nullptr);
    EXPECT_EQ(ChildNames(host.tree, hDeep), QStringList({"deepest.txt"}));
    host.tree.GetItemPath(strPath, false, hDeep);
    EXPECT_EQ(FileNameFromUtf16(strPath.str()), (folder.Root() / longName / longName / longName).string());

    // A folder gone since it was listed opens empty and loses its button.
    const HTREEITEM hGone = ChildNamed(host.tree, hRoot, "gone");
    ASSERT_NE(hGone, nullptr);
    EXPECT_TRUE(HasButton(host.tree, hGone));
    fs::remove_all(folder.Root() / "gone");
    host.tree.Expand(hGone, TVE_EXPAND);
    EXPECT_TRUE(ChildNames(host.tree, hGone).isEmpty());
    EXPECT_FALSE(HasButton(host.tree, hGone));

    // Without permission a folder shows nothing (root reads it anyway).
    if (geteuid() != 0) {
        fs::permissions(folder.Root() / "locked", fs::perms::none);
        host.tree.Fill(false, false, u"");
        const HTREEITEM hLocked = OpenPath(host.tree, folder.Root() / "locked");
        ASSERT_NE(hLocked, nullptr);
        PumpUntil([&] { return !HasButton(host.tree, hLocked); }, 2000);
        EXPECT_FALSE(HasButton(host.tree, hLocked));
        EXPECT_TRUE(ChildNames(host.tree, hLocked).isEmpty());
        fs::permissions(folder.Root() / "locked", fs::perms::owner_all);
    }
}

TEST(FolderTree, ItemPathFromTheRoot)
{
    FolderTreeHost host;
    host.tree.Fill(true, false, u"");
    CString strPath(u"stale");
    host.tree.SelectItem(nullptr);
    host.tree.GetItemPath(strPath, true, nullptr);
    EXPECT_EQ(strPath, CString()) << "nothing selected";

    TVINSERTSTRUCTW tvis{};
    tvis.hParent = TVI_ROOT;
    tvis.hInsertAfter = TVI_LAST;
    tvis.item.mask = TVIF_TEXT;
    std::u16string text = u"Temp";
    tvis.item.pszText = text.data();
    const HTREEITEM hTemp = host.tree.InsertItem(&tvis);
    host.tree.SelectItem(hTemp);
    host.tree.GetItemPath(strPath, true, nullptr);
    EXPECT_EQ(strPath, CString(u"/Temp"));
}

// Ticks and clears by the check boxes, as the browser does on a tap.
class CheckBoxes : public testing::Test {
protected:
    CheckBoxes() : m_host(kCheckTreeStyle)
    {
        m_folder.Make({"top/a/x.txt", "top/b/", "top/c.txt", "top/a/deep/y.txt"});
        m_host.tree.Fill(false, false, u"");
        m_top = OpenPath(m_host.tree, m_folder.Root() / "top");
        m_a = OpenPath(m_host.tree, m_folder.Root() / "top" / "a");
    }

    HTREEITEM Item(const QString& relative)
    {
        HTREEITEM h = m_top;
        for (const QString& part : relative.split(u'/', Qt::SkipEmptyParts))
            h = ChildNamed(m_host.tree, h, part);
        return h;
    }

    void Tap(const QString& relative)
    {
        m_host.tree.OnStateIconClick(Item(relative));
        PumpFor(5); // the posted re-apply
    }

    CheckState State(const QString& relative) { return m_host.tree.GetCheckState(Item(relative)); }

    // Paths collected, from the fixture's own folder.
    QStringList Relative(const CStringArray& paths) const
    {
        const QString prefix = QString::fromStdString(m_folder.Root().relative_path().string()) + u'/';
        QStringList out;
        for (int i = 0; i < paths.GetSize(); ++i)
            out << TextOf(paths[i]).remove(0, prefix.size());
        return out;
    }

    FolderFixture m_folder;
    FolderTreeHost m_host;
    HTREEITEM m_top = nullptr;
    HTREEITEM m_a = nullptr;
};

TEST_F(CheckBoxes, TriStateRules)
{
    struct Case {
        const char* name;
        QStringList taps;
        std::vector<std::pair<QString, CheckState>> states;
    };
    EXPECT_EQ(State(""), csUnchecked) << "items start with an empty box";
    EXPECT_EQ(State("a/x.txt"), csUnchecked);
    const Case cases[] = {
        {"TickingAFolderTicksItsLoadedDescendants", {""},
            {{"", csChecked}, {"a", csChecked}, {"a/x.txt", csChecked}, {"a/deep", csChecked}, {"c.txt", csChecked}}},
        {"UntickingOneChildMakesTheFolderPartial", {"", "b"}, {{"", csPartial}, {"b", csUnchecked}, {"a", csChecked}}},
        {"TickingItAgainTicksTheFolder", {"", "b", "b"}, {{"", csChecked}, {"b", csChecked}}},
        {"PartialReachesEveryAncestor", {"a/x.txt"}, {{"a", csPartial}, {"", csPartial}}},
        {"TapOnPartialClearsTheWholeSubtree", {"", "b", ""},
            {{"", csUnchecked}, {"a", csUnchecked}, {"a/x.txt", csUnchecked}, {"c.txt", csUnchecked}}},
    };
    for (const Case& c : cases) {
        Tap("");
        if (State("") == csChecked)
            Tap(""); // all clear again
        for (const QString& tap : c.taps)
            Tap(tap);
        for (const auto& [item, state] : c.states)
            EXPECT_EQ(State(item), state) << c.name << ": " << item.toStdString();
    }
}

TEST_F(CheckBoxes, ItemsAppearingUnderATickedFolderComeUpTicked)
{
    Tap("b");
    m_folder.Make({"top/b/later.txt"});
    m_host.tree.Expand(Item("b"), TVE_EXPAND);
    EXPECT_EQ(State("b/later.txt"), csChecked);
}

TEST_F(CheckBoxes, CollectsWhatIsTicked)
{
    m_folder.Make({"top/a/deep/deeper/z.txt", "top/a/deep/skip.exe"});
    Tap("a");
    Tap("c.txt");
    CStringArray files, folders;
    const int n = m_host.tree.CollectChecked(files, folders);
    EXPECT_EQ(Relative(folders), QStringList({"top/a", "top/a/deep", "top/a/deep/deeper"}))
        << "every folder below, opened or not";
    EXPECT_EQ(Relative(files),
        QStringList(
            {"top/a/deep/deeper/z.txt", "top/a/deep/skip.exe", "top/a/deep/y.txt", "top/a/x.txt", "top/c.txt"}));
    EXPECT_EQ(n, 8);
    EXPECT_FALSE(TextOf(folders[0]).startsWith(u'/')) << "paths are given without the root's separator";
}

TEST_F(CheckBoxes, CollectingFollowsLinksOnceAndNeverRoundALoop)
{
    m_folder.Make({"top/b/sub/", "outside/o.txt"});
    m_folder.Link("top/b/sub/up", "..");
    m_folder.Link("top/b/self", ".");
    m_folder.Link("top/b/root", "/");
    m_folder.Link("top/b/proc", "/proc/self/root");
    m_folder.Link("top/b/sub/grandparent", "../../..");
    m_folder.Link("top/b/out", "../../outside");
    m_folder.Link("top/b/out2", "../../outside");
    Tap("b");
    CStringArray files, folders;
    m_host.tree.CollectChecked(files, folders);
    QStringList names = Relative(folders);
    // Either link to the outside folder may be the one entered.
    names.replaceInStrings(QStringLiteral("top/b/out2"), QStringLiteral("top/b/out"));
    EXPECT_EQ(names, QStringList({"top/b", "top/b/out", "top/b/sub"}));
    EXPECT_EQ(Relative(files).replaceInStrings(QStringLiteral("out2"), QStringLiteral("out")),
        QStringList({"top/b/out/o.txt"}));
}

TEST_F(CheckBoxes, EscapeAbandonsCollectingAndLeavesTheListsAsTheyWere)
{
    Tap("a");
    CStringArray files, folders;
    files.Add(u"kept");
    QCoreApplication::postEvent(
        AfxWidget(m_host.tree.m_hWnd), new QKeyEvent(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier));
    EXPECT_EQ(m_host.tree.CollectChecked(files, folders), -1);
    EXPECT_TRUE(files.GetSize() == 1 && files[0] == CString(u"kept"));
    EXPECT_EQ(folders.GetSize(), 0);
    EXPECT_EQ(m_host.tree.CollectChecked(files, folders), 5) << "the next one runs to its end";
}

// A file system of its own below the ticked folder: a link to one, or a
// mount where the test may mount.
struct OtherFileSystem {
    const char* name;
    bool mount;
    const char* tap; // under "top"
    QStringList folders;
    QStringList files;
};

class OneFileSystem : public CheckBoxes, public testing::WithParamInterface<OtherFileSystem> {
protected:
    ~OneFileSystem() override
    {
        if (!m_mounted.empty())
            ::umount2(m_mounted.c_str(), MNT_DETACH);
        std::error_code ec;
        if (!m_shm.empty())
            fs::remove_all(m_shm, ec);
    }

    // Where the other file system is seen below "top/b", or empty when it cannot be made here.
    fs::path Make(bool bMount)
    {
        const fs::path other = m_folder.Root() / "top" / "b" / "other";
        if (bMount) {
            fs::create_directories(other);
            if (::mount("tmpfs", other.c_str(), "tmpfs", 0, "size=1m") != 0)
                return {};
            m_mounted = other;
        } else {
            char shm[] = "/dev/shm/qt-walk-XXXXXX";
            if (!::mkdtemp(shm))
                return {};
            m_shm = shm;
            fs::create_directory_symlink(m_shm, other);
        }
        struct stat mine = {};
        struct stat theirs = {};
        if (::stat(m_folder.Root().c_str(), &mine) != 0 || ::stat(other.c_str(), &theirs) != 0 ||
            mine.st_dev == theirs.st_dev)
            return {};
        fs::create_directories(other / "deeper");
        std::ofstream(other / "far.txt") << "";
        fs::create_directories(other.parent_path() / "near"); // so that "other" can be ticked alone
        return other;
    }

    fs::path m_mounted;
    fs::path m_shm;
};

TEST_P(OneFileSystem, CollectingStaysOnTheTickedFolders)
{
    const OtherFileSystem& c = GetParam();
    if (Make(c.mount).empty())
        GTEST_SKIP() << "no other file system can be made here";
    m_host.tree.Expand(Item("b"), TVE_EXPAND);
    Tap(c.tap);
    CStringArray files, folders;
    m_host.tree.CollectChecked(files, folders);
    EXPECT_EQ(Relative(folders), c.folders);
    EXPECT_EQ(Relative(files), c.files);
}

INSTANTIATE_TEST_SUITE_P(Rows, OneFileSystem,
    testing::Values(
        OtherFileSystem{"LinkToAnotherListedNotEntered", false, "b", {"top/b", "top/b/near", "top/b/other"}, {}},
        OtherFileSystem{"MountBelowListedNotEntered", true, "b", {"top/b", "top/b/near", "top/b/other"}, {}},
        OtherFileSystem{"TickedMountPointIsWalked", true, "b/other", {"top/b/other", "top/b/other/deeper"},
            {"top/b/other/far.txt"}}),
    [](const testing::TestParamInfo<OtherFileSystem>& info) { return std::string(info.param.name); });

} // namespace
