#include "browser/FolderTree.h"

#include <algorithm>
#include <map>
#include <string_view>
#include <unordered_set>
#include <vector>

#include "browser/FolderWalk.h"
#include "framework/wait.h"
#include "platform/file.h"
#include "platform/wcs.h"
#include "res/resource.h"

namespace {

constexpr int kFolderImage = 0;
constexpr int kFileImage = 1;

// Names already under an item, so that opening a folder again adds only new ones.
std::unordered_set<std::u16string> ChildNames(CTreeCtrl& tree, HTREEITEM hParent)
{
    std::unordered_set<std::u16string> names;
    // The top level is only ever filled right after it was emptied.
    if (hParent == TVI_ROOT)
        return names;
    for (HTREEITEM h = tree.GetChildItem(hParent); h; h = tree.GetNextSiblingItem(h))
        names.insert(tree.GetItemText(h).str());
    return names;
}

// Names by the order of _wcsicmp, each folded once rather than in every
// comparison; equal names keep the order they were added in.
using SortedNames = std::multimap<std::u16string, CString>;

void AddSorted(SortedNames& sorted, CString strName)
{
    std::u16string key = strName.str();
    _wcslwr(key.data());
    sorted.emplace(std::move(key), std::move(strName));
}

void AddSorted(SortedNames& sorted, CStringArray& arrNames)
{
    for (int i = 0; i < arrNames.GetSize(); ++i)
        AddSorted(sorted, std::move(arrNames.GetData()[i]));
    arrNames.RemoveAll();
}

// Moves the names, in order, to the end of the list; false when the
// deadline passed first (call again).
bool MoveSorted(SortedNames& sorted, CStringArray& arrNames,
    std::chrono::steady_clock::time_point deadline = std::chrono::steady_clock::time_point::max())
{
    while (!sorted.empty()) {
        arrNames.Add(std::move(sorted.extract(sorted.begin()).mapped()));
        if (std::chrono::steady_clock::now() >= deadline)
            return false;
    }
    return true;
}

CheckState StateAfterTap(int nOldState)
{
    return nOldState == csChecked || nOldState == csPartial ? csUnchecked : csChecked;
}

} // namespace

BEGIN_MESSAGE_MAP(CFolderTree, CTreeCtrl)
    ON_WM_CREATE()
    ON_NOTIFY_REFLECT(TVN_ITEMEXPANDINGW, &CFolderTree::OnItemExpanding)
    ON_NOTIFY_REFLECT(TVN_ITEMEXPANDEDW, &CFolderTree::OnItemExpanded)
    ON_MESSAGE(WM_TREE_APPLYCHECK, &CFolderTree::OnApplyCheck)
    ON_MESSAGE(WM_TREE_PROBE, &CFolderTree::OnProbe)
END_MESSAGE_MAP()

CFolderTree::~CFolderTree()
{
    EndProbe();
}

BOOL CFolderTree::Create(LPCWSTR lpszClassName, LPCWSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
    CWnd* pParentWnd, UINT nID, CCreateContext* pContext)
{
    return CTreeCtrl::Create(lpszClassName, lpszWindowName, dwStyle, rect, pParentWnd, nID, pContext);
}

int CFolderTree::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CTreeCtrl::OnCreate(lpCreateStruct) == -1)
        return -1;
    // Folders and files share the folder picture.
    m_imlNormal.Create(16, 16, ILC_COLOR | ILC_MASK, 3, 0);
    const HICON hFolder = LoadIconW(AfxGetInstanceHandle(), MAKEINTRESOURCEW(IDI_FOLDER));
    for (int i = 0; i < 3; ++i)
        m_imlNormal.Add(hFolder);
    DestroyIcon(hFolder);
    m_imlState.Create(IDB_CHECK_STATES, 16, 1, CLR_NONE);
    SetImageList(&m_imlNormal, TVSIL_NORMAL);
    SetImageList(&m_imlState, TVSIL_STATE);
    PopulateLevel(CString(), TVI_ROOT);
    return 0;
}

void CFolderTree::Fill(bool bFoldersOnly, bool bShowRomFiles, const CString& strFilter)
{
    m_bFoldersOnly = bFoldersOnly;
    m_bShowRomFiles = bShowRomFiles;
    m_strFilter = strFilter;
    // Items are removed only here: the folders still to be looked into go with them.
    EndProbe();
    m_arrProbes.clear();
    m_nNextProbe = 0;
    DeleteItem(TVI_ROOT);
    PopulateLevel(CString(), TVI_ROOT);
}

EntryKind CFolderTree::ClassifyEntry(const CString& strPath)
{
    return ClassifyEntry(GetFileAttributesW(strPath));
}

EntryKind CFolderTree::ClassifyEntry(DWORD dwAttributes)
{
    if (dwAttributes == INVALID_FILE_ATTRIBUTES)
        return ekUnreadable;
    if (dwAttributes & FILE_ATTRIBUTE_INROM)
        return ekRomFile;
    if (dwAttributes & FILE_ATTRIBUTE_DIRECTORY)
        return ekFolder;
    return ekFile;
}

void CFolderTree::SortNames(CStringArray& arrNames)
{
    // What exchanging neighbours until none is out of order gives, without
    // its square time on large folders.
    SortedNames sorted;
    AddSorted(sorted, arrNames);
    MoveSorted(sorted, arrNames);
}

void CFolderTree::PopulateLevel(const CString& strPath, HTREEITEM hParent)
{
    // Listing and looking into folders share one step's time.
    const auto deadline = std::chrono::steady_clock::now() + AFX_STEP_TIME;
    m_arrFolderNames.RemoveAll();
    m_arrFileNames.RemoveAll();
    m_arrRomFileNames.RemoveAll();
    WIN32_FIND_DATAW data;
    const HANDLE hFind = FindFirstFileW(strPath + PATH_SEPARATOR + u"*", &data);
    if (hFind == INVALID_HANDLE_VALUE)
        return;
    const std::unordered_set<std::u16string> existing = ChildNames(*this, hParent);
    do {
        // Files are passed over first, in a folder of thousands of them.
        const EntryKind kind = ClassifyEntry(data.dwFileAttributes);
        if (kind == ekUnreadable || (m_bFoldersOnly && kind != ekFolder))
            continue;
        const CString strName(data.cFileName);
        if (existing.count(strName.str()))
            continue;
        const auto listed = [&] { return m_strFilter.IsEmpty() || MatchesFilter(strPath + PATH_SEPARATOR + strName); };
        // The listing carries each entry's attributes: no second look at the disk.
        switch (kind) {
        case ekFolder:
            m_arrFolderNames.Add(strName);
            break;
        case ekFile:
            if (listed())
                m_arrFileNames.Add(strName);
            break;
        case ekRomFile:
            if (m_bShowRomFiles && listed())
                m_arrRomFileNames.Add(strName);
            break;
        case ekUnreadable:
            break;
        }
    } while (FindNextFileW(hFind, &data));
    FindClose(hFind);

    SortNames(m_arrFolderNames);
    // Every folder shows an expand button until it has been looked into:
    // as many as the step's time left allows now, before the level shows,
    // the rest in steps just after.
    const bool bWasPending = m_nNextProbe < m_arrProbes.size();
    for (int i = 0; i < m_arrFolderNames.GetSize(); ++i) {
        const CString& strName = m_arrFolderNames.GetData()[i];
        if (const HTREEITEM hItem = InsertEntry(strName, true, hParent, kFolderImage))
            m_arrProbes.emplace_back(hItem, strPath + PATH_SEPARATOR + strName);
    }
    if (!Probe(deadline) && !bWasPending)
        PostMessage(WM_TREE_PROBE, 0, 0);
    m_arrFileNames.Append(m_arrRomFileNames);
    SortNames(m_arrFileNames);
    for (int i = 0; i < m_arrFileNames.GetSize(); ++i)
        InsertEntry(m_arrFileNames.GetData()[i], false, hParent, kFileImage);
}

bool CFolderTree::Probe(std::chrono::steady_clock::time_point deadline)
{
    while (m_nNextProbe < m_arrProbes.size()) {
        const HTREEITEM hItem = m_arrProbes[m_nNextProbe].first;
        // A folder of many files is read over several steps, up to its first
        // entry that counts: a folder, or with files shown, anything.
        bool bMore = true;
        if (m_hProbeFind == INVALID_HANDLE_VALUE) {
            m_hProbeFind = FindFirstFileW(m_arrProbes[m_nNextProbe].second + PATH_SEPARATOR + u"*", &m_probeData);
            bMore = m_hProbeFind != INVALID_HANDLE_VALUE;
        } else {
            bMore = FindNextFileW(m_hProbeFind, &m_probeData);
        }
        const auto counts = [&] {
            return (m_probeData.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) || !m_bFoldersOnly;
        };
        while (bMore && !counts()) {
            if (std::chrono::steady_clock::now() >= deadline)
                return false;
            bMore = FindNextFileW(m_hProbeFind, &m_probeData);
        }
        EndProbe();
        if (!bMore) {
            TVITEMW item{};
            item.mask = TVIF_CHILDREN;
            item.hItem = hItem;
            item.cChildren = 0;
            SendMessage(TVM_SETITEMW, 0, reinterpret_cast<LPARAM>(&item));
        }
        ++m_nNextProbe;
        if (std::chrono::steady_clock::now() >= deadline)
            break;
    }
    if (m_nNextProbe < m_arrProbes.size())
        return false;
    m_arrProbes.clear();
    m_nNextProbe = 0;
    return true;
}

void CFolderTree::EndProbe()
{
    if (m_hProbeFind != INVALID_HANDLE_VALUE)
        FindClose(m_hProbeFind);
    m_hProbeFind = INVALID_HANDLE_VALUE;
}

HTREEITEM CFolderTree::InsertEntry(const CString& strText, bool bHasChildren, HTREEITEM hParent, int nImage)
{
    std::u16string text = strText.str();
    TVINSERTSTRUCTW tvis{};
    tvis.hParent = hParent;
    tvis.hInsertAfter = TVI_LAST;
    tvis.item.mask = TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE | TVIF_CHILDREN;
    tvis.item.pszText = text.data();
    tvis.item.iImage = nImage;
    tvis.item.iSelectedImage = nImage;
    tvis.item.cChildren = bHasChildren ? 1 : 0;
    const HTREEITEM hItem = InsertItem(&tvis);
    // What appears under a ticked folder comes up ticked.
    if (hItem && hParent != TVI_ROOT && GetCheckState(hParent) == csChecked)
        SetCheckState(hItem, csChecked);
    return hItem;
}

bool CFolderTree::MatchesFilter(const CString& strPath) const
{
    CString strLower(strPath);
    strLower.MakeLower();
    return strLower.Right(m_strFilter.GetLength()) == m_strFilter;
}

CString CFolderTree::BuildItemPath(HTREEITEM hItem)
{
    // Whole texts: a name cut short would lead to another folder.
    CString strPath;
    for (HTREEITEM h = hItem; h; h = GetParentItem(h))
        strPath = PATH_SEPARATOR + GetItemText(h) + strPath;
    return strPath;
}

void CFolderTree::GetItemPath(CString& strPath, bool bUseSelection, HTREEITEM hItem)
{
    const HTREEITEM h = bUseSelection ? GetSelectedItem() : hItem;
    strPath = h ? BuildItemPath(h) : CString();
}

bool CFolderTree::SelectPath(const CString& strPath)
{
    HTREEITEM hItem = TVI_ROOT;
    std::u16string_view rest = strPath.str();
    while (!rest.empty()) {
        const size_t nCut = std::min(rest.find(PATH_SEPARATOR), rest.size());
        const std::u16string_view name = rest.substr(0, nCut);
        rest.remove_prefix(std::min(nCut + 1, rest.size()));
        if (name.empty()) // doubled and trailing separators name no folder
            continue;
        if (hItem != TVI_ROOT)
            Expand(hItem, TVE_EXPAND);
        HTREEITEM hChild = GetChildItem(hItem);
        while (hChild && GetItemText(hChild).str() != name)
            hChild = GetNextSiblingItem(hChild);
        if (!hChild) {
            SelectItem(nullptr);
            return false;
        }
        hItem = hChild;
    }
    return hItem != TVI_ROOT && SelectItem(hItem);
}

void CFolderTree::OnItemExpanding(NMHDR* pNMHDR, LRESULT* pResult)
{
    const auto* pNMTreeView = reinterpret_cast<const NMTREEVIEWW*>(pNMHDR);
    if (pNMTreeView->action == TVE_EXPAND)
        PopulateLevel(BuildItemPath(pNMTreeView->itemNew.hItem), pNMTreeView->itemNew.hItem);
    *pResult = 0;
}

void CFolderTree::OnItemExpanded(NMHDR*, LRESULT* pResult)
{
    Invalidate();
    *pResult = 0;
}

CheckState CFolderTree::GetCheckState(HTREEITEM hItem)
{
    return CheckState(int(GetItemState(hItem, TVIS_STATEIMAGEMASK) >> 12) - 1);
}

void CFolderTree::SetCheckState(HTREEITEM hItem, CheckState nState)
{
    SetItemState(hItem, INDEXTOSTATEIMAGEMASK(UINT(nState + 1)), TVIS_STATEIMAGEMASK);
}

int CFolderTree::OnStateIconClick(HTREEITEM hItem)
{
    m_hClickedItem = hItem;
    m_nClickedOldState = GetCheckState(hItem);
    const CheckState nNewState = StateAfterTap(m_nClickedOldState);

    if (GetChildItem(hItem)) {
        std::vector<HTREEITEM> pending{hItem};
        while (!pending.empty()) {
            const HTREEITEM h = pending.back();
            pending.pop_back();
            SetCheckState(h, nNewState);
            for (HTREEITEM hChild = GetChildItem(h); hChild; hChild = GetNextSiblingItem(hChild))
                pending.push_back(hChild);
        }
    }

    // Each ancestor is ticked when all its children are, clear when none
    // is, partly ticked otherwise; the tapped item counts as it will be.
    for (HTREEITEM hParent = GetParentItem(hItem); hParent; hParent = GetParentItem(hParent)) {
        bool bAllChecked = true;
        bool bAllUnchecked = true;
        for (HTREEITEM hChild = GetChildItem(hParent); hChild; hChild = GetNextSiblingItem(hChild)) {
            const CheckState nState = hChild == hItem ? nNewState : GetCheckState(hChild);
            bAllChecked = bAllChecked && nState == csChecked;
            bAllUnchecked = bAllUnchecked && nState == csUnchecked;
        }
        SetCheckState(hParent, bAllUnchecked ? csUnchecked : bAllChecked ? csChecked : csPartial);
    }

    SelectItem(hItem);
    Invalidate();
    PostMessage(WM_TREE_APPLYCHECK, 0, 0);
    return 1;
}

LRESULT CFolderTree::OnProbe(WPARAM, LPARAM)
{
    if (!Probe(std::chrono::steady_clock::now() + AFX_STEP_TIME))
        PostMessage(WM_TREE_PROBE, 0, 0);
    return 0;
}

LRESULT CFolderTree::OnApplyCheck(WPARAM, LPARAM)
{
    SetCheckState(m_hClickedItem, StateAfterTap(m_nClickedOldState));
    return 1;
}

int CFolderTree::CollectChecked(CStringArray& arrFiles, CStringArray& arrFolders)
{
    Invalidate();
    m_arrFolderQueue.RemoveAll();
    m_arrPartialPaths.RemoveAll();
    m_arrPartialItems.RemoveAll();
    // The ticked items first, from the tree alone. Partly ticked items found
    // on the way are walked in turn, also those found meanwhile.
    CStringArray arrTicked;
    CollectChildren(TVI_ROOT, CString(), arrTicked);
    for (int i = 0; i < m_arrPartialItems.GetSize(); ++i)
        CollectChildren(m_arrPartialItems[i], m_arrPartialPaths[i] + PATH_SEPARATOR, arrTicked);
    m_arrPartialPaths.RemoveAll();
    m_arrPartialItems.RemoveAll();

    // Then the disk, in steps: a ticked folder may hold a whole disk. The
    // lists are kept sorted as entries are found, and handed over in steps
    // too, so that nothing done to them all at once holds the window up.
    SortedNames folders;
    SortedNames files;
    for (int i = 0; i < arrFolders.GetSize(); ++i)
        AddSorted(folders, arrFolders[i]);
    for (int i = 0; i < arrFiles.GetSize(); ++i)
        AddSorted(files, arrFiles[i]);
    CStringArray arrFound;
    CStringArray arrSortedFolders;
    CStringArray arrSortedFiles;
    CFolderWalk walk;
    bool bWalking = false;
    int nNext = 0;
    const BOOL bDone = AfxRunInSteps([&](AFX_DEADLINE deadline) -> BOOL {
        for (;;) {
            if (bWalking) {
                bWalking = !walk.Continue(deadline, m_arrFolderQueue, arrFound);
                AddSorted(folders, m_arrFolderQueue);
                AddSorted(files, arrFound);
                if (bWalking)
                    return FALSE;
            }
            if (nNext == arrTicked.GetSize())
                return MoveSorted(folders, arrSortedFolders, deadline) && MoveSorted(files, arrSortedFiles, deadline);
            // The lists hold paths from the root without its separator; the files are asked with it.
            const CString& strPath = arrTicked[nNext++];
            switch (ClassifyEntry(PATH_SEPARATOR + strPath)) {
            case ekFolder:
                walk.Begin(strPath);
                bWalking = true;
                break;
            case ekFile:
                AddSorted(files, strPath);
                break;
            case ekRomFile:
            case ekUnreadable:
                break;
            }
            if (std::chrono::steady_clock::now() >= deadline)
                return FALSE;
        }
    });
    m_arrFolderQueue.RemoveAll();
    // Cancelled: the caller's lists stay as they were.
    if (!bDone)
        return -1;
    arrFolders = std::move(arrSortedFolders);
    arrFiles = std::move(arrSortedFiles);
    return arrFolders.GetSize() + arrFiles.GetSize();
}

void CFolderTree::CollectChildren(HTREEITEM hItem, const CString& strBase, CStringArray& arrTicked)
{
    for (HTREEITEM hChild = GetChildItem(hItem); hChild; hChild = GetNextSiblingItem(hChild)) {
        const CString strPath = strBase + GetItemText(hChild);
        const CheckState nState = GetCheckState(hChild);
        if (nState == csPartial) {
            m_arrPartialItems.Add(hChild);
            m_arrPartialPaths.Add(strPath);
        } else if (nState == csChecked) {
            arrTicked.Add(strPath);
        }
    }
}
