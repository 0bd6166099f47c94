#include "DxfFile.h"

#include "DxfError.h"

#include <dxflib/dl_codes.h>
#include <dxflib/dl_dxf.h>

#include <charconv>
#include <fstream>

namespace cadhost::dxf {
namespace {

constexpr char kBinarySentinel[] = "AutoCAD Binary DXF";

// dxflib's own parser allocates what a file's counts say before it sees the data, so a damaged count
// could exhaust memory; dxflib reads the lines and this reader makes the records.
std::vector<DxfRecord> readRecords(std::istream& stream)
{
    std::vector<DxfRecord> records;
    std::string codeLine;
    std::string value;
    while (DL_Dxf::getStrippedLine(codeLine, DL_DXF_MAXLINE, stream, true)) {
        if (codeLine.empty() && stream.eof())
            break;
        int code = 0;
        const auto [stop, error] = std::from_chars(codeLine.data(), codeLine.data() + codeLine.size(), code);
        if (error != std::errc() || stop != codeLine.data() + codeLine.size() || code < 0) {
            if (records.empty())
                throw DxfError("the file is not a DXF file: it does not start with a section");
            throw DxfError("the file is damaged: \"" + codeLine + "\" after " + records.back().type() +
                           " is not a group code");
        }
        if (!DL_Dxf::getStrippedLine(value, DL_DXF_MAXLINE, stream, false))
            throw DxfError("the file is truncated: it does not end with EOF");
        if (code == 0)
            records.emplace_back(value);
        else if (records.empty())
            throw DxfError("the file is not a DXF file: it does not start with a section");
        else
            records.back().add(code, value);
        if (code == 0 && value == "EOF")
            break;
    }
    return records;
}

void checkIsAsciiDxf(const std::filesystem::path& path)
{
    std::ifstream file(path, std::ios::binary);
    if (!file)
        throw DxfError("cannot read the file");
    char start[sizeof kBinarySentinel - 1] = {};
    file.read(start, sizeof start);
    if (std::string(start, static_cast<std::size_t>(file.gcount())) == kBinarySentinel)
        throw DxfError("the file is a binary DXF file; only ASCII DXF files are read");
}

} // namespace

DxfFile DxfFile::read(const std::filesystem::path& path)
{
    checkIsAsciiDxf(path);
    std::ifstream stream(path, std::ios::binary);
    if (!stream)
        throw DxfError("cannot read the file");
    std::vector<DxfRecord> records = readRecords(stream);
    if (records.empty() || records.front().type() != "SECTION")
        throw DxfError("the file is not a DXF file: it does not start with a section");
    if (records.back().type() != "EOF")
        throw DxfError("the file is truncated: it does not end with EOF");

    DxfFile result;
    std::vector<DxfRecord>* current = nullptr;
    for (DxfRecord& record : records) {
        if (record.type() == "SECTION") {
            const std::string name = record.text(2);
            if (name == "HEADER") {
                const auto& groups = record.groups();
                for (std::size_t index = 0; index + 1 < groups.size(); ++index)
                    if (groups[index].code == 9)
                        result.m_variables.emplace(groups[index].value, groups[index + 1].value);
            }
            current = &result.m_sections[name];
        } else if (record.type() == "ENDSEC") {
            current = nullptr;
        } else if (record.type() == "EOF") {
            break;
        } else if (current == nullptr) {
            throw DxfError("the file is not a DXF file: " + record.type() + " stands outside every section");
        } else {
            current->push_back(std::move(record));
        }
    }
    if (current != nullptr)
        throw DxfError("the file is truncated: its last section has no end");
    return result;
}

std::string DxfFile::variable(const std::string& name) const
{
    const auto found = m_variables.find(name);
    return found == m_variables.end() ? std::string() : found->second;
}

const std::vector<DxfRecord>& DxfFile::section(const std::string& name) const
{
    static const std::vector<DxfRecord> none;
    const auto found = m_sections.find(name);
    return found == m_sections.end() ? none : found->second;
}

} // namespace cadhost::dxf
