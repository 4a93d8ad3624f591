// A /sys and /proc tree in a temporary folder that the platform's readers
// see as "/" (QUILLET_ROOT) for the life of the object.
#pragma once

#include <QTemporaryDir>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

class FixtureRoot {
public:
    FixtureRoot() { ::setenv("QUILLET_ROOT", m_dir.path().toStdString().c_str(), 1); }
    ~FixtureRoot() { ::unsetenv("QUILLET_ROOT"); }
    FixtureRoot(const FixtureRoot&) = delete;
    FixtureRoot& operator=(const FixtureRoot&) = delete;

    // Where an absolute path of the tree ("/proc/meminfo") is on disk.
    std::filesystem::path Path(std::string_view absolutePath) const
    {
        return std::filesystem::path(m_dir.path().toStdString()) / std::filesystem::path(absolutePath).relative_path();
    }

    void Write(std::string_view absolutePath, std::string_view text) const
    {
        const std::filesystem::path path = Path(absolutePath);
        std::filesystem::create_directories(path.parent_path());
        std::ofstream(path, std::ios::binary) << text;
    }

private:
    QTemporaryDir m_dir;
};
