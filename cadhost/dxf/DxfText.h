// Turns the bytes of a DXF text into a wide string: files of release 2007 and later are UTF-8, older
// ones use the code page their header names; both may spell characters as \U+XXXX, and old files
// spell double-byte characters as \M+nXXXX.
#pragma once

#include <string>

namespace cadhost::dxf {

class DxfText {
public:
    // version: the header's $ACADVER ("AC1015", ...); codePage: its $DWGCODEPAGE ("ANSI_936", ...).
    DxfText(const std::string& version, const std::string& codePage);

    std::wstring decode(const std::string& bytes) const;

private:
    std::string m_encoding; // the iconv name of the file's encoding
};

} // namespace cadhost::dxf
