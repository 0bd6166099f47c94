// Whole files as bytes, for tests that compare what a file holds with literal text.
#pragma once

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

inline void writeBytes(const std::filesystem::path& file, const std::string& bytes)
{
    std::ofstream(file, std::ios::binary) << bytes;
}

inline std::string readBytes(const std::filesystem::path& file)
{
    std::ostringstream bytes;
    bytes << std::ifstream(file, std::ios::binary).rdbuf();
    return bytes.str();
}
