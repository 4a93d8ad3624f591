// Gathers a ticked folder and every folder below it, breadth first, with the
// files among them. Links make the file system a graph, not a tree: each
// folder is entered once however many ways lead to it (it is known by its
// device and inode), and a link back to a folder above the one being
// gathered is never followed, so /proc/self/root or a link to a parent
// cannot send the walk round for ever or over the whole disk.
#pragma once

#include <set>
#include <tuple>

#include "framework/array.h"

class CFolderWalk {
public:
    // strFolder is a path from the root without its separator ("home/me"),
    // as are the folders appended to arrQueue (strFolder first, unless it
    // was entered before) and the ordinary files appended to arrFiles. A
    // folder that does not open is listed but not entered.
    void Gather(const CString& strFolder, CStringArray& arrQueue, CStringArray& arrFiles);

private:
    using Identity = std::tuple<DWORD, DWORD, DWORD>; // device, inode
    std::set<Identity> m_entered;
};
