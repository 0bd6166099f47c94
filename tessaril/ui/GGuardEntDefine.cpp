#include "GGuardEntDefine.h"

#include "acutads.h"
#include "codepage.h"

#include <pugixml.hpp>

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <limits>

std::uint32_t parseGuardMask(const char* text)
{
    while (*text == ' ' || *text == '\t' || *text == '\n' || *text == '\r' || *text == '\v' || *text == '\f')
        ++text;
    const bool negative = *text == '-';
    if (*text == '-' || *text == '+')
        ++text;
    // Saturates like the C library's conversion, so a huge number stays a full mask.
    constexpr std::int64_t kLimit = std::numeric_limits<std::int32_t>::max();
    std::int64_t value = 0;
    for (; std::isdigit(static_cast<unsigned char>(*text)); ++text)
        value = std::min(value * 10 + (*text - '0'), kLimit + 1);
    if (negative)
        value = -value;
    value = std::clamp<std::int64_t>(value, std::numeric_limits<std::int32_t>::min(), kLimit);
    return static_cast<std::uint32_t>(static_cast<std::int32_t>(value));
}

namespace {
constexpr std::uintmax_t kLargestPresetFile = 1024 * 1024;
} // namespace

void loadGuardPresets(const std::filesystem::path& file, GGuardEntDefineArray& presets)
{
    presets.RemoveAll();
    std::error_code error;
    if (!std::filesystem::exists(file, error))
        return;
    // The presets are a few lines; reading a huge file would hold the page for a long time.
    const std::uintmax_t size = std::filesystem::file_size(file, error);
    if (error || size > kLargestPresetFile) {
        acutPrintf(L"\n配置文件过大或无法读取，未载入预设: %s", file.wstring().c_str());
        return;
    }
    pugi::xml_document document;
    if (!document.load_file(file.c_str()))
        return;
    const pugi::xml_node guardTypes = document.document_element().child("GuardTypes");
    if (!guardTypes)
        return;
    for (const pugi::xml_node guardType : guardTypes.children("GuardType")) {
        GGuardEntDefine preset;
        preset.name = cadhost::fromUtf8(guardType.attribute("Name").value()).c_str();
        preset.flags.applyMask(parseGuardMask(guardType.attribute("GuardTypeState").value()));
        presets.Add(preset);
    }
}
