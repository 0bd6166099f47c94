#include "dbcolor.h"

#include "dbfiler.h"

#include <algorithm>
#include <cmath>

namespace {
constexpr Adesk::UInt32 kByLayerIndex = 256;
constexpr Adesk::UInt32 kByBlockIndex = 0;
constexpr Adesk::UInt32 kForegroundIndex = 7;

bool isKnownMethod(Adesk::UInt32 method)
{
    switch (method) {
    case AcCmEntityColor::kByLayer:
    case AcCmEntityColor::kByBlock:
    case AcCmEntityColor::kByColor:
    case AcCmEntityColor::kByACI:
    case AcCmEntityColor::kForeground:
    case AcCmEntityColor::kNone:
        return true;
    default:
        return false;
    }
}
} // namespace

Acad::ErrorStatus AcCmColor::setColorMethod(AcCmEntityColor::ColorMethod method)
{
    switch (method) {
    case AcCmEntityColor::kByLayer:
        m_value = kByLayerIndex;
        break;
    case AcCmEntityColor::kByBlock:
        m_value = kByBlockIndex;
        break;
    case AcCmEntityColor::kForeground:
        m_value = kForegroundIndex;
        break;
    case AcCmEntityColor::kByACI:
        if (m_method != AcCmEntityColor::kByACI)
            m_value = kForegroundIndex;
        break;
    case AcCmEntityColor::kByColor:
        if (m_method != AcCmEntityColor::kByColor)
            m_value = AcCmEntityColor::lookUpRGB(colorIndex());
        break;
    case AcCmEntityColor::kNone:
        m_value = 0;
        break;
    default:
        return Acad::eInvalidInput;
    }
    m_method = method;
    return Acad::eOk;
}

bool AcCmColor::isByLayer() const
{
    return m_method == AcCmEntityColor::kByLayer;
}

bool AcCmColor::isByBlock() const
{
    return m_method == AcCmEntityColor::kByBlock;
}

Adesk::UInt16 AcCmColor::colorIndex() const
{
    switch (m_method) {
    case AcCmEntityColor::kByLayer:
        return kByLayerIndex;
    case AcCmEntityColor::kByBlock:
        return kByBlockIndex;
    case AcCmEntityColor::kByColor:
        return AcCmEntityColor::lookUpACI(red(), green(), blue());
    case AcCmEntityColor::kNone:
        return 257;
    default:
        return static_cast<Adesk::UInt16>(m_value);
    }
}

Acad::ErrorStatus AcCmColor::setColorIndex(Adesk::UInt16 colorIndex)
{
    if (colorIndex > kByLayerIndex)
        return Acad::eInvalidInput;
    if (colorIndex == kByLayerIndex)
        m_method = AcCmEntityColor::kByLayer;
    else if (colorIndex == kByBlockIndex)
        m_method = AcCmEntityColor::kByBlock;
    else
        m_method = AcCmEntityColor::kByACI;
    m_value = colorIndex;
    return Acad::eOk;
}

Acad::ErrorStatus AcCmColor::setRGB(Adesk::UInt8 red, Adesk::UInt8 green, Adesk::UInt8 blue)
{
    m_method = AcCmEntityColor::kByColor;
    m_value = (static_cast<Adesk::UInt32>(red) << 16) | (static_cast<Adesk::UInt32>(green) << 8) | blue;
    return Acad::eOk;
}

Adesk::UInt8 AcCmColor::red() const
{
    Adesk::UInt32 color = m_method == AcCmEntityColor::kByColor ? m_value : AcCmEntityColor::lookUpRGB(colorIndex());
    return static_cast<Adesk::UInt8>((color >> 16) & 0xFF);
}

Adesk::UInt8 AcCmColor::green() const
{
    Adesk::UInt32 color = m_method == AcCmEntityColor::kByColor ? m_value : AcCmEntityColor::lookUpRGB(colorIndex());
    return static_cast<Adesk::UInt8>((color >> 8) & 0xFF);
}

Adesk::UInt8 AcCmColor::blue() const
{
    Adesk::UInt32 color = m_method == AcCmEntityColor::kByColor ? m_value : AcCmEntityColor::lookUpRGB(colorIndex());
    return static_cast<Adesk::UInt8>(color & 0xFF);
}

Adesk::UInt32 AcCmColor::color() const
{
    return (static_cast<Adesk::UInt32>(m_method) << 24) | (m_value & 0xFFFFFF);
}

Acad::ErrorStatus AcCmColor::setColor(Adesk::UInt32 value)
{
    Adesk::UInt32 method = value >> 24;
    Adesk::UInt32 payload = value & 0xFFFFFF;
    if (!isKnownMethod(method))
        return Acad::eInvalidInput;
    if (method == AcCmEntityColor::kByACI && (payload == 0 || payload > 255))
        return Acad::eInvalidInput;
    m_method = static_cast<AcCmEntityColor::ColorMethod>(method);
    switch (m_method) {
    case AcCmEntityColor::kByLayer:
        m_value = kByLayerIndex;
        break;
    case AcCmEntityColor::kByBlock:
        m_value = kByBlockIndex;
        break;
    case AcCmEntityColor::kForeground:
        m_value = kForegroundIndex;
        break;
    default:
        m_value = payload;
        break;
    }
    return Acad::eOk;
}

Acad::ErrorStatus AcCmColor::dwgOut(AcDbDwgFiler* filer) const
{
    return filer->writeUInt32(color());
}

Acad::ErrorStatus AcCmColor::dwgIn(AcDbDwgFiler* filer)
{
    Adesk::UInt32 value = 0;
    if (Acad::ErrorStatus status = filer->readUInt32(&value); status != Acad::eOk)
        return status;
    return setColor(value);
}
