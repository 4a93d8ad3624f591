// Picks a folder (or files, or several files and folders) from the folder
// tree in a skinned dialog.
#pragma once

#include "browser/FolderTree.h"
#include "skin/ImageButton.h"
#include "skin/SkinDialog.h"

// What the dialog is for: the tree's options and what OK hands back.
enum BrowseMode {
    bmFolder = 1,          // one folder: m_strResult
    bmCheckPrograms = 2,   // ticked ".exe" files and folders: the lists
    bmProgram = 3,         // one ".exe" file or folder: m_strResult
    bmCheckAll = 4,        // ticked files and folders: the lists
    bmCheckAllWithRom = 5, // the same, in-ROM files too
};

class CFolderBrowserDlg : public CSkinDialog {
public:
    // The lists belong to the caller and must outlive the dialog.
    CFolderBrowserDlg(CString strImageExt, CString strSkinFolder, int nMode, CStringArray* pFolders,
        CStringArray* pFiles, CWnd* pParent = nullptr);

    BOOL OnInitDialog() override;
    void OnOK() override;

    // After OK in modes 1 and 3: the path of the selected item, or the
    // program folder (with its trailing separator) when none was selected.
    CString m_strResult;
    CImageButton m_btnCancel;
    CImageButton m_btnOK;
    CFolderTree m_tree;
    int m_nMode;
    CStringArray* m_pFolders;
    CStringArray* m_pFiles;

protected:
    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
    void DoDataExchange(CDataExchange* pDX) override;
};
