// Raster image definitions: the image file that raster image entities show.
#pragma once

#include "dbmain.h"
#include "gevec2d.h"

#include <string>

namespace cadhost {
struct FieldAccess;
}

class CADHOST_EXPORT AcDbRasterImageDef : public AcDbObject {
public:
    ACRX_DECLARE_MEMBERS(AcDbRasterImageDef);
    AcDbRasterImageDef() = default;

    Acad::ErrorStatus setSourceFileName(const ACHAR* path);
    const ACHAR* sourceFileName() const;
    const ACHAR* activeFileName() const { return sourceFileName(); }
    // The image's size in pixels. cadhost does not decode images, so the size is what was set.
    AcGeVector2d size() const;
    Acad::ErrorStatus setSize(const AcGeVector2d& pixels);
    Adesk::Boolean isLoaded() const { return Adesk::kFalse; }

    Acad::ErrorStatus dwgInFields(AcDbDwgFiler* filer) override;
    Acad::ErrorStatus dwgOutFields(AcDbDwgFiler* filer) const override;

private:
    friend struct cadhost::FieldAccess;
    template <class Self, class Io> static void fileFields(Self& self, Io& io);

    std::wstring m_sourceFileName;
    AcGeVector2d m_size;
};
