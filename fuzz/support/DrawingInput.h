// Opens fuzz input as a drawing file with the host's reader, from a file in the fuzzer's temporary
// folder: once as the bytes are and, when their checksums are all that stops the reader, once more
// with the checksums corrected. A drawing that opens is saved again, so that every object read from
// it also writes itself out.
#pragma once

#include "DrawingChecksums.h"
#include "FuzzTempFolder.h"

#include "dbmain.h"

#include <cstddef>
#include <cstdint>

inline Acad::ErrorStatus openDrawingOnce(const std::uint8_t* data, std::size_t size)
{
    const std::wstring file = FuzzTempFolder::write("input.dwg", data, size).wstring();
    AcDbDatabase database(false, true);
    const Acad::ErrorStatus status = database.readDwgFile(file.c_str());
    if (status == Acad::eOk) {
        const std::wstring resaved = (FuzzTempFolder::path() / "resaved.dwg").wstring();
        database.saveAs(resaved.c_str(), false);
    }
    return status;
}

inline void openDrawingBytes(const std::uint8_t* data, std::size_t size)
{
    if (openDrawingOnce(data, size) != Acad::eDwgCRCDoesNotMatch)
        return;
    if (const auto fixed = withSectionChecksums(data, size))
        openDrawingOnce(fixed->data(), fixed->size());
}
