// The host's automation documents collection: the open documents in the order they were opened, each
// with its full file name, activation and closing. Indices start at 0.
#pragma once

#include "ComBase.h"

inline constexpr IID IID_IAcadDocument = {0xF252ED2F, 0x3165, 0x403E, {0x94, 0x75, 0x91, 0x43, 0x8C, 0xC2, 0x9B, 0x07}};
inline constexpr IID IID_IAcadDocuments = {
    0x7710DC73, 0x3A63, 0x4D52, {0x98, 0xD6, 0x27, 0xF0, 0xB1, 0xCC, 0x1B, 0xE3}};

struct IAcadDocument : IDispatch {
    // The drawing file's full path.
    virtual HRESULT get_FullName(BSTR* fullName) = 0;
    // The file name without its folder.
    virtual HRESULT get_Name(BSTR* name) = 0;
    virtual HRESULT Activate() = 0;
    // Closes the document; with saveChanges it is saved first, under fileName when one is given. E_FAIL
    // when the document is no longer open, is locked, or cannot be saved.
    virtual HRESULT Close(bool saveChanges, const wchar_t* fileName) = 0;

protected:
    ~IAcadDocument() = default;
};

struct IAcadDocuments : IDispatch {
    virtual HRESULT get_Count(long* count) = 0;
    virtual HRESULT Item(long index, IAcadDocument** document) = 0;

protected:
    ~IAcadDocuments() = default;
};

namespace cadhost {
// A new documents collection for the application object; the caller releases it.
CADHOST_EXPORT HRESULT newDocumentsCollection(IAcadDocuments** documents);
// Documents objects and document objects not yet released.
CADHOST_EXPORT long liveDocumentObjects();
} // namespace cadhost
