#include "CustomClassRegistration.h"

#include <algorithm>

namespace {
constexpr const ACHAR* kMaker = ACRX_T("Tessaril Software");
constexpr const ACHAR* kWebAddress = ACRX_T("www.tessaril.com");
// Labels are padded so that the three values start in the same column.
constexpr std::size_t kLabelWidth = 19;

std::wstring padded(const ACHAR* label)
{
    std::wstring text(label);
    text.resize(std::max(kLabelWidth, text.size()), L' ');
    return text;
}

AcRxDictionary* classDictionary()
{
    return AcRxDictionary::cast(acrxSysRegistry()->at(ACRX_CLASS_DICTIONARY));
}
} // namespace

std::wstring customClassDescription(const ACHAR* className, GClassNamePlacement placement)
{
    std::wstring product = L"\"" + padded(L"|Product Desc:");
    if (placement == GClassNamePlacement::kBehindFirstSegment)
        product += std::wstring(L"\"") + className;
    else
        product += std::wstring(className) + L"\"";
    return product + L" \"" + padded(L"|Company:") + kMaker + L"\" \"" + padded(L"|WEB Address:") + kWebAddress + L"\"";
}

void initCustomClass(AcRxClass*& descriptor, const GCustomClassEntry& entry)
{
    if (descriptor != nullptr) {
        AcRxDictionary* classes = classDictionary();
        AcRxObject* registered = classes != nullptr ? classes->at(entry.name) : nullptr;
        if (registered == descriptor)
            return;
        if (registered != nullptr)
            acrx_abort(ACRX_T("Class mismatch"));
    }
    const std::wstring description = customClassDescription(entry.name, entry.placement);
    descriptor = newAcRxClass(entry.name, kCustomClassParent, kCustomClassDwgVersion, kCustomClassMaintenanceVersion,
                              kCustomClassProxyFlags, entry.constructor, entry.dxfName, description.c_str());
}

AcRxClass* findCustomClass(AcRxClass*& descriptor, const ACHAR* className)
{
    if (descriptor == nullptr) {
        AcRxDictionary* classes = classDictionary();
        descriptor = classes != nullptr ? static_cast<AcRxClass*>(classes->at(className)) : nullptr;
    }
    return descriptor;
}

void deleteCustomClass(AcRxClass*& descriptor, const ACHAR* className)
{
    deleteAcRxClass(findCustomClass(descriptor, className));
    descriptor = nullptr;
}
