#include "GUpdateDescriptor.h"

#include "codepage.h"

#include <pugixml.hpp>

#include <array>
#include <fstream>
#include <system_error>

namespace {

struct AttributeField {
    const char* name;
    CString GUpdateDescriptor::*member;
};

constexpr std::array<AttributeField, 4> kAttributeFields{{
    {"Current", &GUpdateDescriptor::m_current},
    {"VersiuonURL", &GUpdateDescriptor::m_versionUrl},
    {"URL", &GUpdateDescriptor::m_url},
    {"LastUpdateTime", &GUpdateDescriptor::m_lastUpdateTime},
}};

constexpr const char* kVersionElement = "Version";
constexpr const char* kDescribeElement = "UpdatDescribe";
constexpr const char* kLastUpdateTimeAttribute = "LastUpdateTime";

bool fileExists(const std::filesystem::path& file)
{
    std::error_code error;
    return std::filesystem::is_regular_file(file, error);
}

// The text of an element as an XML DOM gives it: every character datum below it, in document order.
std::string elementText(pugi::xml_node element)
{
    std::string text;
    struct Collector : pugi::xml_tree_walker {
        std::string* text = nullptr;
        bool for_each(pugi::xml_node& node) override
        {
            if (node.type() == pugi::node_pcdata || node.type() == pugi::node_cdata)
                *text += node.value();
            return true;
        }
    } collector;
    collector.text = &text;
    element.traverse(collector);
    return text;
}

// Writes the nodes as they were read, with every node outside the document element (the declaration,
// comments) on a line of its own, as a person or a DOM writes them.
bool saveLineByLine(const pugi::xml_document& document, const std::filesystem::path& file, pugi::xml_encoding encoding)
{
    constexpr unsigned kAsRead = pugi::format_raw | pugi::format_no_declaration;
    pugi::xml_document lineBreak;
    lineBreak.append_child(pugi::node_pcdata).set_value("\n");

    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    pugi::xml_writer_stream writer(out);
    for (const pugi::xml_node& node : document.children()) {
        node.print(writer, "", kAsRead, encoding);
        lineBreak.print(writer, "", kAsRead, encoding);
    }
    out.close();
    return !out.fail();
}

} // namespace

bool GUpdateDescriptor::read(const std::filesystem::path& file)
{
    if (!fileExists(file))
        return false;
    pugi::xml_document document;
    if (!document.load_file(file.c_str()))
        return false;
    const pugi::xml_node version = document.document_element().child(kVersionElement);
    if (!version)
        return false;

    for (const AttributeField& field : kAttributeFields)
        this->*field.member = cadhost::fromUtf8(version.attribute(field.name).value());
    m_describe = cadhost::fromUtf8(elementText(version.child(kDescribeElement)));
    return true;
}

bool stampDescriptorCheckTime(const std::filesystem::path& file, const CString& checkTime)
{
    if (!fileExists(file))
        return false;
    // Everything the file holds is kept as it was, so that only the one attribute changes.
    pugi::xml_document document;
    const pugi::xml_parse_result loaded = document.load_file(file.c_str(), pugi::parse_full | pugi::parse_ws_pcdata);
    if (!loaded)
        return false;
    pugi::xml_node version = document.document_element().child(kVersionElement);
    if (!version)
        return false;

    pugi::xml_attribute stamp = version.attribute(kLastUpdateTimeAttribute);
    if (!stamp)
        stamp = version.append_attribute(kLastUpdateTimeAttribute);
    stamp.set_value(cadhost::toUtf8(checkTime.str()).c_str());
    return saveLineByLine(document, file, loaded.encoding);
}
