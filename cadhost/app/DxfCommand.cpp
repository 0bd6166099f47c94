// The dxfin script command: brings a DXF drawing made by another CAD program into a cadhost drawing.
#include "ScriptCommand.h"
#include "Session.h"

#include "DxfError.h"
#include "DxfImporter.h"

#include "codepage.h"
#include "nativepath.h"

#include <filesystem>

namespace cadhost::app {
namespace {

bool dxfinCommand(Session& session, const std::vector<std::wstring>& arguments)
{
    if (arguments.size() != 2) {
        session.error(L"dxfin takes the DXF file to read and the drawing file to write");
        return false;
    }
    const std::filesystem::path source = nativePath(arguments[0]);
    AcDbDatabase database(true, true);
    dxf::DxfImportReport report;
    try {
        report = dxf::importDxf(source, database);
    } catch (const dxf::DxfError& error) {
        session.error(L"cannot import " + arguments[0] + L": " + fromUtf8(error.what()));
        return false;
    }
    for (const auto& [kind, count] : report.keptKinds)
        session.print(L"dxfin: " + std::to_wstring(count) + L" " + fromUtf8(kind) +
                      L" kept only as DXF data: cadhost has no class for this kind\n");
    const Acad::ErrorStatus status = database.saveAs(arguments[1].c_str());
    if (status != Acad::eOk) {
        session.error(L"cannot write " + arguments[1] + L": " + acadErrorStatusText(status));
        return false;
    }
    // A drawing that does not open again is no drawing: it is removed rather than left for a user to find.
    AcDbDatabase written(false, true);
    const Acad::ErrorStatus readStatus = written.readDwgFile(arguments[1].c_str());
    if (readStatus != Acad::eOk) {
        std::error_code ignored;
        std::filesystem::remove(nativePath(arguments[1]), ignored);
        session.error(L"cannot import " + arguments[0] + L": the drawing written does not open again: " +
                      acadErrorStatusText(readStatus));
        return false;
    }
    return true;
}

const ScriptCommandRegistration dxfin{{L"dxfin", L"dxfin IN.dxf OUT.dwg",
                                       L"import an ASCII DXF drawing (R12 to R2018) into a drawing file",
                                       dxfinCommand}};
} // namespace
} // namespace cadhost::app
