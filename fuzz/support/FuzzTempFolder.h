// The one folder a fuzzer writes into: made under the system's temporary folder on first use, named
// after the process, and removed with everything in it when the process ends.
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

class FuzzTempFolder {
public:
    static const std::filesystem::path& path()
    {
        static FuzzTempFolder folder;
        return folder.m_path;
    }

    // Replaces the file's content with the input, in the temporary folder.
    static std::filesystem::path write(const std::string& name, const std::uint8_t* data, std::size_t size)
    {
        const std::filesystem::path file = path() / name;
        std::ofstream out(file, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
        return file;
    }

    FuzzTempFolder(const FuzzTempFolder&) = delete;
    FuzzTempFolder& operator=(const FuzzTempFolder&) = delete;

private:
    FuzzTempFolder() : m_path(std::filesystem::temp_directory_path() / ("tessaril-fuzz-" + std::to_string(::getpid())))
    {
        std::filesystem::remove_all(m_path);
        std::filesystem::create_directories(m_path);
    }
    ~FuzzTempFolder()
    {
        std::error_code ignored;
        std::filesystem::remove_all(m_path, ignored);
    }

    std::filesystem::path m_path;
};
