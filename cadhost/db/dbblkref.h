// Block references (inserts of a block definition) with their attributes, and multi-inserts.
#pragma once

#include "dbmain.h"
#include "dbobjit.h"
#include "dbtext.h"
#include "gescl3d.h"

#include <memory>
#include <vector>

namespace cadhost {
struct FieldAccess;
}

class CADHOST_EXPORT AcDbBlockReference : public AcDbEntity {
public:
    ACRX_DECLARE_MEMBERS(AcDbBlockReference);
    AcDbBlockReference();
    AcDbBlockReference(const AcGePoint3d& position, AcDbObjectId blockTableRecord);
    ~AcDbBlockReference() override;

    AcDbObjectId blockTableRecord() const;
    virtual Acad::ErrorStatus setBlockTableRecord(AcDbObjectId blockId);
    AcGePoint3d position() const;
    virtual Acad::ErrorStatus setPosition(const AcGePoint3d& position);
    AcGeScale3d scaleFactors() const;
    virtual Acad::ErrorStatus setScaleFactors(const AcGeScale3d& scale);
    double rotation() const;
    virtual Acad::ErrorStatus setRotation(double angle);
    AcGeVector3d normal() const;
    virtual Acad::ErrorStatus setNormal(const AcGeVector3d& normal);

    // From the block's coordinates to the world: translation to the position, the plane of the normal,
    // the rotation about it and the scale factors, applied to points relative to the block's origin.
    AcGeMatrix3d blockTransform() const;
    // Takes position, normal, rotation and scale factors from a transform without shear.
    virtual Acad::ErrorStatus setBlockTransform(const AcGeMatrix3d& transform);

    // The reference owns its attributes. While it is not in a database they stay in memory and go
    // into the database with it; afterwards a new attribute goes into the database at once.
    Acad::ErrorStatus appendAttribute(AcDbAttribute* attribute);
    Acad::ErrorStatus appendAttribute(AcDbObjectId& attributeId, AcDbAttribute* attribute);
    Acad::ErrorStatus openAttribute(AcDbAttribute*& attribute, AcDbObjectId attributeId, AcDb::OpenMode mode,
                                    bool openErasedOne = false);
    // The caller deletes the iterator.
    AcDbObjectIterator* attributeIterator() const;

    // Brings the attributes kept in memory into the reference's database once it has one.
    Acad::ErrorStatus setOwnerId(AcDbObjectId ownerId) override;

    Acad::ErrorStatus dwgInFields(AcDbDwgFiler* filer) override;
    Acad::ErrorStatus dwgOutFields(AcDbDwgFiler* filer) const override;

protected:
    Adesk::Boolean subWorldDraw(AcGiWorldDraw* worldDraw) override;
    void subList() const override;
    // The definition's extents placed by every instance transform, and the visible attributes.
    Acad::ErrorStatus subGetGeomExtents(AcDbExtents& extents) const override;
    Acad::ErrorStatus subTransformBy(const AcGeMatrix3d& transform) override;
    // Transformed copies of the definition's entities; attribute definitions that are not constant
    // and the reference's attributes are left out.
    Acad::ErrorStatus subExplode(AcDbVoidPtrArray& entitySet) const override;

    // The transforms at which the definition appears: one for a plain reference.
    virtual std::vector<AcGeMatrix3d> instanceTransforms() const;
    // Calls visit(entity) for each entity of the definition that a reference shows, open for read.
    template <class Visit> void forEachShownEntity(Visit visit) const;
    // Calls visit(attribute) for each attribute, open for read (or in memory).
    template <class Visit> void forEachAttribute(Visit visit) const;

private:
    friend struct cadhost::FieldAccess;
    template <class Self, class Io> static void fileFields(Self& self, Io& io);

    AcGePoint3d blockOrigin() const;
    Acad::ErrorStatus moveAttributesIntoDatabase();

    AcDbObjectId m_blockId;
    AcGePoint3d m_position;
    AcGeScale3d m_scale;
    double m_rotation = 0.0;
    AcGeVector3d m_normal = AcGeVector3d::kZAxis;
    std::vector<AcDbObjectId> m_attributeIds;
    std::vector<std::unique_ptr<AcDbAttribute>> m_memoryAttributes;
};

// A rectangular array of references to one block.
class CADHOST_EXPORT AcDbMInsertBlock : public AcDbBlockReference {
public:
    ACRX_DECLARE_MEMBERS(AcDbMInsertBlock);
    AcDbMInsertBlock() = default;
    AcDbMInsertBlock(const AcGePoint3d& position, AcDbObjectId blockTableRecord, Adesk::UInt16 columns,
                     Adesk::UInt16 rows, double columnSpacing, double rowSpacing);

    Adesk::UInt16 columns() const;
    Acad::ErrorStatus setColumns(Adesk::UInt16 columns);
    Adesk::UInt16 rows() const;
    Acad::ErrorStatus setRows(Adesk::UInt16 rows);
    double columnSpacing() const;
    Acad::ErrorStatus setColumnSpacing(double spacing);
    double rowSpacing() const;
    Acad::ErrorStatus setRowSpacing(double spacing);

    Acad::ErrorStatus dwgInFields(AcDbDwgFiler* filer) override;
    Acad::ErrorStatus dwgOutFields(AcDbDwgFiler* filer) const override;

protected:
    void subList() const override;
    std::vector<AcGeMatrix3d> instanceTransforms() const override;

private:
    friend struct cadhost::FieldAccess;
    template <class Self, class Io> static void fileFields(Self& self, Io& io);

    Adesk::UInt16 m_columns = 1;
    Adesk::UInt16 m_rows = 1;
    double m_columnSpacing = 0.0;
    double m_rowSpacing = 0.0;
};
