#include "DefaultDrawing.h"
#include "DrawingFile.h"
#include "dbapserv.h"
#include "dbdict.h"
#include "dbimpdatabase.h"
#include "dbimpobject.h"
#include "dbsymtb.h"

AcDbDatabase::AcDbDatabase(bool buildDefaultDrawing, bool) : m_imp(std::make_unique<AcDbImpDatabase>(this))
{
    if (buildDefaultDrawing)
        cadhost::buildDefaultDrawing(this);
}

AcDbDatabase::~AcDbDatabase()
{
    // The working database must not outlive itself as a dangling pointer.
    if (acdbHostApplicationServices()->workingDatabase() == this)
        acdbHostApplicationServices()->setWorkingDatabase(nullptr);
}

Acad::ErrorStatus AcDbDatabase::addAcDbObject(AcDbObjectId& id, AcDbObject* object)
{
    return m_imp->addObject(object, id);
}

Acad::ErrorStatus AcDbDatabase::addAcDbObject(AcDbObject* object)
{
    AcDbObjectId id;
    return addAcDbObject(id, object);
}

Acad::ErrorStatus AcDbDatabase::getAcDbObjectId(AcDbObjectId& id, bool createIfNotFound, const AcDbHandle& handle,
                                                Adesk::UInt32)
{
    id = AcDbObjectId::kNull;
    if (handle.isNull())
        return Acad::eNullHandle;
    AcDbStub* stub = createIfNotFound ? m_imp->stubFor(handle) : m_imp->findStub(handle);
    if (stub == nullptr)
        return Acad::eUnknownHandle;
    id = AcDbObjectId(stub);
    return Acad::eOk;
}

Acad::ErrorStatus AcDbDatabase::getBlockTable(AcDbBlockTable*& table, AcDb::OpenMode mode)
{
    return acdbOpenObject(table, m_imp->header.blockTable, mode);
}

Acad::ErrorStatus AcDbDatabase::getLayerTable(AcDbLayerTable*& table, AcDb::OpenMode mode)
{
    return acdbOpenObject(table, m_imp->header.layerTable, mode);
}

Acad::ErrorStatus AcDbDatabase::getLinetypeTable(AcDbLinetypeTable*& table, AcDb::OpenMode mode)
{
    return acdbOpenObject(table, m_imp->header.linetypeTable, mode);
}

Acad::ErrorStatus AcDbDatabase::getTextStyleTable(AcDbTextStyleTable*& table, AcDb::OpenMode mode)
{
    return acdbOpenObject(table, m_imp->header.textStyleTable, mode);
}

Acad::ErrorStatus AcDbDatabase::getDimStyleTable(AcDbDimStyleTable*& table, AcDb::OpenMode mode)
{
    return acdbOpenObject(table, m_imp->header.dimStyleTable, mode);
}

Acad::ErrorStatus AcDbDatabase::getRegAppTable(AcDbRegAppTable*& table, AcDb::OpenMode mode)
{
    return acdbOpenObject(table, m_imp->header.regAppTable, mode);
}

Acad::ErrorStatus AcDbDatabase::getNamedObjectsDictionary(AcDbDictionary*& dictionary, AcDb::OpenMode mode)
{
    return acdbOpenObject(dictionary, m_imp->header.namedObjects, mode);
}

Acad::ErrorStatus AcDbDatabase::getLayoutDictionary(AcDbDictionary*& dictionary, AcDb::OpenMode mode)
{
    return acdbOpenObject(dictionary, m_imp->layoutDictionary, mode);
}

AcDbObjectId AcDbDatabase::blockTableId() const
{
    return m_imp->header.blockTable;
}

AcDbObjectId AcDbDatabase::layerTableId() const
{
    return m_imp->header.layerTable;
}

AcDbObjectId AcDbDatabase::linetypeTableId() const
{
    return m_imp->header.linetypeTable;
}

AcDbObjectId AcDbDatabase::textStyleTableId() const
{
    return m_imp->header.textStyleTable;
}

AcDbObjectId AcDbDatabase::dimStyleTableId() const
{
    return m_imp->header.dimStyleTable;
}

AcDbObjectId AcDbDatabase::regAppTableId() const
{
    return m_imp->header.regAppTable;
}

AcDbObjectId AcDbDatabase::namedObjectsDictionaryId() const
{
    return m_imp->header.namedObjects;
}

AcDbObjectId AcDbDatabase::modelSpaceId() const
{
    return m_imp->modelSpace;
}

AcDbObjectId AcDbDatabase::paperSpaceId() const
{
    return m_imp->paperSpace;
}

AcDbObjectId AcDbDatabase::currentSpaceId() const
{
    return m_imp->header.tilemode ? m_imp->modelSpace : m_imp->paperSpace;
}

AcDbObjectId AcDbDatabase::layerZero() const
{
    return m_imp->layerZero;
}

AcDbObjectId AcDbDatabase::continuousLinetype() const
{
    return m_imp->continuous;
}

AcDbObjectId AcDbDatabase::byLayerLinetype() const
{
    return m_imp->byLayer;
}

AcDbObjectId AcDbDatabase::byBlockLinetype() const
{
    return m_imp->byBlock;
}

namespace {
// A header variable that names a record must name a live record of the right table of this database.
template <class TRecord>
Acad::ErrorStatus setRecordVariable(AcDbImpDatabase* imp, AcDbObjectId id, AcDbObjectId& variable)
{
    if (id.database() != imp->database() || peekObject<TRecord>(id) == nullptr || id.isErased())
        return Acad::eInvalidInput;
    variable = id;
    imp->modified = true;
    return Acad::eOk;
}

template <class T> Acad::ErrorStatus setVariable(AcDbImpDatabase* imp, const T& value, T& variable)
{
    variable = value;
    imp->modified = true;
    return Acad::eOk;
}
} // namespace

AcDbObjectId AcDbDatabase::clayer() const
{
    return m_imp->header.clayer;
}

Acad::ErrorStatus AcDbDatabase::setClayer(AcDbObjectId layerId)
{
    return setRecordVariable<AcDbLayerTableRecord>(m_imp.get(), layerId, m_imp->header.clayer);
}

AcDbObjectId AcDbDatabase::celtype() const
{
    return m_imp->header.celtype;
}

Acad::ErrorStatus AcDbDatabase::setCeltype(AcDbObjectId linetypeId)
{
    return setRecordVariable<AcDbLinetypeTableRecord>(m_imp.get(), linetypeId, m_imp->header.celtype);
}

AcCmColor AcDbDatabase::cecolor() const
{
    return m_imp->header.cecolor;
}

Acad::ErrorStatus AcDbDatabase::setCecolor(const AcCmColor& color)
{
    return setVariable(m_imp.get(), color, m_imp->header.cecolor);
}

double AcDbDatabase::celtscale() const
{
    return m_imp->header.celtscale;
}

Acad::ErrorStatus AcDbDatabase::setCeltscale(double scale)
{
    if (!(scale > 0.0))
        return Acad::eInvalidInput;
    return setVariable(m_imp.get(), scale, m_imp->header.celtscale);
}

AcDb::LineWeight AcDbDatabase::celweight() const
{
    return m_imp->header.celweight;
}

Acad::ErrorStatus AcDbDatabase::setCelweight(AcDb::LineWeight weight)
{
    return setVariable(m_imp.get(), weight, m_imp->header.celweight);
}

AcDbObjectId AcDbDatabase::textstyle() const
{
    return m_imp->header.textstyle;
}

Acad::ErrorStatus AcDbDatabase::setTextstyle(AcDbObjectId styleId)
{
    return setRecordVariable<AcDbTextStyleTableRecord>(m_imp.get(), styleId, m_imp->header.textstyle);
}

AcDbObjectId AcDbDatabase::dimstyle() const
{
    return m_imp->header.dimstyle;
}

Acad::ErrorStatus AcDbDatabase::setDimstyle(AcDbObjectId styleId)
{
    return setRecordVariable<AcDbSymbolTableRecord>(m_imp.get(), styleId, m_imp->header.dimstyle);
}

double AcDbDatabase::textsize() const
{
    return m_imp->header.textsize;
}

Acad::ErrorStatus AcDbDatabase::setTextsize(double size)
{
    if (!(size > 0.0))
        return Acad::eInvalidInput;
    return setVariable(m_imp.get(), size, m_imp->header.textsize);
}

bool AcDbDatabase::tilemode() const
{
    return m_imp->header.tilemode;
}

Acad::ErrorStatus AcDbDatabase::setTilemode(bool tilemode)
{
    return setVariable(m_imp.get(), tilemode, m_imp->header.tilemode);
}

Adesk::Int16 AcDbDatabase::saveproxygraphics() const
{
    return m_imp->header.saveproxygraphics;
}

Acad::ErrorStatus AcDbDatabase::setSaveproxygraphics(Adesk::Int16 value)
{
    if (value < 0 || value > 1)
        return Acad::eInvalidInput;
    return setVariable(m_imp.get(), value, m_imp->header.saveproxygraphics);
}

AcDbHandle AcDbDatabase::handseed() const
{
    return m_imp->handseed();
}

Acad::ErrorStatus AcDbDatabase::readDwgFile(const ACHAR* fileName)
{
    if (fileName == nullptr || *fileName == 0)
        return Acad::eNoFileName;
    if (m_imp->readFromFile)
        return Acad::eRepeatedDwgRead;
    auto loaded = std::make_unique<AcDbImpDatabase>(this);
    Acad::ErrorStatus status = cadhost::readDrawingFile(*loaded, fileName);
    if (status != Acad::eOk)
        return status;
    m_imp.swap(loaded);
    return Acad::eOk;
}

Acad::ErrorStatus AcDbDatabase::saveAs(const ACHAR* fileName, bool bakAndRename, AcDb::AcDbDwgVersion version,
                                       const SecurityParams*)
{
    if (fileName == nullptr || *fileName == 0)
        return Acad::eNoFileName;
    Acad::ErrorStatus status = cadhost::writeDrawingFile(*m_imp, fileName, version, bakAndRename);
    if (status != Acad::eOk)
        return status;
    m_imp->fileName = fileName;
    m_imp->lastSavedAsVersion = version;
    m_imp->modified = false;
    return Acad::eOk;
}

Acad::ErrorStatus AcDbDatabase::save()
{
    if (m_imp->fileName.empty())
        return Acad::eNoFileName;
    std::wstring fileName = m_imp->fileName;
    return saveAs(fileName.c_str(), true, m_imp->lastSavedAsVersion);
}

AcDb::AcDbDwgVersion AcDbDatabase::lastSavedAsVersion() const
{
    return m_imp->lastSavedAsVersion;
}

AcDb::AcDbDwgVersion AcDbDatabase::originalFileVersion() const
{
    return m_imp->originalFileVersion;
}

Acad::ErrorStatus AcDbDatabase::getFilename(const ACHAR*& fileName) const
{
    fileName = m_imp->fileName.c_str();
    return Acad::eOk;
}

const ACHAR* AcDbDatabase::originalFileName() const
{
    return m_imp->fileName.c_str();
}

bool AcDbDatabase::isModified() const
{
    return m_imp->modified;
}

Acad::ErrorStatus acdbSetDbmod(AcDbDatabase* database, int value)
{
    if (database == nullptr)
        return Acad::eNullObjectPointer;
    database->imp()->modified = value != 0;
    return Acad::eOk;
}
