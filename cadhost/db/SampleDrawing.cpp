#include "SampleDrawing.h"

#include "dbblkref.h"
#include "dbdict.h"
#include "dbdim.h"
#include "dbdimstyle.h"
#include "dbelipse.h"
#include "dbents.h"
#include "dbhatch.h"
#include "dblead.h"
#include "dbmline.h"
#include "dbmtext.h"
#include "dbpl.h"
#include "dbray.h"
#include "dbregion.h"
#include "dbsol3d.h"
#include "dbspline.h"
#include "dbsymtb.h"
#include "dbtable.h"
#include "dbtext.h"
#include "dbviewport.h"
#include "dbxline.h"
#include "gearc2d.h"
#include "geell2d.h"
#include "gelnsg2d.h"
#include "genurb2d.h"
#include "imgdef.h"
#include "imgent.h"

#include <cmath>
#include <initializer_list>
#include <memory>
#include <numbers>
#include <vector>

namespace cadhost {
namespace {

constexpr double kPi = std::numbers::pi;

AcGePoint3d at(double x, double y, double z = 0.0)
{
    return {x, y, z};
}

// Builds the drawing step by step; after the first failure every later step does nothing, so the
// builder reads as a plain list of what the drawing holds.
class SampleBuilder {
public:
    explicit SampleBuilder(AcDbDatabase& database) : m_database(database) {}

    Acad::ErrorStatus status() const { return m_status; }
    AcDbDatabase& database() { return m_database; }

    // Appends an entity to a block and closes it; the entity is deleted when it cannot be appended.
    template <class T> AcDbObjectId add(AcDbObjectId blockId, T* created, const ACHAR* layer = nullptr)
    {
        std::unique_ptr<T> entity(created);
        AcDbObjectId id;
        if (m_status != Acad::eOk)
            return id;
        AcDbBlockTableRecord* block = nullptr;
        if (!check(acdbOpenObject(block, blockId, AcDb::kForWrite)))
            return id;
        if (check(block->appendAcDbEntity(id, entity.get()))) {
            // Layers are looked up by name in the entity's database, so set once it is in one.
            if (layer != nullptr)
                check(entity->setLayer(layer));
            entity.release()->close();
        }
        block->close();
        return id;
    }

    // Adds a symbol table record, deleting it when the table refuses it.
    template <class Table> AcDbObjectId addRecord(AcDbSymbolTableRecord* created)
    {
        std::unique_ptr<AcDbSymbolTableRecord> record(created);
        AcDbObjectId id;
        if (m_status != Acad::eOk)
            return id;
        Table* table = nullptr;
        if (!check(m_database.getSymbolTable(table, AcDb::kForWrite)))
            return id;
        if (check(table->add(id, record.get())))
            record.release()->close();
        table->close();
        return id;
    }

    AcDbObjectId addLayer(const ACHAR* name, Adesk::UInt16 colorIndex, bool locked = false, bool frozen = false,
                          bool off = false)
    {
        auto* layer = new AcDbLayerTableRecord();
        AcCmColor color;
        color.setColorIndex(colorIndex);
        layer->setName(name);
        layer->setColor(color);
        layer->setIsLocked(locked);
        layer->setIsFrozen(frozen);
        layer->setIsOff(off);
        return addRecord<AcDbLayerTable>(layer);
    }

    AcDbObjectId addBlock(const ACHAR* name)
    {
        auto* block = new AcDbBlockTableRecord();
        block->setName(name);
        return addRecord<AcDbBlockTable>(block);
    }

    // Adds an object to a dictionary of the named objects dictionary, making that dictionary if needed.
    AcDbObjectId addToNamedDictionary(const ACHAR* dictionaryName, const ACHAR* key, AcDbObject* created)
    {
        std::unique_ptr<AcDbObject> object(created);
        AcDbObjectId id;
        if (m_status != Acad::eOk)
            return id;
        AcDbDictionary* named = nullptr;
        if (!check(m_database.getNamedObjectsDictionary(named, AcDb::kForWrite)))
            return id;
        AcDbObjectId dictionaryId;
        if (named->getAt(dictionaryName, dictionaryId) != Acad::eOk) {
            auto dictionary = std::make_unique<AcDbDictionary>();
            if (check(named->setAt(dictionaryName, dictionary.get(), dictionaryId)))
                dictionary.release()->close();
        }
        named->close();
        AcDbDictionary* dictionary = nullptr;
        if (m_status != Acad::eOk || !check(acdbOpenObject(dictionary, dictionaryId, AcDb::kForWrite)))
            return id;
        if (check(dictionary->setAt(key, object.get(), id)))
            object.release()->close();
        dictionary->close();
        return id;
    }

    // Appends attributes to a block reference that is already in the database.
    void addAttributes(AcDbObjectId referenceId, std::initializer_list<AcDbAttribute*> created)
    {
        std::vector<std::unique_ptr<AcDbAttribute>> attributes;
        for (AcDbAttribute* attribute : created)
            attributes.emplace_back(attribute);
        if (m_status != Acad::eOk)
            return;
        AcDbBlockReference* reference = nullptr;
        if (!check(acdbOpenObject(reference, referenceId, AcDb::kForWrite)))
            return;
        for (auto& attribute : attributes) {
            if (!check(reference->appendAttribute(attribute.get())))
                break;
            attribute.release()->close();
        }
        reference->close();
    }

    bool check(Acad::ErrorStatus status)
    {
        if (m_status == Acad::eOk)
            m_status = status;
        return status == Acad::eOk;
    }

private:
    AcDbDatabase& m_database;
    Acad::ErrorStatus m_status = Acad::eOk;
};

AcDbLine* line(const AcGePoint3d& from, const AcGePoint3d& to)
{
    return new AcDbLine(from, to);
}

AcDbText* text(const AcGePoint3d& position, const ACHAR* contents, double height)
{
    return new AcDbText(position, contents, AcDbObjectId::kNull, height);
}

AcDbObjectId addDimensionStyle(SampleBuilder& builder)
{
    auto* style = new AcDbDimStyleTableRecord();
    style->setName(L"机械");
    style->setDimscale(2.0);
    style->setDimtxt(2.5);
    style->setDimasz(1.5);
    style->setDimtad(1);
    style->setDimdec(2);
    style->setDimdsep(L',');
    return builder.addRecord<AcDbDimStyleTable>(style);
}

// A bolt head seen from above; referenced in model space, singly and as a multi-insert.
AcDbObjectId addBoltBlock(SampleBuilder& builder)
{
    const AcDbObjectId block = builder.addBlock(L"Bolt");
    builder.add(block, new AcDbCircle(at(0, 0), AcGeVector3d::kZAxis, 2.0));
    AcGePoint3dArray hexagon;
    for (int corner = 0; corner < 6; ++corner)
        hexagon.append(at(3.0 * std::cos(corner * kPi / 3.0), 3.0 * std::sin(corner * kPi / 3.0)));
    builder.add(block, new AcDb2dPolyline(AcDb::k2dSimplePoly, hexagon, 0.0, Adesk::kTrue));
    return block;
}

// A title block with attribute definitions; referenced in the paper-space layout with its attributes.
AcDbObjectId addTitleBlock(SampleBuilder& builder)
{
    const AcDbObjectId block = builder.addBlock(L"标题栏");
    builder.add(block, line(at(0, 0), at(120, 0)));
    builder.add(block, line(at(120, 0), at(120, 30)));
    builder.add(block, line(at(120, 30), at(0, 30)));
    builder.add(block, line(at(0, 30), at(0, 0)));
    builder.add(block, text(at(5, 22), L"设计单位：泰萨里尔工程", 3.0));
    builder.add(block, new AcDbAttributeDefinition(at(5, 14), L"未命名", L"名称", L"图纸名称"));
    builder.add(block, new AcDbAttributeDefinition(at(5, 8), L"A-000", L"图号", L"图号"));
    auto* scale = new AcDbAttributeDefinition(at(5, 2), L"1:1", L"比例", L"比例");
    scale->setPreset(true);
    builder.add(block, scale);
    return block;
}

void addCurves(SampleBuilder& builder, AcDbObjectId space)
{
    builder.add(space, new AcDbPoint(at(-10, -10)));
    builder.add(space, line(at(0, 0), at(100, 0)), L"轮廓");
    builder.add(space, line(at(100, 0), at(100, 60)), L"轮廓");
    builder.add(space, new AcDbArc(at(50, 60), 50.0, 0.0, kPi), L"轮廓");
    builder.add(space, new AcDbCircle(at(50, 30), AcGeVector3d::kZAxis, 10.0), L"轮廓");
    builder.add(space, new AcDbEllipse(at(50, 30), AcGeVector3d::kZAxis, AcGeVector3d(20, 0, 0), 0.5, 0.0, kPi));

    AcGePoint3dArray controlPoints;
    controlPoints.append(at(110, 0));
    controlPoints.append(at(120, 20));
    controlPoints.append(at(130, -10));
    controlPoints.append(at(140, 10));
    AcGeDoubleArray knots;
    for (const double knot : {0.0, 0.0, 0.0, 0.0, 1.0, 1.0, 1.0, 1.0})
        knots.append(knot);
    builder.add(
        space, new AcDbSpline(3, Adesk::kFalse, Adesk::kFalse, Adesk::kFalse, controlPoints, knots, AcGeDoubleArray()));
    AcGePoint3dArray fitPoints;
    fitPoints.append(at(110, 30));
    fitPoints.append(at(125, 45));
    fitPoints.append(at(140, 30));
    builder.add(space, new AcDbSpline(fitPoints, AcGeVector3d(0, 1, 0), AcGeVector3d(0, -1, 0)));

    auto* ray = new AcDbRay();
    ray->setBasePoint(at(-20, 0));
    ray->setUnitDir(AcGeVector3d(-1, -1, 0).normal());
    builder.add(space, ray);
    auto* xline = new AcDbXline();
    xline->setBasePoint(at(0, -20));
    xline->setUnitDir(AcGeVector3d::kXAxis);
    builder.add(space, xline);

    auto* polyline = new AcDbPolyline();
    polyline->addVertexAt(0, AcGePoint2d(0, 80), 0.0, 0.5, 1.0);
    polyline->addVertexAt(1, AcGePoint2d(30, 80), 1.0);
    polyline->addVertexAt(2, AcGePoint2d(30, 100));
    polyline->setClosed(Adesk::kTrue);
    builder.add(space, polyline);

    AcGePoint3dArray outline;
    outline.append(at(40, 80));
    outline.append(at(60, 80));
    outline.append(at(60, 100));
    builder.add(space, new AcDb2dPolyline(AcDb::k2dSimplePoly, outline, 0.0, Adesk::kFalse, 0.2, 0.2));
    AcGePoint3dArray path;
    path.append(at(70, 80, 0));
    path.append(at(80, 90, 5));
    path.append(at(90, 80, 10));
    builder.add(space, new AcDb3dPolyline(AcDb::k3dSimplePoly, path));

    auto* leader = new AcDbLeader();
    leader->appendVertex(at(100, 100));
    leader->appendVertex(at(110, 110));
    leader->appendVertex(at(125, 110));
    leader->setDimasz(2.0);
    builder.add(space, leader, L"标注");

    builder.add(space, new AcDbSolid(at(0, 110), at(10, 110), at(0, 120), at(10, 120)));
    builder.add(space, new AcDbTrace(at(20, 110), at(40, 110), at(20, 112), at(40, 112)));
}

void addTexts(SampleBuilder& builder, AcDbObjectId space)
{
    builder.add(space, text(at(0, 130), L"外发图纸 Tessaril 样图", 5.0));
    auto* rotated = text(at(60, 130), L"旋转文字", 3.0);
    rotated->setRotation(kPi / 6.0);
    builder.add(space, rotated);

    auto* note = new AcDbMText();
    note->setLocation(at(0, 160));
    note->setWidth(80.0);
    note->setTextHeight(3.5);
    note->setContents(L"技术要求：\\P1. 未注倒角 C1\\P2. {\\fSimSun|b1;去除毛刺}");
    note->setBackgroundFill(true);
    AcCmColor fill;
    fill.setColorIndex(2);
    note->setBackgroundFillColor(fill);
    note->setBackgroundScaleFactor(1.5);
    builder.add(space, note);

    builder.add(space, new AcDbAttributeDefinition(at(100, 160), L"默认值", L"TAG", L"提示"));
}

void addHatches(SampleBuilder& builder, AcDbObjectId space)
{
    auto* pattern = new AcDbHatch();
    pattern->setPattern(AcDbHatch::kPreDefined, L"ANSI31");
    pattern->setPatternScale(2.0);
    AcGePoint2dArray square;
    square.append(AcGePoint2d(150, 0));
    square.append(AcGePoint2d(170, 0));
    square.append(AcGePoint2d(170, 20));
    square.append(AcGePoint2d(150, 20));
    pattern->appendLoop(AcDbHatch::kExternal, square, AcGeDoubleArray());
    builder.add(space, pattern);

    // A solid fill bounded by every edge kind: a line, a circular arc, an elliptic arc and a spline.
    auto* solid = new AcDbHatch();
    solid->setPattern(AcDbHatch::kPreDefined, L"SOLID");
    AcGeVoidPointerArray edges;
    AcGeIntArray edgeTypes;
    edges.append(new AcGeLineSeg2d(AcGePoint2d(180, 0), AcGePoint2d(200, 0)));
    edgeTypes.append(AcDbHatch::kLine);
    edges.append(new AcGeCircArc2d(AcGePoint2d(200, 5), 5.0, -kPi / 2.0, kPi / 2.0));
    edgeTypes.append(AcDbHatch::kCirArc);
    edges.append(new AcGeEllipArc2d(AcGePoint2d(195, 10), AcGeVector2d(1, 0), AcGeVector2d(0, 1), 5.0, 2.0, 0.0, kPi));
    edgeTypes.append(AcDbHatch::kEllArc);
    AcGePoint2dArray controls;
    controls.append(AcGePoint2d(190, 10));
    controls.append(AcGePoint2d(186, 14));
    controls.append(AcGePoint2d(182, 4));
    controls.append(AcGePoint2d(180, 0));
    double knotValues[] = {0.0, 0.0, 0.0, 0.0, 1.0, 1.0, 1.0, 1.0};
    edges.append(new AcGeNurbCurve2d(3, AcGeKnotVector(8, knotValues), controls));
    edgeTypes.append(AcDbHatch::kSpline);
    if (!builder.check(solid->appendLoop(AcDbHatch::kExternal, edges, edgeTypes)))
        for (void* edge : edges)
            delete static_cast<AcGeEntity2d*>(edge);
    builder.add(space, solid);

    auto* gradient = new AcDbHatch();
    gradient->setHatchObjectType(AcDbHatch::kGradientObject);
    gradient->setGradient(AcDbHatch::kPreDefinedGradient, L"LINEAR");
    gradient->setGradientOneColorMode(Adesk::kTrue);
    AcCmColor colors[2];
    colors[0].setColorIndex(5);
    colors[1].setRGB(255, 255, 255);
    const float values[2] = {0.0F, 1.0F};
    gradient->setGradientColors(2, colors, values);
    gradient->setShadeTintValue(0.5F);
    AcGePoint2dArray triangle;
    triangle.append(AcGePoint2d(210, 0));
    triangle.append(AcGePoint2d(230, 0));
    triangle.append(AcGePoint2d(220, 15));
    gradient->appendLoop(AcDbHatch::kExternal, triangle, AcGeDoubleArray());
    builder.add(space, gradient);
}

void addDimensions(SampleBuilder& builder, AcDbObjectId space, AcDbObjectId style)
{
    const ACHAR* layer = L"标注";
    builder.add(space, new AcDbRotatedDimension(0.0, at(0, 0), at(100, 0), at(50, -15), nullptr, style), layer);
    builder.add(space, new AcDbAlignedDimension(at(100, 0), at(100, 60), at(115, 30), nullptr, style), layer);

    auto* threePoint = new AcDb3PointAngularDimension();
    threePoint->setCenterPoint(at(50, 60));
    threePoint->setXLine1Point(at(100, 60));
    threePoint->setXLine2Point(at(50, 110));
    threePoint->setArcPoint(at(90, 90));
    builder.add(space, threePoint, layer);

    auto* twoLine = new AcDb2LineAngularDimension();
    twoLine->setXLine1Start(at(0, 0));
    twoLine->setXLine1End(at(100, 0));
    twoLine->setXLine2Start(at(100, 0));
    twoLine->setXLine2End(at(100, 60));
    twoLine->setArcPoint(at(90, 10));
    builder.add(space, twoLine, layer);

    builder.add(space, new AcDbRadialDimension(at(50, 30), at(60, 30), 5.0, nullptr, style), layer);
    auto* diametric = new AcDbDiametricDimension(at(40, 30), at(60, 30), 5.0, nullptr, style);
    builder.add(space, diametric, layer);

    auto* ordinate = new AcDbOrdinateDimension();
    ordinate->setOrigin(at(0, 0));
    ordinate->setDefiningPoint(at(100, 60));
    ordinate->setLeaderEndPoint(at(100, 75));
    builder.add(space, ordinate, layer);

    auto* arcLength = new AcDbArcDimension();
    arcLength->setCenterPoint(at(50, 60));
    arcLength->setXLine1Point(at(100, 60));
    arcLength->setXLine2Point(at(0, 60));
    arcLength->setArcPoint(at(50, 120));
    builder.add(space, arcLength, layer);

    auto* jogged = new AcDbRadialDimensionLarge();
    jogged->setCenter(at(50, 60));
    jogged->setChordPoint(at(85.355, 95.355));
    jogged->setOverrideCenter(at(80, 70));
    jogged->setJogPoint(at(82, 80));
    jogged->setJogAngle(kPi / 4.0);
    jogged->setDimscale(1.5);
    builder.add(space, jogged, layer);
}

void addCompositeEntities(SampleBuilder& builder, AcDbObjectId space, AcDbObjectId bolt)
{
    builder.add(space, new AcDbBlockReference(at(160, 60), bolt));
    builder.add(space, new AcDbMInsertBlock(at(160, 80), bolt, 3, 2, 10.0, 10.0));

    auto* table = new AcDbTable();
    table->setPosition(at(160, 130));
    table->setSize(2, 2);
    table->setColumnWidth(0, 30.0);
    table->setColumnWidth(1, 20.0);
    table->setRowHeight(0, 8.0);
    table->setRowHeight(1, 8.0);
    table->setTextString(0, 0, L"零件");
    table->setTextString(0, 1, L"数量");
    table->setTextString(1, 0, L"螺栓");
    table->setTextString(1, 1, L"6");
    builder.add(space, table);

    AcDbObjectId mlineStyle;
    builder.check(acdbGetStandardMlineStyle(&builder.database(), mlineStyle));
    auto* mline = new AcDbMline();
    mline->setStyle(mlineStyle);
    mline->setScale(2.0);
    mline->appendSeg(at(0, 200));
    mline->appendSeg(at(50, 200));
    mline->appendSeg(at(50, 230));
    builder.add(space, mline);

    auto* definition = new AcDbRasterImageDef();
    definition->setSourceFileName(L"site-photo.png");
    definition->setSize(AcGeVector2d(640, 480));
    const AcDbObjectId definitionId = builder.addToNamedDictionary(L"ACAD_IMAGE_DICT", L"site-photo", definition);
    auto* image = new AcDbRasterImage();
    image->setImageDefId(definitionId);
    image->setOrientation(at(70, 200), AcGeVector3d(40, 0, 0), AcGeVector3d(0, 30, 0));
    builder.add(space, image);

    builder.add(space, new AcDb3dSolid());
    builder.add(space, new AcDbRegion());
}

// A block without a name of its own, as the host makes for hatches and dimensions, and a reference to it.
void addAnonymousBlock(SampleBuilder& builder, AcDbObjectId space)
{
    const AcDbObjectId block = builder.addBlock(L"*U");
    builder.add(block, line(at(0, 0), at(5, 5)));
    builder.add(block, line(at(0, 5), at(5, 0)));
    builder.add(space, new AcDbBlockReference(at(240, 60), block));
}

void addLayerStates(SampleBuilder& builder, AcDbObjectId space)
{
    builder.add(space, line(at(0, -40), at(50, -40)), L"Locked");
    builder.add(space, line(at(0, -45), at(50, -45)), L"Frozen");
    builder.add(space, line(at(0, -50), at(50, -50)), L"Off");
    builder.add(space, text(at(60, -45), L"锁定、冻结和关闭的图层", 2.5), L"Locked");
}

void addPaperSpace(SampleBuilder& builder, AcDbObjectId titleBlock)
{
    const AcDbObjectId paper = builder.database().paperSpaceId();
    auto* viewport = new AcDbViewport();
    viewport->setCenterPoint(at(148.5, 120));
    viewport->setWidth(260.0);
    viewport->setHeight(150.0);
    viewport->setViewCenter(AcGePoint2d(120, 100));
    viewport->setViewHeight(300.0);
    builder.add(paper, viewport);

    const AcDbObjectId reference = builder.add(paper, new AcDbBlockReference(at(170, 10), titleBlock));
    builder.addAttributes(reference, {new AcDbAttribute(at(175, 24), L"泵座", L"名称"),
                                      new AcDbAttribute(at(175, 18), L"TS-001", L"图号"),
                                      new AcDbAttribute(at(175, 12), L"1:2", L"比例")});
    builder.add(paper, text(at(10, 10), L"布局中的说明文字", 3.5));
}

} // namespace

Acad::ErrorStatus buildSampleDrawing(AcDbDatabase& database)
{
    SampleBuilder builder(database);
    builder.addLayer(L"轮廓", 7);
    builder.addLayer(L"标注", 3);
    builder.addLayer(L"Locked", 1, true);
    builder.addLayer(L"Frozen", 4, false, true);
    builder.addLayer(L"Off", 6, false, false, true);
    const AcDbObjectId style = addDimensionStyle(builder);
    const AcDbObjectId bolt = addBoltBlock(builder);
    const AcDbObjectId titleBlock = addTitleBlock(builder);
    const AcDbObjectId unreferenced = builder.addBlock(L"未引用的块");
    builder.add(unreferenced, line(at(0, 0), at(1, 1)));

    const AcDbObjectId model = database.modelSpaceId();
    addCurves(builder, model);
    addTexts(builder, model);
    addHatches(builder, model);
    addDimensions(builder, model, style);
    addCompositeEntities(builder, model, bolt);
    addAnonymousBlock(builder, model);
    addLayerStates(builder, model);
    addPaperSpace(builder, titleBlock);
    return builder.status();
}

} // namespace cadhost
