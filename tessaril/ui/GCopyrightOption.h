// The copyright notes of a batch and the watermark grid: who owns the drawing, who may use it, when it
// was issued, the extra lines, and the rows and columns over which the watermark repeats them. The
// watermark entity files the record into the drawing; the copyright page keeps it in the settings store.
#pragma once

#include "GCopyrightItem.h"
#include "GCopyrightItemEx.h"

class GCopyrightOption {
public:
    static constexpr Adesk::Int32 kVersion = 1;

    GCopyrightOption();
    virtual ~GCopyrightOption() = default;
    GCopyrightOption(const GCopyrightOption&) = default;
    GCopyrightOption& operator=(const GCopyrightOption&) = default;

    // The stored version first; a stored version above kVersion stops reading with eMakeMeProxy and
    // leaves every field as it was.
    virtual Acad::ErrorStatus dwgOutFields(AcDbDwgFiler* filer) const;
    virtual Acad::ErrorStatus dwgInFields(AcDbDwgFiler* filer);

    // Sections "CopyrightOption_Owner", "_User", "_Date", "_Extra" and "CopyrightOption" of the settings
    // store. Loading keeps the current values for missing keys (the grid falls back to 10 by 10).
    void loadFromSettings();
    void saveToSettings() const;

    GCopyrightItem owner;
    GCopyrightItem user;
    GCopyrightItem date;
    GCopyrightItemEx extra;
    Adesk::Int32 rows = 10;
    Adesk::Int32 columns = 10;
    Adesk::Int32 version = kVersion;
};

// The product's own lines, the texts of a new record's owner and user notes.
extern const wchar_t* const kDefaultOwnerText;
extern const wchar_t* const kDefaultUserText;
