// A folder tree made on disk by a test, and a folder tree control in a
// window that the test opens down to it.
#pragma once

#include <gtest/gtest.h>

#include <QFileInfo>

#include <filesystem>
#include <fstream>
#include <string>

#include "browser/FolderTree.h"
#include "gui_helpers.h"
#include "res/resource.h"

namespace fs = std::filesystem;

// Folders end in "/"; anything else is an empty file. Names are bytes.
class FolderFixture {
public:
    FolderFixture() : m_root(QFileInfo(m_dir.path()).canonicalFilePath().toStdString()) { }
    // The toolkit cannot remove names that are not UTF-8; the standard library can.
    ~FolderFixture()
    {
        std::error_code ec;
        fs::remove_all(m_root, ec);
    }

    void Make(std::initializer_list<std::string> entries) const
    {
        for (const std::string& entry : entries) {
            const fs::path path = m_root / entry;
            if (entry.ends_with('/')) {
                fs::create_directories(path);
            } else {
                fs::create_directories(path.parent_path());
                std::ofstream(path) << "";
            }
        }
    }

    void Link(const std::string& entry, const std::string& target) const
    {
        fs::create_directory_symlink(target, m_root / entry);
    }

    const fs::path& Root() const { return m_root; }

private:
    QTemporaryDir m_dir;
    fs::path m_root;
};

inline QString TextOf(const CString& s)
{
    return QString::fromStdU16String(s.str());
}

// The item of a path below the tree's root, opening each folder on the way.
inline HTREEITEM OpenPath(CTreeCtrl& tree, const fs::path& absolute)
{
    HTREEITEM hParent = TVI_ROOT;
    for (const fs::path& part : absolute.relative_path()) {
        const CString name(std::u16string(part.u16string()));
        HTREEITEM h = tree.GetChildItem(hParent);
        while (h && tree.GetItemText(h) != name)
            h = tree.GetNextSiblingItem(h);
        if (!h)
            return nullptr;
        tree.Expand(h, TVE_EXPAND);
        hParent = h;
    }
    return hParent;
}

inline HTREEITEM ChildNamed(CTreeCtrl& tree, HTREEITEM hParent, const QString& name)
{
    for (HTREEITEM h = tree.GetChildItem(hParent); h; h = tree.GetNextSiblingItem(h))
        if (TextOf(tree.GetItemText(h)) == name)
            return h;
    return nullptr;
}

inline QStringList ChildNames(CTreeCtrl& tree, HTREEITEM hParent)
{
    QStringList names;
    for (HTREEITEM h = tree.GetChildItem(hParent); h; h = tree.GetNextSiblingItem(h))
        names << TextOf(tree.GetItemText(h));
    return names;
}

inline bool HasButton(CTreeCtrl& tree, HTREEITEM hItem)
{
    TVITEMW item{};
    item.mask = TVIF_CHILDREN;
    item.hItem = hItem;
    tree.SendMessage(TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&item));
    return item.cChildren != 0;
}

constexpr DWORD kPlainTreeStyle = WS_CHILD | WS_VISIBLE | WS_BORDER | TVS_HASBUTTONS | TVS_HASLINES | TVS_LINESATROOT;

// A folder tree in a window of its own.
class FolderTreeHost {
public:
    explicit FolderTreeHost(DWORD style = kPlainTreeStyle)
    {
        m_parent.CreateEx(0, AFX_WNDCLASS_GENERIC, u"", WS_POPUP | WS_VISIBLE, RECT{0, 0, 320, 480}, nullptr, 0);
        tree.Create(AFX_WNDCLASS_TREEVIEW, u"", style, RECT{0, 0, 320, 480}, &m_parent, IDC_FOLDER_TREE);
    }
    ~FolderTreeHost() { m_parent.DestroyWindow(); }

    CWnd m_parent;
    CFolderTree tree;
};
