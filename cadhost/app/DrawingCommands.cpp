// Script commands that look into drawing files without opening them as documents: list the objects of a
// drawing as the host's LIST does, and write the sample drawing or a generated drawing of any size.
#include "ScriptCommand.h"
#include "Session.h"

#include "GeneratedDrawing.h"
#include "SampleDrawing.h"
#include "acutads.h"
#include "dbobjptr.h"
#include "dbsymtb.h"

#include <memory>

namespace cadhost::app {
namespace {

std::wstring statusText(Acad::ErrorStatus status)
{
    return acadErrorStatusText(status);
}

// The heading of a block's listing: its layout for model and paper space, else the block's name.
std::wstring blockHeading(const AcDbBlockTableRecord& block)
{
    AcString name;
    block.getName(name);
    if (block.isLayout())
        return L"Layout block " + std::wstring(name.kwszPtr());
    if (block.isAnonymous())
        return L"Anonymous block " + std::wstring(name.kwszPtr());
    return L"Block " + std::wstring(name.kwszPtr());
}

Acad::ErrorStatus listBlock(AcDbObjectId blockId)
{
    AcDbBlockTableRecordPointer block(blockId, AcDb::kForRead);
    if (block.openStatus() != Acad::eOk)
        return block.openStatus();
    acutPrintf(L"\n%s", blockHeading(*block).c_str());
    AcDbBlockTableRecordIterator* created = nullptr;
    Acad::ErrorStatus status = block->newIterator(created);
    if (status != Acad::eOk)
        return status;
    const std::unique_ptr<AcDbBlockTableRecordIterator> entities(created);
    for (; !entities->done(); entities->step()) {
        AcDbObjectId entityId;
        entities->getEntityId(entityId);
        AcDbEntityPointer entity(entityId, AcDb::kForRead);
        if (entity.openStatus() != Acad::eOk)
            return entity.openStatus();
        entity->list();
        acutPrintf(L"\n");
    }
    return Acad::eOk;
}

Acad::ErrorStatus listDrawing(AcDbDatabase& database)
{
    AcDbBlockTable* table = nullptr;
    Acad::ErrorStatus status = database.getBlockTable(table, AcDb::kForRead);
    if (status != Acad::eOk)
        return status;
    AcDbObjectIdArray blocks;
    AcDbBlockTableIterator* created = nullptr;
    status = table->newIterator(created);
    table->close();
    if (status != Acad::eOk)
        return status;
    const std::unique_ptr<AcDbBlockTableIterator> records(created);
    for (; !records->done(); records->step()) {
        AcDbObjectId blockId;
        records->getRecordId(blockId);
        blocks.append(blockId);
    }
    for (const AcDbObjectId& blockId : blocks) {
        status = listBlock(blockId);
        if (status != Acad::eOk)
            return status;
    }
    return Acad::eOk;
}

bool listCommand(Session& session, const std::vector<std::wstring>& arguments)
{
    if (arguments.size() != 1) {
        session.error(L"list takes one drawing file");
        return false;
    }
    AcDbDatabase database(false, true);
    Acad::ErrorStatus status = database.readDwgFile(arguments.front().c_str());
    if (status == Acad::eOk)
        status = listDrawing(database);
    if (status != Acad::eOk) {
        session.error(L"cannot list " + arguments.front() + L": " + statusText(status));
        return false;
    }
    return true;
}

// The largest drawing sample generates; more entities than this do not fit in memory here anyway.
constexpr int kMostGeneratedEntities = 100'000'000;

// A count of entities: decimal digits only, at most kMostGeneratedEntities.
bool parseEntityCount(const std::wstring& word, int& count)
{
    if (word.empty() || word.size() > 9)
        return false;
    count = 0;
    for (const wchar_t digit : word) {
        if (digit < L'0' || digit > L'9')
            return false;
        count = count * 10 + (digit - L'0');
    }
    return count <= kMostGeneratedEntities;
}

bool sampleCommand(Session& session, const std::vector<std::wstring>& arguments)
{
    const bool generated = arguments.size() == 3 && arguments[0] == L"--entities";
    if (arguments.size() != 1 && !generated) {
        session.error(L"sample takes the drawing file to write, after --entities N for a generated drawing");
        return false;
    }
    int count = 0;
    if (generated && !parseEntityCount(arguments[1], count)) {
        session.error(L"sample --entities takes a whole number from 0 to " + std::to_wstring(kMostGeneratedEntities) +
                      L", not \"" + arguments[1] + L"\"");
        return false;
    }
    const std::wstring& path = arguments.back();
    AcDbDatabase database(true, true);
    Acad::ErrorStatus status = generated ? buildGeneratedDrawing(database, count) : buildSampleDrawing(database);
    if (status == Acad::eOk)
        status = database.saveAs(path.c_str());
    if (status != Acad::eOk) {
        session.error(L"cannot write the " + std::wstring(generated ? L"generated" : L"sample") + L" drawing " + path +
                      L": " + statusText(status));
        return false;
    }
    return true;
}

const ScriptCommandRegistration list{
    {L"list", L"list DRAWING",
     L"list every object of model space, the layouts and the block definitions, as the host's LIST does", listCommand}};
const ScriptCommandRegistration sample{
    {L"sample", L"sample [--entities N] OUT.dwg",
     L"write a drawing that holds every entity kind cadhost knows; with --entities, a drawing of N entities in a "
     L"realistic mix of kinds",
     sampleCommand}};
} // namespace
} // namespace cadhost::app
