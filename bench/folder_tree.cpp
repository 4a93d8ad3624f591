// Opening a large folder in the folder tree, side by side in one run with
// the toolkit's floor: a bare tree widget filled with the same names, as
// Qt lists and sorts them (folders first, without regard to case), and the
// same widget filled with the names already in memory (the toolkit's part
// alone). Each time runs from the request to the end of the repaint that
// shows the items; for subfolders also until every expand button is right, as the
// tree looks into folders past the first screenful just after it shows
// them. Prints the medians and the ratios.
#include <QAbstractScrollArea>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTreeWidget>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <vector>

#include "browser/FolderTree.h"
#include "framework/app.h"
#include "framework/hwnd_p.h"

namespace {

namespace fs = std::filesystem;

constexpr RECT kArea{0, 0, 240, 320};

// Names in mixed case, created in no particular order.
void MakeFolder(const fs::path& folder, int count, bool subfolders)
{
    fs::create_directories(folder);
    for (int i = 0; i < count; ++i) {
        const int n = (i * 7919) % count;
        const fs::path entry = folder / ((n % 3 ? "entry" : "Entry") + std::to_string(n));
        if (subfolders)
            fs::create_directory(entry);
        else
            std::ofstream(entry) << "";
    }
}

void Repaint(QWidget* view)
{
    static_cast<QAbstractScrollArea*>(view)->viewport()->repaint();
}

HTREEITEM Child(CTreeCtrl& tree, HTREEITEM hParent, const CString& name)
{
    HTREEITEM h = tree.GetChildItem(hParent);
    while (h && tree.GetItemText(h) != name)
        h = tree.GetNextSiblingItem(h);
    return h;
}

struct TreeTimes {
    double shown;   // the level is on screen
    double settled; // and every folder's expand button is right
};

bool HasButton(CTreeCtrl& tree, HTREEITEM hItem)
{
    TVITEMW item{};
    item.mask = TVIF_CHILDREN;
    item.hItem = hItem;
    tree.SendMessage(TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&item));
    return item.cChildren != 0;
}

TreeTimes OpenInFolderTree(const fs::path& folder, int expected)
{
    CWnd parent;
    parent.CreateEx(0, AFX_WNDCLASS_GENERIC, u"", WS_POPUP | WS_VISIBLE, kArea, nullptr, 0);
    CFolderTree tree;
    tree.Create(AFX_WNDCLASS_TREEVIEW, u"", WS_CHILD | WS_VISIBLE | WS_BORDER | TVS_HASBUTTONS | TVS_LINESATROOT, kArea,
        &parent, 1);
    tree.Fill(false, false, u"");
    // Opened down to the folder's parent without the clock.
    HTREEITEM h = TVI_ROOT;
    for (const fs::path& part : folder.relative_path()) {
        h = Child(tree, h, CString(part.u16string()));
        if (part != folder.filename())
            tree.Expand(h, TVE_EXPAND);
    }
    QElapsedTimer clock;
    clock.start();
    tree.Expand(h, TVE_EXPAND);
    tree.EnsureVisible(tree.GetChildItem(h));
    Repaint(AfxWidget(tree.m_hWnd));
    const double shown = clock.nsecsElapsed() / 1e6;
    // The fixture's subfolders are empty: settled once the last one has lost its button.
    HTREEITEM hLast = nullptr;
    int n = 0;
    for (HTREEITEM c = tree.GetChildItem(h); c; c = tree.GetNextSiblingItem(c), ++n)
        hLast = c;
    while (hLast && HasButton(tree, hLast))
        QCoreApplication::processEvents();
    Repaint(AfxWidget(tree.m_hWnd));
    const double settled = clock.nsecsElapsed() / 1e6;
    if (n != expected)
        std::fprintf(stderr, "folder tree shows %d of %d entries\n", n, expected);
    parent.DestroyWindow();
    QCoreApplication::processEvents();
    return TreeTimes{shown, settled};
}

// A bare tree widget showing the names under one open item; the time runs
// from asking for the names to the end of the repaint.
double ShowInBareTree(const std::function<QStringList()>& names, int expected)
{
    QTreeWidget view;
    view.setHeaderHidden(true);
    view.setUniformRowHeights(true);
    view.setGeometry(0, 0, kArea.right, kArea.bottom);
    view.show();
    auto* top = new QTreeWidgetItem(&view, {QStringLiteral("folder")});
    const QIcon icon(QPixmap(16, 16));
    QElapsedTimer clock;
    clock.start();
    QList<QTreeWidgetItem*> items;
    for (const QString& name : names()) {
        auto* item = new QTreeWidgetItem({name});
        item->setIcon(0, icon);
        items.append(item);
    }
    top->addChildren(items);
    top->setExpanded(true);
    view.scrollToItem(items.value(0));
    Repaint(&view);
    const double ms = clock.nsecsElapsed() / 1e6;
    if (top->childCount() != expected)
        std::fprintf(stderr, "bare tree shows %d of %d entries\n", int(top->childCount()), expected);
    return ms;
}

// As Qt lists a folder: folders first, without regard to case.
QStringList QtListing(const fs::path& folder)
{
    return QDir(QString::fromStdString(folder.string()))
        .entryList(
            QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden, QDir::Name | QDir::IgnoreCase | QDir::DirsFirst);
}

double Median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

} // namespace

int main(int argc, char** argv)
{
    AfxWinInit(argc, argv);
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 7;
    QTemporaryDir work;
    const fs::path root = fs::canonical(work.path().toStdString());
    std::printf("%-18s %10s %13s %13s %8s %13s %8s\n", "folder", "tree (ms)", "settled (ms)", "Qt list (ms)", "ratio",
        "Qt fill (ms)", "ratio");
    for (const int count : {10000, 100000}) {
        for (const bool subfolders : {false, true}) {
            const fs::path folder = root / ((subfolders ? "folders" : "files") + std::to_string(count));
            MakeFolder(folder, count, subfolders);
            const int rounds = count > 10000 ? std::max(1, runs / 2) : runs;
            std::vector<double> shown, settled, bare, fill;
            const QStringList names = QtListing(folder);
            // The first round warms the file system's caches and is not counted.
            for (int i = 0; i <= rounds; ++i) {
                const TreeTimes t = OpenInFolderTree(folder, count);
                const double b = ShowInBareTree([&] { return QtListing(folder); }, count);
                const double f = ShowInBareTree([&] { return names; }, count);
                if (i > 0) {
                    shown.push_back(t.shown);
                    settled.push_back(t.settled);
                    bare.push_back(b);
                    fill.push_back(f);
                }
            }
            const double t = Median(shown), b = Median(bare), f = Median(fill);
            std::printf("%-18s %10.1f %13.1f %13.1f %7.2fx %13.1f %7.2fx\n",
                (std::to_string(count) + (subfolders ? " subfolders" : " files")).c_str(), t, Median(settled), b, t / b,
                f, t / f);
            std::fflush(stdout);
        }
    }
    std::printf("medians of %d runs (%d for 100000)\n", runs, std::max(1, runs / 2));
    return 0;
}
