// A fresh, empty folder under the system's temporary folder, removed with everything in it when the
// object goes out of scope.
#pragma once

#include <filesystem>
#include <random>
#include <string>

class ScopedTempFolder {
public:
    ScopedTempFolder()
    {
        std::random_device random;
        for (;;) {
            m_path = std::filesystem::temp_directory_path() / ("tessaril-test-" + std::to_string(random()));
            if (std::filesystem::create_directory(m_path))
                break;
        }
    }
    ~ScopedTempFolder()
    {
        std::error_code ignored;
        std::filesystem::remove_all(m_path, ignored);
    }
    ScopedTempFolder(const ScopedTempFolder&) = delete;
    ScopedTempFolder& operator=(const ScopedTempFolder&) = delete;

    const std::filesystem::path& path() const { return m_path; }
    std::filesystem::path operator/(const std::string& name) const { return m_path / name; }
    // The path as wide text, as the Windows-style functions take it.
    std::wstring wide(const std::string& name = "") const
    {
        const std::filesystem::path full = name.empty() ? m_path : m_path / name;
        return full.wstring();
    }

private:
    std::filesystem::path m_path;
};
