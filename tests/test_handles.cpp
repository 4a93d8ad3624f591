// Handles of the platform's objects, once closed: refused with
// ERROR_INVALID_HANDLE, never a way to the freed object or to the one that
// took its place.
#include <gtest/gtest.h>

#include <QTemporaryDir>

#include <fstream>

#include "platform/error.h"
#include "platform/file.h"
#include "platform/text.h"

namespace {

struct Kind {
    const char* name;
    HANDLE (*open)(const std::string& folder); // a folder holding the files "a" and "b"
    BOOL (*use)(HANDLE h);                     // succeeds on an open handle
    BOOL (*close)(HANDLE h);
};

WIN32_FIND_DATAW g_data;

const Kind kKinds[] = {
    {"File",
        [](const std::string& folder) {
            return CreateFileW(FileNameToUtf16(folder + "/a").c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                OPEN_EXISTING, 0, nullptr);
        },
        [](HANDLE h) {
            char byte = 0;
            DWORD read = 0;
            return ReadFile(h, &byte, 1, &read, nullptr);
        },
        &CloseHandle},
    {"FolderSearch",
        [](const std::string& folder) { return FindFirstFileW(FileNameToUtf16(folder + "/*").c_str(), &g_data); },
        [](HANDLE h) { return FindNextFileW(h, &g_data); }, &FindClose},
};

void PrintTo(const Kind& kind, std::ostream* os)
{
    *os << kind.name;
}

class ClosedHandle : public testing::TestWithParam<Kind> {
protected:
    ClosedHandle()
    {
        for (const char* name : {"/a", "/b"})
            std::ofstream(m_folder + name) << "x";
    }
    HANDLE Open() const { return GetParam().open(m_folder); }
    // The call's result and the error it left.
    static std::pair<BOOL, DWORD> Result(BOOL (*call)(HANDLE), HANDLE h)
    {
        SetLastError(0);
        const BOOL result = call(h);
        return {result, GetLastError()};
    }

    const std::pair<BOOL, DWORD> kRefused{FALSE, DWORD(ERROR_INVALID_HANDLE)};
    QTemporaryDir m_dir;
    const std::string m_folder = m_dir.path().toStdString();
};

TEST_P(ClosedHandle, DoubleCloseIsRefused)
{
    const HANDLE h = Open();
    EXPECT_TRUE(GetParam().close(h));
    EXPECT_EQ(Result(GetParam().close, h), kRefused);
}

TEST_P(ClosedHandle, UseAfterCloseIsRefused)
{
    const HANDLE h = Open();
    GetParam().close(h);
    EXPECT_EQ(Result(GetParam().use, h), kRefused);
}

TEST_P(ClosedHandle, StaleHandleDoesNotReachTheObjectInItsPlace)
{
    const HANDLE hOld = Open();
    GetParam().close(hOld);
    const HANDLE hNew = Open();
    EXPECT_NE(hNew, hOld);
    EXPECT_EQ(Result(GetParam().use, hOld), kRefused);
    EXPECT_EQ(Result(GetParam().close, hOld), kRefused);
    EXPECT_TRUE(GetParam().use(hNew) && GetParam().close(hNew)) << "the new object is untouched";
}

INSTANTIATE_TEST_SUITE_P(Kinds, ClosedHandle, testing::ValuesIn(kKinds),
    [](const testing::TestParamInfo<Kind>& info) { return std::string(info.param.name); });

} // namespace
