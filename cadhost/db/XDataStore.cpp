#include "XDataStore.h"

#include "SymbolName.h"
#include "acutads.h"
#include "dbfiler.h"

#include <cstring>

using cadhost::ResbufValue;

namespace {
bool isItemCode(int code)
{
    switch (code) {
    case AcDb::kDxfXdAsciiString:
    case AcDb::kDxfXdControlString:
    case AcDb::kDxfXdLayerName:
    case AcDb::kDxfXdBinaryChunk:
    case AcDb::kDxfXdHandle:
    case AcDb::kDxfXdXCoord:
    case AcDb::kDxfXdWorldXCoord:
    case AcDb::kDxfXdWorldXDisp:
    case AcDb::kDxfXdWorldXDir:
    case AcDb::kDxfXdReal:
    case AcDb::kDxfXdDist:
    case AcDb::kDxfXdScale:
    case AcDb::kDxfXdInteger16:
    case AcDb::kDxfXdInteger32:
        return true;
    default:
        return false;
    }
}

std::size_t textBytes(const ACHAR* text)
{
    return text != nullptr ? std::wcslen(text) * 2 + 2 : 2;
}

// Bytes an item takes in the host's accounting: its code and its value.
std::size_t itemBytes(const resbuf* item)
{
    switch (cadhost::resbufValue(item->restype)) {
    case ResbufValue::kString:
        return 2 + textBytes(item->resval.rstring);
    case ResbufValue::kBinary:
        return 3 + static_cast<std::size_t>(std::max<short>(item->resval.rbinary.clen, 0));
    case ResbufValue::kPoint:
        return 2 + 24;
    case ResbufValue::kReal:
        return 2 + 8;
    case ResbufValue::kShort:
        return 2 + 2;
    default:
        return 2 + 4;
    }
}
} // namespace

Acad::ErrorStatus XDataStore::set(const resbuf* chain, const std::function<bool(const ACHAR*)>& isRegistered)
{
    if (chain == nullptr)
        return Acad::eOk;
    if (chain->restype != AcDb::kDxfRegAppName)
        return Acad::eInvalidResBuf;
    std::vector<App> updated;
    updated.reserve(m_apps.size());
    for (const App& app : m_apps) {
        App copy{app.name, cadhost::ResbufChain(acutRbDup(app.items.get()))};
        updated.push_back(std::move(copy));
    }
    const resbuf* group = chain;
    while (group != nullptr) {
        const ACHAR* name = group->resval.rstring;
        if (name == nullptr || *name == 0)
            return Acad::eInvalidResBuf;
        if (!isRegistered(name))
            return Acad::eRegappIdNotFound;
        const resbuf* first = group->rbnext;
        const resbuf* last = nullptr;
        const resbuf* item = first;
        for (; item != nullptr && item->restype != AcDb::kDxfRegAppName; item = item->rbnext) {
            if (!isItemCode(item->restype))
                return Acad::eInvalidResBuf;
            if (cadhost::resbufValue(item->restype) == ResbufValue::kString && item->resval.rstring == nullptr)
                return Acad::eInvalidResBuf;
            last = item;
        }
        cadhost::ResbufChain items;
        if (last != nullptr) {
            // Copy the group's items alone: cut the duplicate after the group's last item.
            resbuf* copy = acutRbDup(first);
            resbuf* tail = copy;
            for (const resbuf* walk = first; walk != last; walk = walk->rbnext)
                tail = tail->rbnext;
            acutRelRb(tail->rbnext);
            tail->rbnext = nullptr;
            items.reset(copy);
        }
        auto found = std::find_if(updated.begin(), updated.end(),
                                  [&](const App& app) { return cadhost::sameName(app.name, name); });
        if (items == nullptr) {
            if (found != updated.end())
                updated.erase(found);
        } else if (found != updated.end()) {
            found->items = std::move(items);
        } else {
            updated.push_back(App{name, std::move(items)});
        }
        group = item;
    }
    std::swap(m_apps, updated);
    if (byteSize() > kMaxBytes) {
        std::swap(m_apps, updated);
        return Acad::eXdataSizeExceeded;
    }
    return Acad::eOk;
}

std::size_t XDataStore::byteSize() const
{
    std::size_t total = 0;
    for (const App& app : m_apps) {
        total += 2 + textBytes(app.name.c_str());
        for (const resbuf* item = app.items.get(); item != nullptr; item = item->rbnext)
            total += itemBytes(item);
    }
    return total;
}

resbuf* XDataStore::get(const ACHAR* appName) const
{
    resbuf* head = nullptr;
    resbuf* tail = nullptr;
    for (const App& app : m_apps) {
        if (appName != nullptr && !cadhost::sameName(app.name, appName))
            continue;
        resbuf* nameItem = acutNewRb(AcDb::kDxfRegAppName);
        acutNewString(app.name.c_str(), nameItem->resval.rstring);
        nameItem->rbnext = acutRbDup(app.items.get());
        if (tail == nullptr)
            head = nameItem;
        else
            tail->rbnext = nameItem;
        tail = nameItem;
        while (tail->rbnext != nullptr)
            tail = tail->rbnext;
    }
    return head;
}

void XDataStore::copyFrom(const XDataStore& other)
{
    m_apps.clear();
    for (const App& app : other.m_apps)
        m_apps.push_back(App{app.name, cadhost::ResbufChain(acutRbDup(app.items.get()))});
}

std::vector<std::wstring> XDataStore::appNames() const
{
    std::vector<std::wstring> names;
    for (const App& app : m_apps)
        names.push_back(app.name);
    return names;
}

Acad::ErrorStatus XDataStore::dwgOut(AcDbDwgFiler* filer) const
{
    filer->writeUInt16(static_cast<Adesk::UInt16>(m_apps.size()));
    for (const App& app : m_apps) {
        filer->writeString(app.name.c_str());
        Adesk::UInt16 count = 0;
        for (const resbuf* item = app.items.get(); item != nullptr; item = item->rbnext)
            ++count;
        filer->writeUInt16(count);
        for (const resbuf* item = app.items.get(); item != nullptr; item = item->rbnext) {
            filer->writeInt16(item->restype);
            switch (cadhost::resbufValue(item->restype)) {
            case ResbufValue::kString:
                filer->writeString(item->resval.rstring);
                break;
            case ResbufValue::kBinary: {
                auto length = static_cast<Adesk::UInt16>(std::max<short>(item->resval.rbinary.clen, 0));
                filer->writeUInt16(length);
                filer->writeBytes(item->resval.rbinary.buf, length);
                break;
            }
            case ResbufValue::kPoint:
                for (double coordinate : item->resval.rpoint)
                    filer->writeDouble(coordinate);
                break;
            case ResbufValue::kReal:
                filer->writeDouble(item->resval.rreal);
                break;
            case ResbufValue::kShort:
                filer->writeInt16(item->resval.rint);
                break;
            default:
                filer->writeInt32(item->resval.rlong);
                break;
            }
        }
    }
    return filer->filerStatus();
}

Acad::ErrorStatus XDataStore::dwgIn(AcDbDwgFiler* filer)
{
    m_apps.clear();
    Adesk::UInt16 appCount = 0;
    if (Acad::ErrorStatus status = filer->readUInt16(&appCount); status != Acad::eOk)
        return status;
    for (Adesk::UInt16 appIndex = 0; appIndex < appCount; ++appIndex) {
        App app;
        AcString name;
        Adesk::UInt16 count = 0;
        if (filer->readString(name) != Acad::eOk || filer->readUInt16(&count) != Acad::eOk || name.isEmpty())
            return Acad::eDwgObjectImproperlyRead;
        app.name = name.str();
        resbuf* tail = nullptr;
        for (Adesk::UInt16 itemIndex = 0; itemIndex < count; ++itemIndex) {
            Adesk::Int16 code = 0;
            if (filer->readInt16(&code) != Acad::eOk || !isItemCode(code))
                return Acad::eDwgObjectImproperlyRead;
            resbuf* item = acutNewRb(code);
            if (tail == nullptr)
                app.items.reset(item);
            else
                tail->rbnext = item;
            tail = item;
            Acad::ErrorStatus status = Acad::eOk;
            switch (cadhost::resbufValue(code)) {
            case ResbufValue::kString: {
                AcString text;
                status = filer->readString(text);
                acutNewString(text.kwszPtr(), item->resval.rstring);
                break;
            }
            case ResbufValue::kBinary: {
                Adesk::UInt16 length = 0;
                status = filer->readUInt16(&length);
                if (status != Acad::eOk || length > 0x7FFF)
                    return Acad::eDwgObjectImproperlyRead;
                void* buffer = nullptr;
                // The filer refuses a length beyond its data before anything is copied.
                std::vector<char> bytes(length);
                status = filer->readBytes(bytes.data(), length);
                if (status == Acad::eOk) {
                    acutNewBuffer(buffer, length);
                    std::memcpy(buffer, bytes.data(), length);
                    item->resval.rbinary.buf = static_cast<char*>(buffer);
                    item->resval.rbinary.clen = static_cast<short>(length);
                }
                break;
            }
            case ResbufValue::kPoint:
                for (double& coordinate : item->resval.rpoint) {
                    if (status == Acad::eOk)
                        status = filer->readDouble(&coordinate);
                }
                break;
            case ResbufValue::kReal:
                status = filer->readDouble(&item->resval.rreal);
                break;
            case ResbufValue::kShort:
                status = filer->readInt16(&item->resval.rint);
                break;
            default:
                status = filer->readInt32(&item->resval.rlong);
                break;
            }
            if (status != Acad::eOk)
                return Acad::eDwgObjectImproperlyRead;
        }
        m_apps.push_back(std::move(app));
    }
    return Acad::eOk;
}
