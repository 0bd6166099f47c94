// Script commands for documents: open a drawing, save the current one, close it, and render a drawing
// to an SVG picture as the host shows or plots it.
#include "ScriptCommand.h"
#include "Session.h"

#include "DrawingRender.h"
#include "acdocman.h"

#include <algorithm>
#include <iterator>

namespace cadhost::app {
namespace {
// File format versions by release year and by their own code.
struct VersionName {
    const wchar_t* name;
    AcDb::AcDbDwgVersion version;
};
constexpr VersionName kVersions[] = {
    {L"2000", AcDb::kDHL_1015}, {L"2004", AcDb::kDHL_1800}, {L"2007", AcDb::kDHL_1021}, {L"2010", AcDb::kDHL_1024},
    {L"2013", AcDb::kDHL_1027}, {L"23", AcDb::kDHL_1015},   {L"25", AcDb::kDHL_1800},   {L"27", AcDb::kDHL_1021},
    {L"29", AcDb::kDHL_1024},   {L"31", AcDb::kDHL_1027},
};

std::wstring statusText(Acad::ErrorStatus status)
{
    return acadErrorStatusText(status);
}

AcApDocument* currentDocument(Session& session, const wchar_t* command)
{
    AcApDocument* document = acDocManager->curDocument();
    if (document == nullptr)
        session.error(std::wstring(command) + L": no drawing is open");
    return document;
}

bool openDrawing(Session& session, const std::vector<std::wstring>& arguments)
{
    if (arguments.size() != 1) {
        session.error(L"open takes one drawing file");
        return false;
    }
    const Acad::ErrorStatus status = acDocManager->appContextOpenDocument(arguments.front().c_str());
    if (status != Acad::eOk) {
        session.error(L"cannot open " + arguments.front() + L": " + statusText(status));
        return false;
    }
    return true;
}

bool saveAs(Session& session, const wchar_t* command, const std::wstring& fileName, const std::wstring* versionName)
{
    AcApDocument* document = currentDocument(session, command);
    if (document == nullptr)
        return false;
    AcDb::AcDbDwgVersion version = AcDb::kDHL_CURRENT;
    if (versionName != nullptr) {
        const auto* found = std::find_if(std::begin(kVersions), std::end(kVersions),
                                         [&](const VersionName& entry) { return *versionName == entry.name; });
        if (found == std::end(kVersions)) {
            session.error(std::wstring(command) + L": unknown version " + *versionName +
                          L" (2000, 2004, 2007, 2010, 2013 or 23, 25, 27, 29, 31)");
            return false;
        }
        version = found->version;
    }
    const Acad::ErrorStatus status = document->database()->saveAs(fileName.c_str(), true, version);
    if (status != Acad::eOk) {
        session.error(L"cannot save " + fileName + L": " + statusText(status));
        return false;
    }
    return true;
}

bool saveDrawing(Session& session, const std::vector<std::wstring>& arguments)
{
    if (arguments.size() > 2) {
        session.error(L"save takes at most a file name and a version");
        return false;
    }
    if (arguments.empty()) {
        AcApDocument* document = currentDocument(session, L"save");
        return document != nullptr && saveAs(session, L"save", document->fileName(), nullptr);
    }
    return saveAs(session, L"save", arguments[0], arguments.size() == 2 ? &arguments[1] : nullptr);
}

bool saveDrawingAs(Session& session, const std::vector<std::wstring>& arguments)
{
    if (arguments.empty() || arguments.size() > 2) {
        session.error(L"saveas takes a file name and optionally a version");
        return false;
    }
    return saveAs(session, L"saveas", arguments[0], arguments.size() == 2 ? &arguments[1] : nullptr);
}

bool closeDrawing(Session& session, const std::vector<std::wstring>& arguments)
{
    if (!arguments.empty()) {
        session.error(L"close takes no arguments");
        return false;
    }
    AcApDocument* document = currentDocument(session, L"close");
    if (document == nullptr)
        return false;
    const Acad::ErrorStatus status = acDocManager->closeDocument(document);
    if (status != Acad::eOk) {
        session.error(L"cannot close " + std::wstring(document->fileName()) + L": " + statusText(status));
        return false;
    }
    return true;
}

bool renderDrawing(Session& session, const std::vector<std::wstring>& arguments)
{
    std::vector<std::wstring> files;
    RenderOptions options;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        if (arguments[i] == L"--plot") {
            options.plot = true;
        } else if (arguments[i] == L"--layout" && i + 1 < arguments.size()) {
            options.layout = arguments[++i];
        } else if (arguments[i].starts_with(L"--")) {
            session.error(L"render: unknown option " + arguments[i]);
            return false;
        } else {
            files.push_back(arguments[i]);
        }
    }
    if (files.size() != 2) {
        session.error(L"render takes a drawing and an SVG file");
        return false;
    }
    const Acad::ErrorStatus status = renderDrawingFile(files[0], files[1], options);
    if (status != Acad::eOk) {
        session.error(L"cannot render " + files[0] + L": " + statusText(status));
        return false;
    }
    return true;
}

const ScriptCommandRegistration open{
    {L"open", L"open FILE", L"open a drawing as a new document that becomes current", openDrawing}};
const ScriptCommandRegistration save{
    {L"save", L"save [FILE [VERSION]]", L"save the current drawing (under its own name without FILE)", saveDrawing}};
const ScriptCommandRegistration saveas{
    {L"saveas", L"saveas FILE [VERSION]", L"save the current drawing under another name", saveDrawingAs}};
const ScriptCommandRegistration close{
    {L"close", L"close", L"close the current drawing without saving it", closeDrawing}};
const ScriptCommandRegistration render{
    {L"render", L"render DRAWING OUT.svg [--plot] [--layout NAME]",
     L"draw a drawing as an SVG picture: model space, or a layout; --plot draws it as plotted", renderDrawing}};
} // namespace
} // namespace cadhost::app
