#include "dbblkref.h"
#include "listformat.h"

#include "acgi.h"
#include "acutads.h"
#include "dbfieldio.h"
#include "dbsymtb.h"
#include "entgeom.h"

#include <algorithm>
#include <vector>

namespace {

// Nested references multiply: a block may hold itself, directly or through other blocks, and a few
// levels of references can fan out to millions of entities. Expansion therefore skips a block that is
// already being expanded, stops at a nesting depth, and stops once the outermost reference has visited
// a bounded number of entities; the first skip of an outermost expansion is reported.
constexpr std::size_t kMaxNesting = 32;
constexpr std::size_t kMaxExpandedEntities = 1'000'000;
thread_local std::vector<AcDbObjectId> gExpanding;
thread_local std::size_t gExpanded = 0;
thread_local bool gReported = false;

void reportSkip()
{
    if (gReported)
        return;
    gReported = true;
    acutPrintf(L"\n块参照循环引用或嵌套过多，已跳过部分内容");
}

class Expansion {
public:
    explicit Expansion(AcDbObjectId block)
    {
        if (gExpanding.empty()) {
            gExpanded = 0;
            gReported = false;
        }
        m_refused = gExpanding.size() >= kMaxNesting || std::ranges::find(gExpanding, block) != gExpanding.end();
        if (m_refused)
            reportSkip();
        gExpanding.push_back(block);
    }
    ~Expansion() { gExpanding.pop_back(); }
    Expansion(const Expansion&) = delete;
    Expansion& operator=(const Expansion&) = delete;

    bool refused() const { return m_refused; }

    // Counts one more visited entity; false once the outermost expansion has spent its share.
    static bool spend()
    {
        if (gExpanded >= kMaxExpandedEntities) {
            reportSkip();
            return false;
        }
        ++gExpanded;
        return true;
    }

private:
    bool m_refused = false;
};

// Closes an object opened for the scope.
template <class T> struct Opened {
    T* object = nullptr;
    Opened() = default;
    Opened(const Opened&) = delete;
    Opened& operator=(const Opened&) = delete;
    ~Opened()
    {
        if (object != nullptr)
            object->close();
    }
};

} // namespace

AcDbBlockReference::AcDbBlockReference() = default;

AcDbBlockReference::AcDbBlockReference(const AcGePoint3d& position, AcDbObjectId blockTableRecord)
    : m_blockId(blockTableRecord), m_position(position)
{
}

AcDbBlockReference::~AcDbBlockReference() = default;

AcDbObjectId AcDbBlockReference::blockTableRecord() const
{
    assertReadEnabled();
    return m_blockId;
}

Acad::ErrorStatus AcDbBlockReference::setBlockTableRecord(AcDbObjectId blockId)
{
    assertWriteEnabled();
    m_blockId = blockId;
    return Acad::eOk;
}

AcGePoint3d AcDbBlockReference::position() const
{
    assertReadEnabled();
    return m_position;
}

Acad::ErrorStatus AcDbBlockReference::setPosition(const AcGePoint3d& position)
{
    assertWriteEnabled();
    m_position = position;
    return Acad::eOk;
}

AcGeScale3d AcDbBlockReference::scaleFactors() const
{
    assertReadEnabled();
    return m_scale;
}

Acad::ErrorStatus AcDbBlockReference::setScaleFactors(const AcGeScale3d& scale)
{
    if (scale.sx == 0.0 || scale.sy == 0.0 || scale.sz == 0.0)
        return Acad::eInvalidInput;
    assertWriteEnabled();
    m_scale = scale;
    return Acad::eOk;
}

double AcDbBlockReference::rotation() const
{
    assertReadEnabled();
    return m_rotation;
}

Acad::ErrorStatus AcDbBlockReference::setRotation(double angle)
{
    assertWriteEnabled();
    m_rotation = angle;
    return Acad::eOk;
}

AcGeVector3d AcDbBlockReference::normal() const
{
    assertReadEnabled();
    return m_normal;
}

Acad::ErrorStatus AcDbBlockReference::setNormal(const AcGeVector3d& normal)
{
    if (normal.isZeroLength())
        return Acad::eInvalidInput;
    assertWriteEnabled();
    m_normal = normal.normal();
    return Acad::eOk;
}

AcGePoint3d AcDbBlockReference::blockOrigin() const
{
    Opened<AcDbBlockTableRecord> block;
    if (m_blockId.isNull() || acdbOpenObject(block.object, m_blockId, AcDb::kForRead) != Acad::eOk)
        return AcGePoint3d::kOrigin;
    return block.object->origin();
}

AcGeMatrix3d AcDbBlockReference::blockTransform() const
{
    assertReadEnabled();
    AcGeMatrix3d scaling;
    scaling.entry[0][0] = m_scale.sx;
    scaling.entry[1][1] = m_scale.sy;
    scaling.entry[2][2] = m_scale.sz;
    return AcGeMatrix3d::translation(m_position.asVector()) * AcGeMatrix3d::planeToWorld(m_normal) *
           AcGeMatrix3d::rotation(m_rotation, AcGeVector3d::kZAxis) * scaling *
           AcGeMatrix3d::translation(-blockOrigin().asVector());
}

Acad::ErrorStatus AcDbBlockReference::setBlockTransform(const AcGeMatrix3d& transform)
{
    const AcGeVector3d xAxis = transform * AcGeVector3d::kXAxis;
    const AcGeVector3d yAxis = transform * AcGeVector3d::kYAxis;
    const AcGeVector3d zAxis = transform * AcGeVector3d::kZAxis;
    const AcGeVector3d cross = xAxis.crossProduct(yAxis);
    if (cross.isZeroLength() || zAxis.isZeroLength())
        return Acad::eInvalidInput;
    assertWriteEnabled();
    m_normal = cross.normal();
    m_scale.set(xAxis.length(), yAxis.length(), zAxis.dotProduct(m_normal));
    if (m_scale.sz == 0.0)
        m_scale.sz = zAxis.length();
    m_rotation = cadhost::planeAngle(m_normal, xAxis);
    m_position = transform * blockOrigin();
    return Acad::eOk;
}

Acad::ErrorStatus AcDbBlockReference::moveAttributesIntoDatabase()
{
    AcDbDatabase* db = database();
    if (db == nullptr || objectId().isNull())
        return Acad::eOk;
    while (!m_memoryAttributes.empty()) {
        AcDbAttribute* attribute = m_memoryAttributes.front().get();
        AcDbObjectId id;
        const Acad::ErrorStatus status = db->addAcDbObject(id, attribute);
        if (status != Acad::eOk)
            return status;
        // The database owns the attribute from here on.
        static_cast<void>(m_memoryAttributes.front().release());
        m_memoryAttributes.erase(m_memoryAttributes.begin());
        attribute->setOwnerId(objectId());
        attribute->close();
        m_attributeIds.push_back(id);
    }
    return Acad::eOk;
}

Acad::ErrorStatus AcDbBlockReference::setOwnerId(AcDbObjectId ownerId)
{
    const Acad::ErrorStatus status = AcDbEntity::setOwnerId(ownerId);
    if (status != Acad::eOk)
        return status;
    return moveAttributesIntoDatabase();
}

Acad::ErrorStatus AcDbBlockReference::appendAttribute(AcDbAttribute* attribute)
{
    AcDbObjectId id;
    return appendAttribute(id, attribute);
}

Acad::ErrorStatus AcDbBlockReference::appendAttribute(AcDbObjectId& attributeId, AcDbAttribute* attribute)
{
    if (attribute == nullptr)
        return Acad::eNullObjectPointer;
    if (!attribute->objectId().isNull())
        return Acad::eAlreadyInDb;
    assertWriteEnabled();
    m_memoryAttributes.emplace_back(attribute);
    attributeId = AcDbObjectId::kNull;
    if (database() == nullptr || objectId().isNull())
        return Acad::eOk;
    const Acad::ErrorStatus status = moveAttributesIntoDatabase();
    if (status == Acad::eOk)
        attributeId = m_attributeIds.back();
    return status;
}

Acad::ErrorStatus AcDbBlockReference::openAttribute(AcDbAttribute*& attribute, AcDbObjectId attributeId,
                                                    AcDb::OpenMode mode, bool openErasedOne)
{
    attribute = nullptr;
    if (std::find(m_attributeIds.begin(), m_attributeIds.end(), attributeId) == m_attributeIds.end())
        return Acad::eInvalidInput;
    return acdbOpenObject(attribute, attributeId, mode, openErasedOne);
}

AcDbObjectIterator* AcDbBlockReference::attributeIterator() const
{
    assertReadEnabled();
    std::vector<AcDbObjectIterator::Item> items;
    for (const AcDbObjectId& id : m_attributeIds)
        items.push_back({id, nullptr});
    for (const auto& attribute : m_memoryAttributes)
        items.push_back({AcDbObjectId::kNull, attribute.get()});
    return new AcDbObjectIterator(std::move(items));
}

template <class Visit> void AcDbBlockReference::forEachShownEntity(Visit visit) const
{
    if (m_blockId.isNull())
        return;
    const Expansion expansion(m_blockId);
    if (expansion.refused())
        return;
    AcDbObjectIdArray ids;
    {
        Opened<AcDbBlockTableRecord> block;
        if (acdbOpenObject(block.object, m_blockId, AcDb::kForRead) != Acad::eOk)
            return;
        ids = block.object->entityIds();
    }
    for (const AcDbObjectId& id : ids) {
        Opened<AcDbEntity> entity;
        if (acdbOpenObject(entity.object, id, AcDb::kForRead) != Acad::eOk)
            continue;
        const AcDbAttributeDefinition* definition = AcDbAttributeDefinition::cast(entity.object);
        if (definition != nullptr && !definition->isConstant())
            continue;
        if (!Expansion::spend())
            return;
        visit(entity.object);
    }
}

template <class Visit> void AcDbBlockReference::forEachAttribute(Visit visit) const
{
    for (const AcDbObjectId& id : m_attributeIds) {
        Opened<AcDbAttribute> attribute;
        if (acdbOpenObject(attribute.object, id, AcDb::kForRead) == Acad::eOk)
            visit(attribute.object);
    }
    for (const auto& attribute : m_memoryAttributes)
        visit(attribute.get());
}

std::vector<AcGeMatrix3d> AcDbBlockReference::instanceTransforms() const
{
    return {blockTransform()};
}

Adesk::Boolean AcDbBlockReference::subWorldDraw(AcGiWorldDraw* worldDraw)
{
    assertReadEnabled();
    for (const AcGeMatrix3d& transform : instanceTransforms()) {
        worldDraw->geometry().pushModelTransform(transform);
        forEachShownEntity([&](AcDbEntity* entity) { worldDraw->geometry().draw(entity); });
        worldDraw->geometry().popModelTransform();
    }
    forEachAttribute([&](AcDbAttribute* attribute) { worldDraw->geometry().draw(attribute); });
    return Adesk::kTrue;
}

void AcDbBlockReference::subList() const
{
    assertReadEnabled();
    AcDbEntity::subList();
    cadhost::listHeader(*this);
    std::wstring name;
    {
        Opened<AcDbBlockTableRecord> block;
        const ACHAR* blockName = nullptr;
        if (acdbOpenObject(block.object, m_blockId, AcDb::kForRead) == Acad::eOk &&
            block.object->getName(blockName) == Acad::eOk && blockName != nullptr)
            name = blockName;
    }
    acutPrintf(L"\n  block: %s  position: (%g, %g, %g)\n  scale: (%g, %g, %g)  rotation: %g  attributes: %d",
               name.c_str(), m_position.x, m_position.y, m_position.z, m_scale.sx, m_scale.sy, m_scale.sz, m_rotation,
               static_cast<int>(m_attributeIds.size() + m_memoryAttributes.size()));
}

Acad::ErrorStatus AcDbBlockReference::subGetGeomExtents(AcDbExtents& extents) const
{
    assertReadEnabled();
    AcDbExtents definition;
    forEachShownEntity([&](AcDbEntity* entity) {
        AcDbExtents piece;
        if (entity->getGeomExtents(piece) == Acad::eOk)
            definition.addExt(piece);
    });
    AcDbExtents result;
    if (cadhost::hasPoints(definition)) {
        for (const AcGeMatrix3d& transform : instanceTransforms()) {
            AcDbExtents placed = definition;
            placed.transformBy(transform);
            result.addExt(placed);
        }
    }
    forEachAttribute([&](AcDbAttribute* attribute) {
        AcDbExtents piece;
        if (!attribute->isInvisible() && attribute->getGeomExtents(piece) == Acad::eOk)
            result.addExt(piece);
    });
    if (!cadhost::hasPoints(result))
        return Acad::eInvalidExtents;
    extents = result;
    return Acad::eOk;
}

Acad::ErrorStatus AcDbBlockReference::subTransformBy(const AcGeMatrix3d& transform)
{
    assertWriteEnabled();
    const Acad::ErrorStatus status = setBlockTransform(transform * blockTransform());
    if (status != Acad::eOk)
        return status;
    for (const AcDbObjectId& id : m_attributeIds) {
        Opened<AcDbAttribute> attribute;
        if (acdbOpenObject(attribute.object, id, AcDb::kForWrite) == Acad::eOk)
            attribute.object->transformBy(transform);
    }
    for (const auto& attribute : m_memoryAttributes)
        attribute->transformBy(transform);
    return Acad::eOk;
}

Acad::ErrorStatus AcDbBlockReference::subExplode(AcDbVoidPtrArray& entitySet) const
{
    assertReadEnabled();
    AcDbVoidPtrArray pieces;
    Acad::ErrorStatus status = Acad::eOk;
    for (const AcGeMatrix3d& transform : instanceTransforms()) {
        forEachShownEntity([&](AcDbEntity* entity) {
            AcDbEntity* copy = nullptr;
            if (status != Acad::eOk)
                return;
            status = entity->getTransformedCopy(transform, copy);
            if (status == Acad::eOk && copy != nullptr)
                pieces.append(copy);
        });
    }
    if (status != Acad::eOk) {
        for (void* piece : pieces)
            delete static_cast<AcDbEntity*>(piece);
        return status;
    }
    entitySet.append(pieces);
    return Acad::eOk;
}

template <class Self, class Io> void AcDbBlockReference::fileFields(Self& self, Io& io)
{
    io.hardPointer(self.m_blockId);
    io(self.m_position)(self.m_scale)(self.m_rotation)(self.m_normal);
    io.array(self.m_attributeIds, [](Io& io, auto& id) { io.hardOwner(id); });
}

Acad::ErrorStatus AcDbBlockReference::dwgOutFields(AcDbDwgFiler* filer) const
{
    return cadhost::FieldAccess::out(*this, filer, AcDbEntity::dwgOutFields(filer));
}

Acad::ErrorStatus AcDbBlockReference::dwgInFields(AcDbDwgFiler* filer)
{
    return cadhost::FieldAccess::in(*this, filer, AcDbEntity::dwgInFields(filer));
}

// ---- AcDbMInsertBlock ----

AcDbMInsertBlock::AcDbMInsertBlock(const AcGePoint3d& position, AcDbObjectId blockTableRecord, Adesk::UInt16 columns,
                                   Adesk::UInt16 rows, double columnSpacing, double rowSpacing)
    : AcDbBlockReference(position, blockTableRecord), m_columns(columns), m_rows(rows), m_columnSpacing(columnSpacing),
      m_rowSpacing(rowSpacing)
{
}

Adesk::UInt16 AcDbMInsertBlock::columns() const
{
    assertReadEnabled();
    return m_columns;
}

Acad::ErrorStatus AcDbMInsertBlock::setColumns(Adesk::UInt16 columns)
{
    if (columns == 0)
        return Acad::eInvalidInput;
    assertWriteEnabled();
    m_columns = columns;
    return Acad::eOk;
}

Adesk::UInt16 AcDbMInsertBlock::rows() const
{
    assertReadEnabled();
    return m_rows;
}

Acad::ErrorStatus AcDbMInsertBlock::setRows(Adesk::UInt16 rows)
{
    if (rows == 0)
        return Acad::eInvalidInput;
    assertWriteEnabled();
    m_rows = rows;
    return Acad::eOk;
}

double AcDbMInsertBlock::columnSpacing() const
{
    assertReadEnabled();
    return m_columnSpacing;
}

Acad::ErrorStatus AcDbMInsertBlock::setColumnSpacing(double spacing)
{
    assertWriteEnabled();
    m_columnSpacing = spacing;
    return Acad::eOk;
}

double AcDbMInsertBlock::rowSpacing() const
{
    assertReadEnabled();
    return m_rowSpacing;
}

Acad::ErrorStatus AcDbMInsertBlock::setRowSpacing(double spacing)
{
    assertWriteEnabled();
    m_rowSpacing = spacing;
    return Acad::eOk;
}

std::vector<AcGeMatrix3d> AcDbMInsertBlock::instanceTransforms() const
{
    // The copies step along the reference's own rotated axes.
    const AcGeVector3d columnStep = cadhost::planeDirection(normal(), rotation()) * m_columnSpacing;
    const AcGeVector3d rowStep = normal().crossProduct(cadhost::planeDirection(normal(), rotation())) * m_rowSpacing;
    const AcGeMatrix3d base = blockTransform();
    std::vector<AcGeMatrix3d> transforms;
    for (int row = 0; row < m_rows; ++row) {
        for (int column = 0; column < m_columns && transforms.size() < kMaxExpandedEntities; ++column)
            transforms.push_back(AcGeMatrix3d::translation(columnStep * column + rowStep * row) * base);
    }
    return transforms;
}

void AcDbMInsertBlock::subList() const
{
    AcDbBlockReference::subList();
    acutPrintf(L"\n  columns: %d  rows: %d  column spacing: %g  row spacing: %g", static_cast<int>(m_columns),
               static_cast<int>(m_rows), m_columnSpacing, m_rowSpacing);
}

template <class Self, class Io> void AcDbMInsertBlock::fileFields(Self& self, Io& io)
{
    io(self.m_columns)(self.m_rows)(self.m_columnSpacing)(self.m_rowSpacing);
    if constexpr (Io::kReading) {
        if (io.ok() && (self.m_columns == 0 || self.m_rows == 0))
            io.fail(Acad::eDwgObjectImproperlyRead);
    }
}

Acad::ErrorStatus AcDbMInsertBlock::dwgOutFields(AcDbDwgFiler* filer) const
{
    return cadhost::FieldAccess::out(*this, filer, AcDbBlockReference::dwgOutFields(filer));
}

Acad::ErrorStatus AcDbMInsertBlock::dwgInFields(AcDbDwgFiler* filer)
{
    return cadhost::FieldAccess::in(*this, filer, AcDbBlockReference::dwgInFields(filer));
}
