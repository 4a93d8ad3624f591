// The file system as a tree, from the root down, one level filled each time
// the user opens a folder; optionally only folders, only files with a given
// ending, and tri-state check boxes for marking folders and files.
#pragma once

#include <chrono>
#include <utility>
#include <vector>

#include "framework/array.h"
#include "framework/imagelist.h"
#include "framework/treeview.h"
#include "platform/file.h"

// Posted to the control itself after a tap on a check box, so that the
// tapped item ends in the state worked out here, whatever the control's own
// handling of the tap did.
constexpr UINT WM_TREE_APPLYCHECK = 0x09DE;

// Posted to the control itself while folders of a large level are still
// to be looked into for their expand buttons.
constexpr UINT WM_TREE_PROBE = 0x09DF;

enum EntryKind {
    ekRomFile = -1,
    ekUnreadable = 0,
    ekFile = 1,
    ekFolder = 2,
};

enum CheckState {
    csNone = -1,
    csUnchecked = 0,
    csChecked = 1,
    csPartial = 2,
};

class CFolderTree : public CTreeCtrl {
public:
    ~CFolderTree() override;

    BOOL Create(LPCWSTR lpszClassName, LPCWSTR lpszWindowName, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd,
        UINT nID, CCreateContext* pContext = nullptr) override;

    // Keeps the options, empties the tree and fills the top level from the root.
    void Fill(bool bFoldersOnly, bool bShowRomFiles, const CString& strFilter);
    // The item's path from the root ("/home/me"), of the selection or of the
    // given item; "" for none.
    void GetItemPath(CString& strPath, bool bUseSelection, HTREEITEM hItem);
    // Opens the folders on the way to the path ("/home/me") and selects it,
    // shown in the view; false, with nothing selected, when the tree does
    // not hold it.
    bool SelectPath(const CString& strPath);
    // Appends every ticked file, and every folder at or below a ticked
    // folder (on that folder's file system), as paths without the leading
    // separator ("home/me"); both lists end sorted. Returns their sizes
    // added. The disk is read in steps, the window still painting; Escape
    // abandons it: -1, and the lists are left as they were.
    int CollectChecked(CStringArray& arrFiles, CStringArray& arrFolders);
    // A tap on the item's check box: ticks or clears it with everything
    // below it, and works out its ancestors' states anew. Returns 1.
    int OnStateIconClick(HTREEITEM hItem);
    CheckState GetCheckState(HTREEITEM hItem);

    // What a path, or an entry with these attributes, is for the tree; the
    // in-ROM test comes before the folder test.
    static EntryKind ClassifyEntry(const CString& strPath);
    static EntryKind ClassifyEntry(DWORD dwAttributes);
    // Ascending without regard to case; names that compare equal keep their order.
    static void SortNames(CStringArray& arrNames);

    int OnCreate(LPCREATESTRUCT lpCreateStruct);
    void OnItemExpanding(NMHDR* pNMHDR, LRESULT* pResult);
    void OnItemExpanded(NMHDR* pNMHDR, LRESULT* pResult);
    LRESULT OnApplyCheck(WPARAM wParam, LPARAM lParam);
    LRESULT OnProbe(WPARAM wParam, LPARAM lParam);

protected:
    DECLARE_MESSAGE_MAP()

private:
    void PopulateLevel(const CString& strPath, HTREEITEM hParent);
    // Looks into the folders still shown with an expand button until all
    // are done (true) or the deadline has passed.
    bool Probe(std::chrono::steady_clock::time_point deadline);
    void EndProbe();
    HTREEITEM InsertEntry(const CString& strText, bool bHasChildren, HTREEITEM hParent, int nImage);
    bool MatchesFilter(const CString& strPath) const;
    CString BuildItemPath(HTREEITEM hItem);
    void SetCheckState(HTREEITEM hItem, CheckState nState);
    void CollectChildren(HTREEITEM hItem, const CString& strBase, CStringArray& arrTicked);

    CImageList m_imlNormal;
    CImageList m_imlState;
    HTREEITEM m_hClickedItem = nullptr;
    int m_nClickedOldState = csNone;
    bool m_bFoldersOnly = false;
    bool m_bShowRomFiles = false;
    CString m_strFilter;
    CStringArray m_arrFolderQueue;
    CStringArray m_arrPartialPaths;
    CArray<HTREEITEM> m_arrPartialItems;
    CStringArray m_arrFolderNames;
    CStringArray m_arrFileNames;
    CStringArray m_arrRomFileNames;
    // Folders shown with an expand button before they were looked into,
    // and the listing of the one being looked into.
    std::vector<std::pair<HTREEITEM, CString>> m_arrProbes;
    size_t m_nNextProbe = 0;
    HANDLE m_hProbeFind = INVALID_HANDLE_VALUE;
    WIN32_FIND_DATAW m_probeData{};
};
