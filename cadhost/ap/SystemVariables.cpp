#include "ModelView.h"
#include "acdocman.h"
#include "acedads.h"
#include "acutads.h"
#include "dbapserv.h"
#include "dbdict.h"
#include "dblayout.h"
#include "dbobjptr.h"

#include <algorithm>
#include <cwctype>
#include <string_view>

namespace {
constexpr const ACHAR* kModelTab = L"Model";

struct Drawing {
    AcApDocument* document = nullptr;
    AcDbDatabase* database = nullptr;
};

Drawing currentDrawing()
{
    AcApDocument* document = acDocManager->curDocument();
    return {document, document != nullptr ? document->database() : acdbHostApplicationServices()->workingDatabase()};
}

bool sameName(std::wstring_view left, std::wstring_view right)
{
    return std::equal(left.begin(), left.end(), right.begin(), right.end(),
                      [](wchar_t a, wchar_t b) { return std::towupper(a) == std::towupper(b); });
}

AcDbObjectId activeLayout(const Drawing& drawing)
{
    if (drawing.document != nullptr)
        return drawing.document->activeLayoutId();
    AcDbObjectPointer<AcDbBlockTableRecord> paperSpace(drawing.database->paperSpaceId(), AcDb::kForRead);
    return paperSpace.openStatus() == Acad::eOk ? paperSpace->getLayoutId() : AcDbObjectId::kNull;
}

void modelView(const Drawing& drawing, AcGePoint3d& viewMin, AcGePoint3d& viewMax)
{
    if (drawing.document != nullptr)
        drawing.document->getModelView(viewMin, viewMax);
    else
        cadhost::defaultModelView(drawing.database, viewMin, viewMax);
}

int shortValue(resbuf* value, bool on)
{
    value->restype = RTSHORT;
    value->resval.rint = on ? 1 : 0;
    return RTNORM;
}

int pointValue(resbuf* value, const AcGePoint3d& point)
{
    value->restype = RT3DPOINT;
    value->resval.rpoint[0] = point.x;
    value->resval.rpoint[1] = point.y;
    value->resval.rpoint[2] = point.z;
    return RTNORM;
}

int stringValue(resbuf* value, const ACHAR* text)
{
    value->restype = RTSTR;
    value->resval.rstring = nullptr;
    return acutNewString(text, value->resval.rstring) == Acad::eOk ? RTNORM : RTERROR;
}

int getTilemode(const Drawing& drawing, resbuf* value)
{
    return shortValue(value, drawing.database->tilemode());
}

int setTilemode(const Drawing& drawing, const resbuf* value)
{
    if (value->restype != RTSHORT || (value->resval.rint != 0 && value->resval.rint != 1))
        return RTREJ;
    return drawing.database->setTilemode(value->resval.rint == 1) == Acad::eOk ? RTNORM : RTREJ;
}

int getViewMin(const Drawing& drawing, resbuf* value)
{
    AcGePoint3d viewMin;
    AcGePoint3d viewMax;
    modelView(drawing, viewMin, viewMax);
    return pointValue(value, viewMin);
}

int getViewMax(const Drawing& drawing, resbuf* value)
{
    AcGePoint3d viewMin;
    AcGePoint3d viewMax;
    modelView(drawing, viewMin, viewMax);
    return pointValue(value, viewMax);
}

int getCurrentTab(const Drawing& drawing, resbuf* value)
{
    if (drawing.database->tilemode())
        return stringValue(value, kModelTab);
    AcDbObjectPointer<AcDbLayout> layout(activeLayout(drawing), AcDb::kForRead);
    const ACHAR* name = nullptr;
    if (layout.openStatus() != Acad::eOk || layout->getLayoutName(name) != Acad::eOk)
        return RTERROR;
    return stringValue(value, name);
}

int setCurrentTab(const Drawing& drawing, const resbuf* value)
{
    if (value->restype != RTSTR || value->resval.rstring == nullptr)
        return RTREJ;
    if (sameName(value->resval.rstring, kModelTab))
        return drawing.database->setTilemode(true) == Acad::eOk ? RTNORM : RTREJ;
    if (drawing.document == nullptr)
        return RTERROR;
    AcDbObjectId layoutId;
    {
        AcDbDictionary* layouts = nullptr;
        if (drawing.database->getLayoutDictionary(layouts, AcDb::kForRead) != Acad::eOk)
            return RTERROR;
        const Acad::ErrorStatus found = layouts->getAt(value->resval.rstring, layoutId);
        layouts->close();
        if (found != Acad::eOk)
            return RTREJ;
    }
    if (drawing.document->setActiveLayout(layoutId) != Acad::eOk)
        return RTREJ;
    return drawing.database->setTilemode(false) == Acad::eOk ? RTNORM : RTREJ;
}

int getDbmod(const Drawing& drawing, resbuf* value)
{
    return shortValue(value, drawing.database->isModified());
}

struct SystemVariable {
    const ACHAR* name;
    int (*get)(const Drawing&, resbuf*);
    // Nothing for a read-only variable.
    int (*set)(const Drawing&, const resbuf*);
};

constexpr SystemVariable kVariables[] = {
    {L"TILEMODE", getTilemode, setTilemode}, {L"VSMIN", getViewMin, nullptr}, {L"VSMAX", getViewMax, nullptr},
    {L"CTAB", getCurrentTab, setCurrentTab}, {L"DBMOD", getDbmod, nullptr},
};

const SystemVariable* findVariable(const ACHAR* name)
{
    if (name == nullptr)
        return nullptr;
    auto found = std::find_if(std::begin(kVariables), std::end(kVariables),
                              [name](const SystemVariable& variable) { return sameName(variable.name, name); });
    return found != std::end(kVariables) ? found : nullptr;
}
} // namespace

int acedGetVar(const ACHAR* name, resbuf* value)
{
    const SystemVariable* variable = findVariable(name);
    const Drawing drawing = currentDrawing();
    if (variable == nullptr || value == nullptr || drawing.database == nullptr)
        return RTERROR;
    return variable->get(drawing, value);
}

int acedSetVar(const ACHAR* name, const resbuf* value)
{
    const SystemVariable* variable = findVariable(name);
    const Drawing drawing = currentDrawing();
    if (variable == nullptr || drawing.database == nullptr)
        return RTERROR;
    if (variable->set == nullptr || value == nullptr)
        return RTREJ;
    return variable->set(drawing, value);
}

void acedUpdateDisplay()
{
    if (AcApDocument* document = acDocManager->curDocument())
        document->regen();
}
