#include "acutads.h"

#include "ResbufType.h"

#include <cstdarg>
#include <cstdlib>
#include <cstring>
#include <cwchar>

namespace cadhost {
namespace {
struct CodeRange {
    int first;
    int last;
    ResbufValue value;
};

// DXF group codes and ADS result types by the value they carry.
constexpr CodeRange kCodeRanges[] = {
    {0, 9, ResbufValue::kString},
    {10, 39, ResbufValue::kPoint},
    {40, 59, ResbufValue::kReal},
    {60, 79, ResbufValue::kShort},
    {90, 99, ResbufValue::kLong},
    {100, 105, ResbufValue::kString},
    {110, 139, ResbufValue::kPoint},
    {140, 149, ResbufValue::kReal},
    {160, 169, ResbufValue::kInt64},
    {170, 179, ResbufValue::kShort},
    {210, 239, ResbufValue::kPoint},
    {270, 299, ResbufValue::kShort},
    {300, 329, ResbufValue::kString},
    {330, 369, ResbufValue::kName},
    {370, 389, ResbufValue::kShort},
    {390, 399, ResbufValue::kString},
    {400, 409, ResbufValue::kShort},
    {410, 419, ResbufValue::kString},
    {420, 429, ResbufValue::kLong},
    {430, 439, ResbufValue::kString},
    {440, 459, ResbufValue::kLong},
    {460, 469, ResbufValue::kReal},
    {470, 479, ResbufValue::kString},
    {999, 1003, ResbufValue::kString},
    {1004, 1004, ResbufValue::kBinary},
    {1005, 1009, ResbufValue::kString},
    {1010, 1039, ResbufValue::kPoint},
    {1040, 1059, ResbufValue::kReal},
    {1060, 1070, ResbufValue::kShort},
    {1071, 1071, ResbufValue::kLong},
    {RTREAL, RTREAL, ResbufValue::kReal},
    {RTPOINT, RTPOINT, ResbufValue::kPoint},
    {RTSHORT, RTSHORT, ResbufValue::kShort},
    {RTANG, RTANG, ResbufValue::kReal},
    {RTSTR, RTSTR, ResbufValue::kString},
    {RTENAME, RTPICKS, ResbufValue::kName},
    {RTORINT, RTORINT, ResbufValue::kReal},
    {RT3DPOINT, RT3DPOINT, ResbufValue::kPoint},
    {RTLONG, RTLONG, ResbufValue::kLong},
    {RTDXF0, RTDXF0, ResbufValue::kString},
    {RTINT64, RTINT64, ResbufValue::kInt64},
};
} // namespace

ResbufValue resbufValue(int typeCode)
{
    for (const CodeRange& range : kCodeRanges) {
        if (typeCode >= range.first && typeCode <= range.last)
            return range.value;
    }
    return ResbufValue::kNone;
}

void ResbufRelease::operator()(resbuf* chain) const
{
    acutRelRb(chain);
}
} // namespace cadhost

using cadhost::ResbufValue;

Acad::ErrorStatus acutNewString(const ACHAR* input, ACHAR*& output)
{
    output = nullptr;
    if (input == nullptr)
        return Acad::eInvalidInput;
    std::size_t length = std::wcslen(input);
    output = new ACHAR[length + 1];
    std::wmemcpy(output, input, length + 1);
    return Acad::eOk;
}

void acutDelString(ACHAR*& text)
{
    delete[] text;
    text = nullptr;
}

Acad::ErrorStatus acutNewBuffer(void*& output, std::size_t size)
{
    output = std::malloc(size == 0 ? 1 : size);
    return output != nullptr ? Acad::eOk : Acad::eOutOfMemory;
}

void acutDelBuffer(void*& buffer)
{
    std::free(buffer);
    buffer = nullptr;
}

resbuf* acutNewRb(int type)
{
    auto* node = new resbuf{};
    node->restype = static_cast<short>(type);
    return node;
}

namespace {
void releaseValue(resbuf* node)
{
    switch (cadhost::resbufValue(node->restype)) {
    case ResbufValue::kString:
        acutDelString(node->resval.rstring);
        break;
    case ResbufValue::kBinary: {
        void* buffer = node->resval.rbinary.buf;
        acutDelBuffer(buffer);
        node->resval.rbinary.buf = nullptr;
        break;
    }
    default:
        break;
    }
}

void copyValue(resbuf* target, const resbuf* source)
{
    target->resval = source->resval;
    switch (cadhost::resbufValue(source->restype)) {
    case ResbufValue::kString:
        target->resval.rstring = nullptr;
        if (source->resval.rstring != nullptr)
            acutNewString(source->resval.rstring, target->resval.rstring);
        break;
    case ResbufValue::kBinary: {
        target->resval.rbinary.buf = nullptr;
        short length = source->resval.rbinary.clen;
        if (source->resval.rbinary.buf != nullptr && length > 0) {
            void* buffer = nullptr;
            acutNewBuffer(buffer, static_cast<std::size_t>(length));
            std::memcpy(buffer, source->resval.rbinary.buf, static_cast<std::size_t>(length));
            target->resval.rbinary.buf = static_cast<char*>(buffer);
        } else {
            target->resval.rbinary.clen = 0;
        }
        break;
    }
    default:
        break;
    }
}
} // namespace

int acutRelRb(resbuf* chain)
{
    while (chain != nullptr) {
        resbuf* next = chain->rbnext;
        releaseValue(chain);
        delete chain;
        chain = next;
    }
    return RTNORM;
}

resbuf* acutBuildList(int type, ...)
{
    va_list args;
    va_start(args, type);
    resbuf* head = nullptr;
    resbuf* tail = nullptr;
    for (int code = type; code != 0 && code != RTNONE; code = va_arg(args, int)) {
        resbuf* node = acutNewRb(code);
        switch (cadhost::resbufValue(code)) {
        case ResbufValue::kString:
            acutNewString(va_arg(args, const ACHAR*), node->resval.rstring);
            break;
        case ResbufValue::kReal:
            node->resval.rreal = va_arg(args, double);
            break;
        case ResbufValue::kPoint: {
            const ads_real* point = va_arg(args, const ads_real*);
            for (int axis = 0; axis < 3; ++axis)
                node->resval.rpoint[axis] = point != nullptr ? point[axis] : 0.0;
            break;
        }
        case ResbufValue::kShort:
            node->resval.rint = static_cast<short>(va_arg(args, int));
            break;
        case ResbufValue::kLong:
            node->resval.rlong = static_cast<Adesk::Int32>(va_arg(args, int));
            break;
        case ResbufValue::kInt64:
            node->resval.mnInt64 = va_arg(args, Adesk::Int64);
            break;
        case ResbufValue::kBinary: {
            const ads_binary* chunk = va_arg(args, const ads_binary*);
            resbuf source{};
            source.restype = static_cast<short>(code);
            if (chunk != nullptr)
                source.resval.rbinary = *chunk;
            copyValue(node, &source);
            break;
        }
        case ResbufValue::kName: {
            const Adesk::LongPtr* name = va_arg(args, const Adesk::LongPtr*);
            node->resval.rlname[0] = name != nullptr ? name[0] : 0;
            node->resval.rlname[1] = name != nullptr ? name[1] : 0;
            break;
        }
        case ResbufValue::kNone:
            break;
        }
        if (tail == nullptr)
            head = node;
        else
            tail->rbnext = node;
        tail = node;
    }
    va_end(args);
    return head;
}

resbuf* acutRbDup(const resbuf* chain)
{
    resbuf* head = nullptr;
    resbuf* tail = nullptr;
    for (const resbuf* node = chain; node != nullptr; node = node->rbnext) {
        resbuf* copy = acutNewRb(node->restype);
        copyValue(copy, node);
        if (tail == nullptr)
            head = copy;
        else
            tail->rbnext = copy;
        tail = copy;
    }
    return head;
}
