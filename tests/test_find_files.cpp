// Listing folders and reading attributes, over folders the test makes:
// links, names that are not UTF-8, entries that go while being listed.
#include <gtest/gtest.h>

#include <QFileInfo>
#include <QTemporaryDir>

#include <filesystem>
#include <fstream>
#include <map>

#include "platform/error.h"
#include "platform/file.h"
#include "platform/text.h"

namespace {

namespace fs = std::filesystem;

class FindFiles : public testing::Test {
protected:
    FindFiles() : m_root(QFileInfo(m_dir.path()).canonicalFilePath().toStdString()) { }
    ~FindFiles() override
    {
        std::error_code ec;
        fs::remove_all(m_root, ec);
    }

    void File(const std::string& name) const { std::ofstream(m_root / name) << "x"; }

    static std::u16string Wide(const fs::path& path) { return FileNameToUtf16(path.string()); }

    // Every entry of a folder with its attributes; the error after the last.
    static std::map<std::string, DWORD> List(const fs::path& folder, DWORD& error)
    {
        std::map<std::string, DWORD> entries;
        WIN32_FIND_DATAW data;
        const HANDLE h = FindFirstFileW(Wide(folder / "*").c_str(), &data);
        if (h == INVALID_HANDLE_VALUE) {
            error = GetLastError();
            return entries;
        }
        do
            entries[FileNameFromUtf16(data.cFileName)] = data.dwFileAttributes;
        while (FindNextFileW(h, &data));
        error = GetLastError();
        FindClose(h);
        return entries;
    }

    QTemporaryDir m_dir;
    fs::path m_root;
};

TEST(FileNames, EveryByteComesBack)
{
    struct Case {
        const char* name;
        std::string bytes;
        std::u16string wide;
    };
    const Case cases[] = {
        {"Ascii", "Skins", u"Skins"},
        {"Cyrillic", "\xD0\xAF\xD0\xB1", u"Яб"},
        {"OutsideTheFirstPlane", "\xF0\x9F\x98\x80", u"\U0001F600"},
        {"StrayByte", "a\xFF", u"a\xDCFF"},
        {"LoneContinuation", "\x80", u"\xDC80"},
        {"Overlong", "\xC0\xAF", u"\xDCC0\xDCAF"},
        {"EncodedSurrogate", "\xED\xA0\x80", u"\xDCED\xDCA0\xDC80"},
        {"CutShort", "\xE2\x82", u"\xDCE2\xDC82"},
        {"BeyondUnicode", "\xF4\x90\x80\x80", u"\xDCF4\xDC90\xDC80\xDC80"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(FileNameToUtf16(c.bytes), c.wide) << c.name;
        EXPECT_EQ(FileNameFromUtf16(c.wide), c.bytes) << c.name;
    }
    EXPECT_EQ(FileNameFromUtf16(u"\xD800x"), "\xEF\xBF\xBDx") << "a surrogate no byte stands for";
}

TEST_F(FindFiles, ListsEntriesWithTheirAttributes)
{
    File("a.txt");
    fs::create_directory(m_root / "sub");
    fs::create_directory(m_root / "empty");
    fs::create_directory_symlink("sub", m_root / "to-sub");
    fs::create_symlink("a.txt", m_root / "to-a");
    fs::create_symlink("missing", m_root / "dangling");
    File("bad\xFFname");
    DWORD error = 0;
    const std::map<std::string, DWORD> entries = List(m_root, error);
    const std::map<std::string, DWORD> expected = {{"a.txt", FILE_ATTRIBUTE_NORMAL},
        {"bad\xFFname", FILE_ATTRIBUTE_NORMAL}, {"empty", FILE_ATTRIBUTE_DIRECTORY}, {"sub", FILE_ATTRIBUTE_DIRECTORY},
        {"to-a", FILE_ATTRIBUTE_NORMAL}, {"to-sub", FILE_ATTRIBUTE_DIRECTORY}};
    EXPECT_EQ(entries, expected) << "no . and .., a link to nowhere left out";
    EXPECT_EQ(error, DWORD(ERROR_NO_MORE_FILES));

    struct Case {
        const char* name;
        fs::path path;
        DWORD attributes;
        DWORD error;
    };
    const Case cases[] = {
        {"Folder", m_root / "sub", FILE_ATTRIBUTE_DIRECTORY, 0},
        {"LinkToAFolderIsAFolder", m_root / "to-sub", FILE_ATTRIBUTE_DIRECTORY, 0},
        {"File", m_root / "a.txt", FILE_ATTRIBUTE_NORMAL, 0},
        {"NameThatIsNotUtf8", m_root / "bad\xFFname", FILE_ATTRIBUTE_NORMAL, 0},
        {"Missing", m_root / "nothing", INVALID_FILE_ATTRIBUTES, ERROR_FILE_NOT_FOUND},
        {"LinkToNowhere", m_root / "dangling", INVALID_FILE_ATTRIBUTES, ERROR_FILE_NOT_FOUND},
    };
    for (const Case& c : cases) {
        SetLastError(0);
        EXPECT_EQ(GetFileAttributesW(Wide(c.path).c_str()), c.attributes) << c.name;
        EXPECT_EQ(GetLastError(), c.error) << c.name;
    }

    List(m_root / "empty", error);
    EXPECT_EQ(error, DWORD(ERROR_FILE_NOT_FOUND)) << "an empty folder matches nothing";
    List(m_root / "nothing", error);
    EXPECT_EQ(error, DWORD(ERROR_FILE_NOT_FOUND));
}

TEST_F(FindFiles, EntriesGoneWhileListedAreLeftOut)
{
    fs::create_directory(m_root / "target");
    for (int i = 0; i < 200; ++i)
        fs::create_directory_symlink("target", m_root / ("link" + std::to_string(i)));
    WIN32_FIND_DATAW data;
    const HANDLE h = FindFirstFileW(Wide(m_root / "*").c_str(), &data);
    ASSERT_NE(h, INVALID_HANDLE_VALUE);
    // The links now lead nowhere; those not yet handed out must not be.
    fs::remove(m_root / "target");
    int links = 0;
    while (FindNextFileW(h, &data))
        links += FileNameFromUtf16(data.cFileName).starts_with("link");
    EXPECT_EQ(GetLastError(), DWORD(ERROR_NO_MORE_FILES));
    EXPECT_EQ(links, 0);
    FindClose(h);
}

TEST_F(FindFiles, FoldersAreKnownByTheirIdentity)
{
    fs::create_directory(m_root / "sub");
    fs::create_directory_symlink("sub", m_root / "link");
    const auto identity = [](const fs::path& path, DWORD flags) {
        const HANDLE h = CreateFileW(
            Wide(path).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, flags, nullptr);
        BY_HANDLE_FILE_INFORMATION info{};
        const bool read = h != INVALID_HANDLE_VALUE && GetFileInformationByHandle(h, &info);
        if (h != INVALID_HANDLE_VALUE)
            CloseHandle(h);
        return read ? std::tuple(info.dwVolumeSerialNumber, info.nFileIndexHigh, info.nFileIndexLow)
                    : std::tuple(0u, 0u, 0u);
    };
    const auto folder = identity(m_root / "sub", FILE_FLAG_BACKUP_SEMANTICS);
    EXPECT_NE(folder, std::tuple(0u, 0u, 0u));
    EXPECT_EQ(identity(m_root / "link", FILE_FLAG_BACKUP_SEMANTICS), folder) << "a link leads to the same folder";
    EXPECT_NE(identity(m_root, FILE_FLAG_BACKUP_SEMANTICS), folder);
    EXPECT_EQ(identity(m_root / "sub", 0), std::tuple(0u, 0u, 0u)) << "folders open only when asked for";
}

TEST_F(FindFiles, AnOpenFolderIsListedWhateverItsPathLeadsToLater)
{
    fs::create_directory(m_root / "walked");
    File("walked/mine.txt");
    const HANDLE hFolder = CreateFileW(Wide(m_root / "walked").c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
        OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    ASSERT_NE(hFolder, INVALID_HANDLE_VALUE);
    // Swapped for a link elsewhere after it was looked at: the walk must not follow.
    fs::rename(m_root / "walked", m_root / "moved");
    fs::create_directory(m_root / "elsewhere");
    File("elsewhere/theirs.txt");
    fs::create_directory_symlink("elsewhere", m_root / "walked");
    WIN32_FIND_DATAW data;
    const HANDLE hFind = FindFirstFileInFolder(hFolder, u"*", &data);
    ASSERT_NE(hFind, INVALID_HANDLE_VALUE);
    EXPECT_EQ(FileNameFromUtf16(data.cFileName), "mine.txt");
    EXPECT_FALSE(FindNextFileW(hFind, &data));
    FindClose(hFind);
    EXPECT_EQ(FindFirstFileInFolder(INVALID_HANDLE_VALUE, u"*", &data), INVALID_HANDLE_VALUE);
    CloseHandle(hFolder);
}

} // namespace
