#include "CurveTestSupport.h"

#include <stdexcept>

namespace {

void replay(const MemoryDwgFiler::Entry& entry, MemoryDwgFiler& target)
{
    const std::string& kind = entry.kind;
    const auto& value = entry.value;
    const auto signedValue = [&] { return std::get<Adesk::Int64>(value); };
    const auto unsignedValue = [&] { return std::get<Adesk::UInt64>(value); };
    const auto coordinates = [&] { return std::get<std::vector<double>>(value); };
    if (kind == "Int8")
        target.writeInt8(static_cast<Adesk::Int8>(signedValue()));
    else if (kind == "Int16")
        target.writeInt16(static_cast<Adesk::Int16>(signedValue()));
    else if (kind == "Int32")
        target.writeInt32(static_cast<Adesk::Int32>(signedValue()));
    else if (kind == "Int64")
        target.writeInt64(signedValue());
    else if (kind == "Boolean")
        target.writeBoolean(static_cast<Adesk::Boolean>(signedValue()));
    else if (kind == "Bool")
        target.writeBool(signedValue() != 0);
    else if (kind == "UInt8")
        target.writeUInt8(static_cast<Adesk::UInt8>(unsignedValue()));
    else if (kind == "UInt16")
        target.writeUInt16(static_cast<Adesk::UInt16>(unsignedValue()));
    else if (kind == "UInt32")
        target.writeUInt32(static_cast<Adesk::UInt32>(unsignedValue()));
    else if (kind == "UInt64")
        target.writeUInt64(unsignedValue());
    else if (kind == "Double")
        target.writeDouble(std::get<double>(value));
    else if (kind == "Point2d")
        target.writePoint2d(AcGePoint2d(coordinates()[0], coordinates()[1]));
    else if (kind == "Point3d")
        target.writePoint3d(AcGePoint3d(coordinates()[0], coordinates()[1], coordinates()[2]));
    else if (kind == "Vector3d")
        target.writeVector3d(AcGeVector3d(coordinates()[0], coordinates()[1], coordinates()[2]));
    else if (kind == "String")
        target.writeString(std::get<std::wstring>(value).c_str());
    else if (kind == "HardPointerId")
        target.writeHardPointerId(std::get<AcDbObjectId>(value));
    else if (kind == "SoftPointerId")
        target.writeSoftPointerId(std::get<AcDbObjectId>(value));
    else
        throw std::invalid_argument("no replay for " + kind);
}

} // namespace

void copyValues(const MemoryDwgFiler& source, std::size_t first, std::size_t last, MemoryDwgFiler& target)
{
    for (std::size_t i = first; i < last && i < source.entries().size(); ++i)
        replay(source.entries()[i], target);
}

std::unique_ptr<MemoryDwgFiler> prefixOf(const MemoryDwgFiler& source, std::size_t count,
                                         const std::vector<Adesk::UInt32>& extra)
{
    auto target = std::make_unique<MemoryDwgFiler>();
    copyValues(source, 0, count, *target);
    for (const Adesk::UInt32 value : extra)
        target->writeUInt32(value);
    target->rewind();
    return target;
}
