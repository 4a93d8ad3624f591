// Each registry test gets its own hive: XDG_CONFIG_HOME points at a fresh
// temporary folder, so the user's real ~/.config is never touched.
#pragma once

#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

class RegHomeTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "quillet-reg-XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        m_home = pattern;
        setenv("XDG_CONFIG_HOME", m_home.c_str(), 1);
    }

    void TearDown() override
    {
        // Give back any permissions a test took away, so the folder can go.
        std::error_code ec;
        for (auto& entry : std::filesystem::recursive_directory_iterator(m_home, ec))
            std::filesystem::permissions(
                entry.path(), std::filesystem::perms::owner_all, std::filesystem::perm_options::add, ec);
        std::filesystem::remove_all(m_home, ec);
    }

    std::string StoreFolder() const { return m_home + "/quillet"; }
    std::string StorePath() const { return StoreFolder() + "/registry.sqlite3"; }

    static std::string ReadBytes(const std::string& path)
    {
        std::ifstream in(path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }

    static void WriteBytes(const std::string& path, const std::string& bytes)
    {
        std::filesystem::create_directories(std::filesystem::path(path).parent_path());
        std::ofstream(path, std::ios::binary) << bytes;
    }

    std::string m_home;
};
