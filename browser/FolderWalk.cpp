#include "browser/FolderWalk.h"

#include <vector>

#include "browser/FolderTree.h"
#include "platform/file.h"

namespace {

bool IdentityOf(const CString& strPath, std::tuple<DWORD, DWORD, DWORD>& identity)
{
    const HANDLE hFile = CreateFileW(
        strPath, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (hFile == INVALID_HANDLE_VALUE)
        return false;
    BY_HANDLE_FILE_INFORMATION info{};
    const BOOL bRead = GetFileInformationByHandle(hFile, &info);
    CloseHandle(hFile);
    identity = {info.dwVolumeSerialNumber, info.nFileIndexHigh, info.nFileIndexLow};
    return bRead;
}

} // namespace

void CFolderWalk::Gather(const CString& strFolder, CStringArray& arrQueue, CStringArray& arrFiles)
{
    // The folders above this one, the root first: where a loop would lead back.
    std::set<Identity> above;
    Identity identity;
    for (int i = -1;;) {
        if (IdentityOf(PATH_SEPARATOR + strFolder.Left(i), identity))
            above.insert(identity);
        if ((i = strFolder.Find(PATH_SEPARATOR, i + 1)) < 0)
            break;
    }
    // Folders found, each with whether it is entered: one that cannot be
    // told apart from the others (it does not open) is listed, not entered.
    std::vector<std::pair<CString, bool>> found;
    const auto admit = [&](const CString& strPath, bool bBelow) {
        if (!IdentityOf(PATH_SEPARATOR + strPath, identity))
            found.emplace_back(strPath, false);
        else if (!(bBelow && above.count(identity)) && m_entered.insert(identity).second)
            found.emplace_back(strPath, true);
    };
    admit(strFolder, false);
    for (size_t n = 0; n < found.size(); ++n) {
        if (!found[n].second)
            continue;
        const CString strParent = found[n].first;
        WIN32_FIND_DATAW data;
        const HANDLE hFind = FindFirstFileW(PATH_SEPARATOR + strParent + PATH_SEPARATOR + u"*.*", &data);
        if (hFind == INVALID_HANDLE_VALUE)
            continue;
        do {
            const CString strPath = strParent + PATH_SEPARATOR + data.cFileName;
            if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                admit(strPath, true);
            else if (CFolderTree::ClassifyEntry(data.dwFileAttributes) == ekFile)
                arrFiles.Add(strPath);
        } while (FindNextFileW(hFind, &data));
        FindClose(hFind);
    }
    for (const auto& [strPath, bEntered] : found)
        arrQueue.Add(strPath);
}
