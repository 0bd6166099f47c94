// Script commands that look into drawing files without opening them as documents: list the objects of a
// drawing as the host's LIST does, and write the sample drawing.
#include "ScriptCommand.h"
#include "Session.h"

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

bool sampleCommand(Session& session, const std::vector<std::wstring>& arguments)
{
    if (arguments.size() != 1) {
        session.error(L"sample takes the drawing file to write");
        return false;
    }
    AcDbDatabase database(true, true);
    Acad::ErrorStatus status = buildSampleDrawing(database);
    if (status == Acad::eOk)
        status = database.saveAs(arguments.front().c_str());
    if (status != Acad::eOk) {
        session.error(L"cannot write the sample drawing " + arguments.front() + L": " + statusText(status));
        return false;
    }
    return true;
}

const ScriptCommandRegistration list{
    {L"list", L"list DRAWING",
     L"list every object of model space, the layouts and the block definitions, as the host's LIST does", listCommand}};
const ScriptCommandRegistration sample{
    {L"sample", L"sample OUT.dwg", L"write a drawing that holds every entity kind cadhost knows", sampleCommand}};
} // namespace
} // namespace cadhost::app
