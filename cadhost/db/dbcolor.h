// Colours and transparency of entities.
#pragma once

#include "acadstrc.h"
#include "adesk.h"

class AcDbDwgFiler;

namespace AcCmEntityColor {
enum ColorMethod : Adesk::UInt8 {
    kByLayer = 0xC0,
    kByBlock = 0xC1,
    kByColor = 0xC2,
    kByACI = 0xC3,
    kForeground = 0xC5,
    kNone = 0xC8
};
// The colour index whose palette colour lies nearest to the given RGB colour (1..255).
CADHOST_EXPORT Adesk::UInt16 lookUpACI(Adesk::UInt8 red, Adesk::UInt8 green, Adesk::UInt8 blue);
// The palette RGB colour of an index, packed as 0x00RRGGBB.
CADHOST_EXPORT Adesk::UInt32 lookUpRGB(Adesk::UInt16 colorIndex);
} // namespace AcCmEntityColor

class CADHOST_EXPORT AcCmColor {
public:
    AcCmColor() = default;

    AcCmEntityColor::ColorMethod colorMethod() const { return m_method; }
    Acad::ErrorStatus setColorMethod(AcCmEntityColor::ColorMethod method);
    bool isByColor() const { return m_method == AcCmEntityColor::kByColor; }
    bool isByLayer() const;
    bool isByBlock() const;
    bool isByACI() const { return m_method == AcCmEntityColor::kByACI; }
    bool isNone() const { return m_method == AcCmEntityColor::kNone; }

    // The colour index; for a true colour, the index nearest to it.
    Adesk::UInt16 colorIndex() const;
    Acad::ErrorStatus setColorIndex(Adesk::UInt16 colorIndex);
    Acad::ErrorStatus setRGB(Adesk::UInt8 red, Adesk::UInt8 green, Adesk::UInt8 blue);
    Adesk::UInt8 red() const;
    Adesk::UInt8 green() const;
    Adesk::UInt8 blue() const;
    // Method in the high byte, then red, green, blue (or the index in the low 16 bits).
    Adesk::UInt32 color() const;
    Acad::ErrorStatus setColor(Adesk::UInt32 value);

    Acad::ErrorStatus dwgOut(AcDbDwgFiler* filer) const;
    Acad::ErrorStatus dwgIn(AcDbDwgFiler* filer);

    bool operator==(const AcCmColor& other) const { return m_method == other.m_method && m_value == other.m_value; }
    bool operator!=(const AcCmColor& other) const { return !(*this == other); }

private:
    AcCmEntityColor::ColorMethod m_method = AcCmEntityColor::kByLayer;
    Adesk::UInt32 m_value = 256; // index 256 is ByLayer, 0 ByBlock; RGB packed for kByColor
};

class CADHOST_EXPORT AcCmTransparency {
public:
    enum transparencyMethod { kByLayer = 0, kByBlock = 1, kByAlpha = 2, kErrorValue = 3 };
    AcCmTransparency() = default;
    explicit AcCmTransparency(Adesk::UInt8 alpha) { setAlpha(alpha); }

    void setAlpha(Adesk::UInt8 alpha);
    Adesk::UInt8 alpha() const;
    void setAlphaPercent(double percent);
    double alphaPercent() const;
    void setMethod(transparencyMethod method);
    bool isByAlpha() const;
    bool isByLayer() const;
    bool isByBlock() const;
    bool isClear() const;
    bool isSolid() const;
    // The serialised 32-bit form: method in the high byte, alpha in the low byte.
    Adesk::UInt32 serializeOut() const { return m_value; }
    void serializeIn(Adesk::UInt32 value) { m_value = value; }
    bool operator==(const AcCmTransparency& other) const { return m_value == other.m_value; }

private:
    Adesk::UInt32 m_value = 0; // by layer
};
