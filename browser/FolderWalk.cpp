#include "browser/FolderWalk.h"

#include "browser/FolderTree.h"

namespace {

HANDLE OpenFolder(const CString& strPath)
{
    return CreateFileW(
        strPath, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
}

} // namespace

CFolderWalk::~CFolderWalk()
{
    CloseListing();
}

void CFolderWalk::CloseListing()
{
    if (m_hFind != INVALID_HANDLE_VALUE)
        FindClose(m_hFind);
    m_hFind = INVALID_HANDLE_VALUE;
}

void CFolderWalk::Begin(const CString& strFolder)
{
    CloseListing();
    m_pending.clear();
    // The folders above this one, the root first: where a loop would lead back.
    m_above.clear();
    for (int i = -1;;) {
        const HANDLE hFolder = OpenFolder(PATH_SEPARATOR + strFolder.Left(i));
        BY_HANDLE_FILE_INFORMATION info{};
        if (hFolder != INVALID_HANDLE_VALUE && GetFileInformationByHandle(hFolder, &info))
            m_above.insert({info.dwVolumeSerialNumber, info.nFileIndexHigh, info.nFileIndexLow});
        if (hFolder != INVALID_HANDLE_VALUE)
            CloseHandle(hFolder);
        if ((i = strFolder.Find(PATH_SEPARATOR, i + 1)) < 0)
            break;
    }
    m_strTicked = strFolder;
    m_bTickedPending = true;
}

void CFolderWalk::Enter(const CString& strPath, bool bTicked, CStringArray& arrFolders)
{
    // Opened once: the folder looked at is the folder listed.
    const HANDLE hFolder = OpenFolder(PATH_SEPARATOR + strPath);
    BY_HANDLE_FILE_INFORMATION info{};
    if (hFolder == INVALID_HANDLE_VALUE || !GetFileInformationByHandle(hFolder, &info)) {
        // One that cannot be told apart from the others is listed, not entered.
        if (hFolder != INVALID_HANDLE_VALUE)
            CloseHandle(hFolder);
        arrFolders.Add(strPath);
        return;
    }
    const Identity identity{info.dwVolumeSerialNumber, info.nFileIndexHigh, info.nFileIndexLow};
    if ((!bTicked && m_above.count(identity)) || !m_entered.insert(identity).second) {
        CloseHandle(hFolder);
        return;
    }
    arrFolders.Add(strPath);
    if (bTicked)
        m_dwVolume = info.dwVolumeSerialNumber;
    if (info.dwVolumeSerialNumber == m_dwVolume) {
        m_hFind = FindFirstFileInFolder(hFolder, u"*", &m_data);
        m_strListed = strPath;
    }
    CloseHandle(hFolder);
}

bool CFolderWalk::Continue(
    std::chrono::steady_clock::time_point deadline, CStringArray& arrFolders, CStringArray& arrFiles)
{
    for (;;) {
        if (m_hFind != INVALID_HANDLE_VALUE) {
            const CString strPath = m_strListed + PATH_SEPARATOR + m_data.cFileName;
            if (m_data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                m_pending.push_back(strPath);
            else if (CFolderTree::ClassifyEntry(m_data.dwFileAttributes) == ekFile)
                arrFiles.Add(strPath);
            if (!FindNextFileW(m_hFind, &m_data))
                CloseListing();
        } else if (m_bTickedPending) {
            m_bTickedPending = false;
            Enter(m_strTicked, true, arrFolders);
        } else if (!m_pending.empty()) {
            const CString strPath = m_pending.front();
            m_pending.pop_front();
            Enter(strPath, false, arrFolders);
        } else {
            return true;
        }
        if (std::chrono::steady_clock::now() >= deadline)
            return false;
    }
}
