// The memory dialog's task list: the running programs by name, and ending
// every process of the chosen one.
#include <algorithm>
#include <vector>

#include "framework/listview.h"
#include "framework/wait.h"
#include "memory/MemoryDlg.h"
#include "platform/error.h"
#include "platform/module.h"
#include "platform/synch.h"
#include "platform/text.h"
#include "platform/toolhelp.h"
#include "platform/wcs.h"
#include "res/resource.h"

namespace {

constexpr UINT kTaskIcon = 171;
constexpr int kNameLength = 256;

// How long the processes are given to end on request, all together, and
// then once ended outright.
constexpr DWORD kEndWaitMs = 2000;
constexpr DWORD kKillWaitMs = 500;

// The processes of the snapshot named exactly so; none without a snapshot.
std::vector<PROCESSENTRY32> ProcessesNamed(LPCWSTR pszName)
{
    std::vector<PROCESSENTRY32> found;
    const HANDLE hSnapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (hSnapshot == INVALID_HANDLE_VALUE)
        return found;
    PROCESSENTRY32 entry{};
    entry.dwSize = sizeof(PROCESSENTRY32);
    for (BOOL bMore = Process32First(hSnapshot, &entry); bMore; bMore = Process32Next(hSnapshot, &entry))
        if (wcscmp(entry.szExeFile, pszName) == 0)
            found.push_back(entry);
    CloseHandle(hSnapshot);
    return found;
}

// Asks every process to end at once and waits for them together, the window
// still answering; those that ignore the request are ended outright.
void EndProcesses(const std::vector<HANDLE>& processes)
{
    for (const HANDLE hProcess : processes)
        TerminateProcess(hProcess, 0);
    if (AfxWaitForObjects(DWORD(processes.size()), processes.data(), kEndWaitMs) != WAIT_TIMEOUT)
        return;
    std::vector<HANDLE> left;
    for (const HANDLE hProcess : processes)
        if (WaitForSingleObject(hProcess, 0) == WAIT_TIMEOUT && KillProcess(hProcess))
            left.push_back(hProcess);
    AfxWaitForObjects(DWORD(left.size()), left.data(), kKillWaitMs);
}

} // namespace

void CMemoryDlg::CreateTaskIcons()
{
    m_imlTasks.Create(16, 16, ILC_MASK, 1, 0);
    const HICON hIcon = LoadIconW(AfxGetInstanceHandle(), MAKEINTRESOURCEW(kTaskIcon));
    ImageList_ReplaceIcon(m_imlTasks, -1, hIcon);
    // The list keeps its own copy.
    DestroyIcon(hIcon);
}

void CMemoryDlg::SetupTaskList()
{
    WCHAR szHeader[kNameLength] = {};
    LoadStringW(AfxGetInstanceHandle(), IDS_PROCESSES, szHeader, kNameLength);
    WCHAR szEmpty[1] = {};
    LVCOLUMNW column{};
    column.mask = LVCF_FMT | LVCF_WIDTH | LVCF_TEXT | LVCF_SUBITEM;
    column.fmt = LVCFMT_LEFT;
    column.cx = 400;
    column.pszText = szHeader;
    column.iSubItem = 0;
    ::SendMessage(m_hTaskList, LVM_INSERTCOLUMNW, 1, reinterpret_cast<LPARAM>(&column));
    column.cx = 50;
    column.pszText = szEmpty;
    column.iSubItem = 1;
    ::SendMessage(m_hTaskList, LVM_INSERTCOLUMNW, 2, reinterpret_cast<LPARAM>(&column));
    ::SendMessage(m_hTaskList, LVM_SETIMAGELIST, LVSIL_SMALL, reinterpret_cast<LPARAM>(m_imlTasks.m_hImageList));
    ::SendMessage(m_hTaskList, LVM_SETEXTENDEDLISTVIEWSTYLE, 0, LVS_EX_ONECLICKACTIVATE);
}

void CMemoryDlg::FillTaskList()
{
    ::SendMessage(m_hTaskList, LVM_DELETEALLITEMS, 0, 0);
    const HANDLE hSnapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (hSnapshot == INVALID_HANDLE_VALUE)
        return;
    std::vector<CString> names;
    PROCESSENTRY32 entry{};
    entry.dwSize = sizeof(PROCESSENTRY32);
    for (BOOL bMore = Process32First(hSnapshot, &entry); bMore; bMore = Process32Next(hSnapshot, &entry))
        names.emplace_back(entry.szExeFile);
    CloseHandle(hSnapshot);

    // Ascending without regard to case; names equal but for case keep the
    // snapshot's order.
    std::stable_sort(names.begin(), names.end(), [](const CString& a, const CString& b) { return _wcsicmp(a, b) < 0; });

    LVITEMW item{};
    item.mask = LVIF_TEXT | LVIF_IMAGE;
    item.iImage = 0;
    for (const CString& name : names) {
        item.iItem = int(::SendMessage(m_hTaskList, LVM_GETITEMCOUNT, 0, 0));
        item.pszText = const_cast<LPWSTR>(static_cast<LPCWSTR>(name));
        ::SendMessage(m_hTaskList, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
    }
}

void CMemoryDlg::OnKillTask()
{
    const int nCount = int(::SendMessage(m_hTaskList, LVM_GETITEMCOUNT, 0, 0));
    if (nCount < 1)
        return;
    const int nMark = int(::SendMessage(m_hTaskList, LVM_GETSELECTIONMARK, 0, 0));
    if (nMark < 0 || nMark >= nCount)
        return;
    WCHAR szName[kNameLength] = {};
    LVITEMW item{};
    item.iSubItem = 0;
    item.pszText = szName;
    item.cchTextMax = kNameLength;
    ::SendMessage(m_hTaskList, LVM_GETITEMTEXTW, WPARAM(nMark), reinterpret_cast<LPARAM>(&item));

    CString strQuestion;
    strQuestion.LoadString(IDS_KILL_QUESTION);
    CString strName;
    strName.Format(u" '%s'?", szName);
    strQuestion += strName;
    // One line stands for one process, but every process of the name ends.
    if (const size_t nMatching = ProcessesNamed(szName).size(); nMatching > 1) {
        CString strFormat;
        strFormat.LoadString(IDS_KILL_COUNT);
        CString strCount;
        strCount.Format(strFormat, int(nMatching));
        strQuestion += u"\n" + strCount;
    }
    // A stray Enter or Space, or the line picked for the user after an
    // ending, must not end anything: No is the default.
    if (MessageBox(strQuestion, u"Quillet", MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2) != IDYES)
        return;
    if (KillTasksByName(szName) < 0) {
        CString strFailed;
        strFailed.LoadString(IDS_KILL_FAILED);
        MessageBox(strFailed, u"Quillet", MB_OK | MB_ICONHAND);
        return;
    }
    FillTaskList();
    if (nCount > 1) {
        LVITEMW state{};
        state.state = LVIS_SELECTED | LVIS_FOCUSED;
        state.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
        ::SendMessage(m_hTaskList, LVM_SETITEMSTATE, 0, reinterpret_cast<LPARAM>(&state));
        ::SendMessage(m_hTaskList, LVM_SETSELECTIONMARK, 0, 0);
    }
}

int CMemoryDlg::KillTasksByName(const CString& strName)
{
    int nOutcome = 0;
    std::vector<HANDLE> processes;
    for (const PROCESSENTRY32& entry : ProcessesNamed(strName)) {
        if (const HANDLE hProcess = OpenProcess(0, FALSE, entry.th32ProcessID, entry.th32StartTime)) {
            processes.push_back(hProcess);
            nOutcome = 2;
        } else if (GetLastError() != ERROR_INVALID_PARAMETER) {
            // One that has ended since the snapshot needs no ending.
            nOutcome = -2;
        }
    }
    EndProcesses(processes);
    for (const HANDLE hProcess : processes)
        CloseHandle(hProcess);
    return nOutcome;
}
