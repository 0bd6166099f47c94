#include "DxfImporter.h"

#include "DxfContext.h"
#include "DxfEntityKinds.h"
#include "DxfError.h"
#include "DxfFile.h"

#include "dbblkref.h"
#include "dbdict.h"
#include "dbdimstyle.h"
#include "dbdxfentity.h"
#include "dblayout.h"
#include "dbobjptr.h"
#include "dbsymtb.h"
#include "dbtext.h"
#include "imgdef.h"
#include "sorttab.h"

#include "codepage.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <cwctype>
#include <limits>
#include <numbers>
#include <span>
#include <string_view>
#include <type_traits>
#include <utility>
#include <vector>

namespace cadhost::dxf {

std::wstring upperName(const std::wstring& name)
{
    std::wstring result = name;
    std::transform(result.begin(), result.end(), result.begin(), [](wchar_t c) { return std::towupper(c); });
    return result;
}

AcDbObjectId DxfContext::find(const std::map<std::wstring, AcDbObjectId>& records, const std::wstring& name)
{
    const auto found = records.find(upperName(name));
    return found == records.end() ? AcDbObjectId::kNull : found->second;
}

namespace {

void check(Acad::ErrorStatus status, const std::string& what)
{
    if (status != Acad::eOk)
        throw DxfError("cannot add " + what + ": " + toUtf8(acadErrorStatusText(status)));
}

std::string utf8(const std::wstring& text)
{
    return toUtf8(text);
}

// The name a record of the file gets in the drawing. Files hold names a record cannot be given: those of
// an external reference's records ("XREF|LAYER") and the CAD program's own ("*ADSK_SYSTEM_LIGHTS"). They
// are kept readable as binding would: the bar becomes "$0$", a leading star of a name that may not have
// one is dropped, and any other character a name cannot hold becomes "_".
std::wstring storableName(const std::wstring& name, bool isBlock)
{
    constexpr std::wstring_view kForbidden = L"<>/\\\":;?*|,=`";
    constexpr std::size_t kLongestName = 255;
    std::wstring result;
    for (std::size_t index = 0; index < name.size(); ++index) {
        const wchar_t c = name[index];
        if (index == 0 && c == L'*')
            result += isBlock ? L"*" : L"";
        else if (c == L'|')
            result += L"$0$";
        else if (c < L' ' || kForbidden.find(c) != std::wstring_view::npos)
            result += L'_';
        else
            result += c;
    }
    return result.empty() ? L"_" : result.substr(0, kLongestName);
}

// Adds a record to a symbol table, or opens the record of that name the default drawing already has.
template <class Table, class Record>
AcDbObjectId addOrOpen(AcDbDatabase& database, const std::wstring& fileName, Record*& record)
{
    const std::wstring name = storableName(fileName, std::is_same_v<Table, AcDbBlockTable>);
    Table* table = nullptr;
    check(database.getSymbolTable(table, AcDb::kForWrite), "a symbol table");
    AcDbObjectId id;
    if (table->getAt(name.c_str(), id) == Acad::eOk) {
        table->close();
        check(acdbOpenObject(record, id, AcDb::kForWrite), utf8(name));
        return id;
    }
    auto created = std::make_unique<Record>();
    created->setName(name.c_str());
    const Acad::ErrorStatus status = table->add(id, created.get());
    table->close();
    check(status, "the table record " + utf8(name));
    record = created.release();
    return id;
}

class Importer {
public:
    Importer(const DxfFile& file, AcDbDatabase& database)
        : m_file(file), m_context(database, DxfText(file.variable("$ACADVER"), file.variable("$DWGCODEPAGE")))
    {
    }

    DxfImportReport run()
    {
        readTables();
        readImageDefinitions();
        makeBlocks();
        fillBlocks();
        fill(m_file.section("ENTITIES"), AcDbObjectId::kNull);
        readDrawOrders();
        return m_report;
    }

private:
    AcDbDatabase& database() { return m_context.database; }
    std::wstring decode(const std::string& bytes) const { return m_context.text.decode(bytes); }

    void readTables()
    {
        for (const DxfRecord& record : m_file.section("TABLES")) {
            const std::wstring name = decode(record.text(2));
            if (name.empty())
                continue;
            if (record.type() == "LTYPE")
                addLinetype(record, name);
            else if (record.type() == "LAYER")
                addLayer(record, name);
            else if (record.type() == "STYLE")
                addTextStyle(record, name);
            else if (record.type() == "DIMSTYLE")
                addDimensionStyle(record, name);
        }
    }

    void addLinetype(const DxfRecord& record, const std::wstring& name)
    {
        AcDbLinetypeTableRecord* linetype = nullptr;
        addOrOpen<AcDbLinetypeTable>(database(), name, linetype);
        linetype->setComments(decode(record.text(3)).c_str());
        const std::vector<double> dashes = record.reals(49);
        linetype->setNumDashes(static_cast<int>(dashes.size()));
        for (std::size_t index = 0; index < dashes.size(); ++index)
            linetype->setDashLengthAt(static_cast<int>(index), dashes[index]);
        linetype->close();
    }

    void addLayer(const DxfRecord& record, const std::wstring& name)
    {
        AcDbLayerTableRecord* layer = nullptr;
        const AcDbObjectId id = addOrOpen<AcDbLayerTable>(database(), name, layer);
        const int colorIndex = record.integer(62, 7);
        const int flags = record.integer(70);
        AcCmColor color;
        color.setColorIndex(static_cast<Adesk::UInt16>(std::clamp(std::abs(colorIndex), 1, 255)));
        layer->setColor(color);
        layer->setIsOff(colorIndex < 0);
        layer->setIsFrozen((flags & 1) != 0);
        layer->setIsLocked((flags & 4) != 0);
        layer->setIsPlottable(record.integer(290, 1) != 0);
        AcDbLinetypeTable* linetypes = nullptr;
        if (database().getSymbolTable(linetypes, AcDb::kForRead) == Acad::eOk) {
            AcDbObjectId linetype;
            if (linetypes->getAt(decode(record.text(6, "Continuous")).c_str(), linetype) == Acad::eOk)
                layer->setLinetypeObjectId(linetype);
            linetypes->close();
        }
        layer->close();
        m_context.layers[upperName(name)] = id;
    }

    void addTextStyle(const DxfRecord& record, const std::wstring& name)
    {
        AcDbTextStyleTableRecord* style = nullptr;
        const AcDbObjectId id = addOrOpen<AcDbTextStyleTable>(database(), name, style);
        style->setTextSize(record.real(40));
        style->setXScale(record.real(41, 1.0));
        style->setObliquingAngle(record.real(50) * std::numbers::pi / 180.0);
        style->setFileName(decode(record.text(3)).c_str());
        style->setBigFontFileName(decode(record.text(4)).c_str());
        style->close();
        m_context.textStyles[upperName(name)] = id;
    }

    // The variables the file gives; the others keep the values of the standard style.
    void addDimensionStyle(const DxfRecord& record, const std::wstring& name)
    {
        AcDbDimStyleTableRecord* style = nullptr;
        const AcDbObjectId id = addOrOpen<AcDbDimStyleTable>(database(), name, style);
        if (record.has(40))
            style->setDimscale(record.real(40));
        if (record.has(41))
            style->setDimasz(record.real(41));
        if (record.has(140))
            style->setDimtxt(record.real(140));
        if (record.has(77))
            style->setDimtad(record.integer(77));
        if (record.has(271))
            style->setDimdec(record.integer(271));
        style->close();
        m_context.dimStyles[upperName(name)] = id;
    }

    void readImageDefinitions()
    {
        for (const DxfRecord& record : m_file.section("OBJECTS")) {
            if (record.type() != "IMAGEDEF")
                continue;
            auto definition = std::make_unique<AcDbRasterImageDef>();
            definition->setSourceFileName(decode(record.text(1)).c_str());
            const AcGePoint3d size = record.point(10);
            definition->setSize(AcGeVector2d(size.x, size.y));
            AcDbDictionary* named = nullptr;
            check(database().getNamedObjectsDictionary(named, AcDb::kForWrite), "the image dictionary");
            AcDbObjectId dictionaryId;
            if (named->getAt(L"ACAD_IMAGE_DICT", dictionaryId) != Acad::eOk) {
                auto dictionary = std::make_unique<AcDbDictionary>();
                if (named->setAt(L"ACAD_IMAGE_DICT", dictionary.get(), dictionaryId) == Acad::eOk)
                    dictionary.release()->close();
            }
            named->close();
            AcDbDictionary* images = nullptr;
            check(acdbOpenObject(images, dictionaryId, AcDb::kForWrite), "the image dictionary");
            AcDbObjectId id;
            const std::wstring key = L"IMAGE" + fromUtf8(record.text(5));
            const Acad::ErrorStatus status = images->setAt(key.c_str(), definition.get(), id);
            images->close();
            check(status, "an image definition");
            definition.release()->close();
            m_context.imageDefinitions[record.text(5)] = id;
        }
    }

    // The names of the layouts by the handle of their block record.
    std::map<std::string, std::wstring> layoutNames() const
    {
        std::map<std::string, std::wstring> blockOfHandle;
        for (const DxfRecord& record : m_file.section("TABLES"))
            if (record.type() == "BLOCK_RECORD")
                blockOfHandle[record.text(5)] = upperName(decode(record.text(2)));
        std::map<std::string, std::wstring> names;
        for (const DxfRecord& record : m_file.section("OBJECTS")) {
            if (record.type() != "LAYOUT")
                continue;
            // The plot settings come first with their own group 1 and 330; the layout's own come last.
            std::string blockHandle;
            std::string name;
            for (const DxfGroup& group : record.groups()) {
                if (group.code == 330)
                    blockHandle = group.value;
                else if (group.code == 1)
                    name = group.value;
            }
            const auto block = blockOfHandle.find(blockHandle);
            if (block != blockOfHandle.end())
                names[utf8(block->second)] = decode(name);
        }
        return names;
    }

    void makeBlocks()
    {
        m_context.blocks[L"*MODEL_SPACE"] = database().modelSpaceId();
        m_context.blocks[L"*PAPER_SPACE"] = database().paperSpaceId();
        const std::map<std::string, std::wstring> layouts = layoutNames();
        if (const auto active = layouts.find("*PAPER_SPACE"); active != layouts.end())
            renameActiveLayout(active->second);
        int tabOrder = 2;
        for (const DxfRecord& record : m_file.section("BLOCKS")) {
            if (record.type() != "BLOCK")
                continue;
            const std::wstring name = decode(record.text(2));
            const std::wstring key = upperName(name);
            if (name.empty() || m_context.blocks.contains(key))
                continue;
            AcDbBlockTableRecord* block = nullptr;
            const AcDbObjectId id = addOrOpen<AcDbBlockTable>(database(), name, block);
            block->setOrigin(record.point(10));
            block->close();
            m_context.blocks[key] = id;
            if (key.starts_with(L"*PAPER_SPACE")) {
                const auto layout = layouts.find(utf8(key));
                addLayout(id, layout != layouts.end() ? layout->second : L"Layout" + std::to_wstring(tabOrder),
                          tabOrder);
                ++tabOrder;
            }
        }
    }

    // The default drawing's paper-space layout takes the name the file gives the active layout.
    void renameActiveLayout(const std::wstring& name)
    {
        AcDbObjectId layoutId;
        {
            AcDbObjectPointer<AcDbBlockTableRecord> paperSpace(database().paperSpaceId(), AcDb::kForRead);
            check(paperSpace.openStatus(), "paper space");
            layoutId = paperSpace->getLayoutId();
        }
        AcDbObjectPointer<AcDbLayout> layout(layoutId, AcDb::kForWrite);
        AcDbDictionary* layouts = nullptr;
        if (name.empty() || layout.openStatus() != Acad::eOk ||
            database().getLayoutDictionary(layouts, AcDb::kForWrite) != Acad::eOk)
            return;
        AcString current;
        layout->getLayoutName(current);
        if (!layouts->has(name.c_str()) && layouts->setName(current.kwszPtr(), name.c_str()))
            layout->setLayoutName(name.c_str());
        layouts->close();
    }

    void addLayout(AcDbObjectId blockId, const std::wstring& name, int tabOrder)
    {
        AcDbDictionary* layouts = nullptr;
        check(database().getLayoutDictionary(layouts, AcDb::kForWrite), "the layout dictionary");
        std::wstring unique = name;
        for (int suffix = tabOrder; unique.empty() || layouts->has(unique.c_str()); ++suffix)
            unique = L"Layout" + std::to_wstring(suffix);
        auto layout = std::make_unique<AcDbLayout>();
        layout->setLayoutName(unique.c_str());
        layout->setTabOrder(tabOrder);
        layout->setBlockTableRecordId(blockId);
        AcDbObjectId layoutId;
        const Acad::ErrorStatus status = layouts->setAt(unique.c_str(), layout.get(), layoutId);
        layouts->close();
        check(status, "the layout " + utf8(name));
        layout.release()->close();
        AcDbBlockTableRecord* block = nullptr;
        check(acdbOpenObject(block, blockId, AcDb::kForWrite), "the layout " + utf8(name));
        block->setLayoutId(layoutId);
        block->close();
    }

    void fillBlocks()
    {
        const std::vector<DxfRecord>& records = m_file.section("BLOCKS");
        for (std::size_t index = 0; index < records.size(); ++index) {
            if (records[index].type() != "BLOCK")
                continue;
            const AcDbObjectId block = DxfContext::find(m_context.blocks, decode(records[index].text(2)));
            std::size_t end = index + 1;
            while (end < records.size() && records[end].type() != "ENDBLK")
                ++end;
            fill(std::span(records).subspan(index + 1, end - index - 1), block);
            index = end;
        }
    }

    // Builds the entities of a block; in the ENTITIES section (no block given), group 67 chooses paper space.
    void fill(std::span<const DxfRecord> records, AcDbObjectId block)
    {
        for (std::size_t index = 0; index < records.size(); ++index) {
            const DxfRecord& record = records[index];
            std::size_t end = index + 1;
            const bool hasFollowers =
                record.type() == "POLYLINE" || (record.type() == "INSERT" && record.integer(66) == 1);
            if (hasFollowers) {
                while (end < records.size() && records[end].type() != "SEQEND")
                    ++end;
            }
            const std::span<const DxfRecord> followers = records.subspan(index + 1, end - index - 1);
            index = hasFollowers ? std::min(end, records.size() - 1) : index;
            if (record.type() == "SEQEND")
                continue;
            const AcDbObjectId space = !block.isNull()           ? block
                                       : record.integer(67) == 1 ? database().paperSpaceId()
                                                                 : database().modelSpaceId();
            const EntityBuilder build = entityBuilder(record);
            if (build == nullptr)
                ++m_report.keptKinds[record.type() == "POLYLINE" ? "POLYLINE (mesh)" : record.type()];
            const AcDbObjectId id = append(
                space, build != nullptr ? build(m_context, record, followers) : keptAsData(record, followers), record);
            if (record.has(5))
                m_handleOfEntity[id] = handleValue(record.text(5));
            if (record.type() == "INSERT")
                appendAttributes(id, followers);
        }
    }

    // An entity of a kind cadhost has no class for: its groups and those of its followers (each after a
    // group 0 naming it) are kept as they are.
    std::unique_ptr<AcDbEntity> keptAsData(const DxfRecord& record, std::span<const DxfRecord> followers) const
    {
        std::vector<AcDbDxfEntity::Group> groups;
        auto keep = [&](const DxfRecord& one) {
            for (const DxfGroup& group : one.groups())
                groups.push_back({group.code, decode(group.value)});
        };
        keep(record);
        for (const DxfRecord& follower : followers) {
            groups.push_back({0, decode(follower.type())});
            keep(follower);
        }
        return std::make_unique<AcDbDxfEntity>(decode(record.type()), std::move(groups));
    }

    AcDbObjectId append(AcDbObjectId blockId, std::unique_ptr<AcDbEntity> entity, const DxfRecord& record)
    {
        // Everything that can refuse the record is read first: once appended, the entity belongs to the
        // drawing and must not be deleted here.
        const int colorIndex = record.integer(62, 256);
        AcDbBlockTableRecord* block = nullptr;
        check(acdbOpenObject(block, blockId, AcDb::kForWrite), "an entity");
        AcDbObjectId id;
        const Acad::ErrorStatus status = block->appendAcDbEntity(id, entity.get());
        block->close();
        check(status, "a " + record.type() + " entity");
        AcDbEntity* appended = entity.release();
        setLayerAndColour(*appended, record, colorIndex);
        appended->close();
        return id;
    }

    void setLayerAndColour(AcDbEntity& entity, const DxfRecord& record, int colorIndex)
    {
        const AcDbObjectId layer = DxfContext::find(m_context.layers, decode(record.text(8, "0")));
        if (!layer.isNull())
            entity.setLayer(layer);
        if (colorIndex >= 0 && colorIndex <= 256)
            entity.setColorIndex(static_cast<Adesk::UInt16>(colorIndex));
    }

    void appendAttributes(AcDbObjectId referenceId, std::span<const DxfRecord> followers)
    {
        if (followers.empty())
            return;
        // Closed however the attributes end, a refused one included.
        AcDbObjectPointer<AcDbBlockReference> reference(referenceId, AcDb::kForWrite);
        check(reference.openStatus(), "attributes");
        for (const DxfRecord& record : followers) {
            if (record.type() != "ATTRIB")
                continue;
            const int colorIndex = record.integer(62, 256);
            std::unique_ptr<AcDbAttribute> attribute = buildAttribute(m_context, record);
            if (reference->appendAttribute(attribute.get()) == Acad::eOk) {
                setLayerAndColour(*attribute, record, colorIndex);
                attribute.release()->close();
            }
        }
    }

    // A draw-order table of the file gives some entities of a block a sort handle; every entity draws in
    // the order of its sort handle, which is its own handle unless the table gives it another.
    void readDrawOrders()
    {
        std::map<std::string, AcDbObjectId> blockOfHandle;
        for (const DxfRecord& record : m_file.section("TABLES"))
            if (record.type() == "BLOCK_RECORD")
                blockOfHandle[record.text(5)] = DxfContext::find(m_context.blocks, decode(record.text(2)));
        std::map<std::uint64_t, AcDbObjectId> entityOfHandle;
        for (const auto& [id, handle] : m_handleOfEntity)
            entityOfHandle[handle] = id;
        for (const DxfRecord& record : m_file.section("OBJECTS")) {
            if (record.type() != "SORTENTSTABLE")
                continue;
            AcDbObjectId block;
            std::map<AcDbObjectId, std::uint64_t> sortHandles;
            bool inTable = false;
            AcDbObjectId entity;
            for (const DxfGroup& group : record.groups()) {
                if (group.code == 100)
                    inTable = group.value == "AcDbSortentsTable";
                else if (inTable && group.code == 330 && block.isNull())
                    block = blockOfHandle[group.value];
                else if (inTable && group.code == 331)
                    entity = entityOfHandle[handleValue(group.value)];
                else if (inTable && group.code == 5 && !entity.isNull())
                    sortHandles[entity] = handleValue(group.value);
            }
            if (!block.isNull() && !sortHandles.empty())
                applyDrawOrder(block, sortHandles);
        }
    }

    void applyDrawOrder(AcDbObjectId blockId, const std::map<AcDbObjectId, std::uint64_t>& sortHandles)
    {
        std::vector<std::pair<std::uint64_t, AcDbObjectId>> order;
        {
            AcDbObjectPointer<AcDbBlockTableRecord> block(blockId, AcDb::kForRead);
            if (block.openStatus() != Acad::eOk)
                return;
            AcDbBlockTableRecordIterator* created = nullptr;
            block->newIterator(created);
            const std::unique_ptr<AcDbBlockTableRecordIterator> iterator(created);
            for (; !iterator->done(); iterator->step()) {
                AcDbObjectId id;
                iterator->getEntityId(id);
                const auto sorted = sortHandles.find(id);
                const auto own = m_handleOfEntity.find(id);
                order.emplace_back(sorted != sortHandles.end()     ? sorted->second
                                   : own != m_handleOfEntity.end() ? own->second
                                                                   : std::numeric_limits<std::uint64_t>::max(),
                                   id);
            }
        }
        std::stable_sort(order.begin(), order.end(),
                         [](const auto& left, const auto& right) { return left.first < right.first; });
        AcDbObjectPointer<AcDbBlockTableRecord> block(blockId, AcDb::kForWrite);
        AcDbSortentsTable* table = nullptr;
        if (block.openStatus() != Acad::eOk || block->getSortentsTable(table, AcDb::kForWrite, true) != Acad::eOk)
            return;
        for (const auto& [handle, id] : order) {
            AcDbObjectIdArray one;
            one.append(id);
            table->moveToTop(one);
        }
        table->close();
    }

    static std::uint64_t handleValue(const std::string& text)
    {
        std::uint64_t value = 0;
        std::from_chars(text.data(), text.data() + text.size(), value, 16);
        return value;
    }

    const DxfFile& m_file;
    DxfContext m_context;
    std::map<AcDbObjectId, std::uint64_t> m_handleOfEntity;
    DxfImportReport m_report;
};

} // namespace

DxfImportReport importDxf(const std::filesystem::path& path, AcDbDatabase& database)
{
    const DxfFile file = DxfFile::read(path);
    return Importer(file, database).run();
}

} // namespace cadhost::dxf
