// Gathers a ticked folder and every folder below it, breadth first, with the
// files among them, in steps bounded by time. Links make the file system a
// graph, not a tree: each folder is entered once however many ways lead to
// it (it is known by its device and inode, read from the folder once opened,
// and that open folder is what is listed), and a link back to a folder above
// the one being gathered is never followed, so /proc/self/root or a link to a
// parent cannot send the walk round for ever or over the whole disk. The
// walk stays on the ticked folder's file system, as `du -x` does: a mount
// point (or a link to another file system) below it is listed, not entered.
#pragma once

#include <chrono>
#include <deque>
#include <set>
#include <tuple>

#include "framework/array.h"
#include "platform/file.h"

class CFolderWalk {
public:
    CFolderWalk() = default;
    ~CFolderWalk();
    CFolderWalk(const CFolderWalk&) = delete;
    CFolderWalk& operator=(const CFolderWalk&) = delete;

    // Starts on a ticked folder: a path from the root without its separator
    // ("home/me"), as are the folders and the ordinary files that Continue
    // appends.
    void Begin(const CString& strFolder);
    // Appends strFolder first (unless it was entered before) and the folders
    // and files found below it, until all are (true) or the deadline has
    // passed (false: call again). A folder that does not open is listed but
    // not entered.
    bool Continue(std::chrono::steady_clock::time_point deadline, CStringArray& arrFolders, CStringArray& arrFiles);

private:
    using Identity = std::tuple<DWORD, DWORD, DWORD>; // device, inode
    // Lists the folder, when it is one to list, and starts reading it.
    void Enter(const CString& strPath, bool bTicked, CStringArray& arrFolders);
    void CloseListing();

    std::set<Identity> m_entered;
    std::set<Identity> m_above; // the ticked folder's ancestors
    DWORD m_dwVolume = 0;       // the ticked folder's file system
    CString m_strTicked;
    bool m_bTickedPending = false;
    std::deque<CString> m_pending;
    CString m_strListed; // the folder being read
    HANDLE m_hFind = INVALID_HANDLE_VALUE;
    WIN32_FIND_DATAW m_data{};
};
