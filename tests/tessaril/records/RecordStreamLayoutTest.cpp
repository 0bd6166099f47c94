// The stored stream of every record kind, call by call. Each layout below is written out by hand, value
// by value, as other installations read it; it is not taken from the records' own field lists, so a
// record that reorders, drops or retypes a field fails here. Every entity carries a different value in
// each pair of neighbouring fields of one kind, so that two exchanged fields show.
//
// Each layout is checked both ways: writing the entity gives exactly the layout, and reading the layout
// onto a fresh entity of the same class and writing that again gives the layout once more.
#include "MemoryDwgFiler.h"
#include "records/EntityDataStream.h"

#include "dbblkref.h"
#include "dbdim.h"
#include "dbelipse.h"
#include "dbents.h"
#include "dbhatch.h"
#include "dblead.h"
#include "dbmtext.h"
#include "dbpl.h"
#include "dbray.h"
#include "dbspline.h"
#include "dbtext.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

namespace {

using Calls = std::vector<std::string>;

Calls operator+(Calls first, const Calls& second)
{
    first.insert(first.end(), second.begin(), second.end());
    return first;
}

// objectVersion, entityVersion.
const Calls kEntityHeader = {"writeUInt32 1", "writeUInt32 1"};
// objectVersion, entityVersion, curveVersion.
const Calls kCurveHeader = {"writeUInt32 1", "writeUInt32 1", "writeUInt32 1"};

struct LayoutCase {
    std::string name;
    std::function<AcDbEntity*()> make;
    Calls layout;
    // What the entity read from the layout writes, when it is not the layout itself.
    Calls reread;
};

void PrintTo(const LayoutCase& value, std::ostream* out)
{
    *out << value.name;
}

std::vector<double> coordinates(const std::string& text)
{
    std::vector<double> values;
    std::stringstream in(text);
    std::string item;
    while (std::getline(in, item, ','))
        values.push_back(std::stod(item));
    return values;
}

// Stores a layout in a filer as the writes it names, so that a reader can take it.
void replay(const Calls& layout, MemoryDwgFiler& filer)
{
    for (const std::string& call : layout) {
        const std::size_t space = call.find(' ');
        const std::string operation = call.substr(0, space);
        const std::string value = call.substr(space + 1);
        if (operation == "writeUInt32")
            filer.writeUInt32(static_cast<Adesk::UInt32>(std::stoul(value)));
        else if (operation == "writeInt32")
            filer.writeInt32(std::stoi(value));
        else if (operation == "writeUInt16")
            filer.writeUInt16(static_cast<Adesk::UInt16>(std::stoul(value)));
        else if (operation == "writeUInt8")
            filer.writeUInt8(static_cast<Adesk::UInt8>(std::stoul(value)));
        else if (operation == "writeBool")
            filer.writeBool(value == "1");
        else if (operation == "writeBoolean")
            filer.writeBoolean(std::stoi(value));
        else if (operation == "writeDouble")
            filer.writeDouble(std::stod(value));
        else if (operation == "writeString")
            filer.writeString(std::wstring(value.begin(), value.end()).c_str());
        else if (operation == "writeHardPointerId")
            filer.writeHardPointerId(AcDbHardPointerId());
        else {
            const std::vector<double> c = coordinates(value);
            if (operation == "writePoint2d")
                filer.writePoint2d(AcGePoint2d(c.at(0), c.at(1)));
            else if (operation == "writePoint3d")
                filer.writePoint3d(AcGePoint3d(c.at(0), c.at(1), c.at(2)));
            else if (operation == "writeVector3d")
                filer.writeVector3d(AcGeVector3d(c.at(0), c.at(1), c.at(2)));
            else if (operation == "writeScale3d")
                filer.writeScale3d(AcGeScale3d(c.at(0), c.at(1), c.at(2)));
            else
                ADD_FAILURE() << "no replay for " << call;
        }
    }
}

// ---- Dimensions: the common part and the dimension-variable block ----

// Every kept dimension variable set to a value that differs from its stream neighbours'.
template <class Dimension> Dimension* withCommonValues(Dimension* d)
{
    d->setTextPosition(AcGePoint3d(4, 6, 0));
    d->useSetTextPosition();
    d->setElevation(0.5);
    d->setDimensionText(L"<> mm");
    d->setTextRotation(0.25);
    d->setTextAttachment(AcDbMText::kBottomCenter);
    d->setTextLineSpacingStyle(AcDb::kExactly);
    d->setTextLineSpacingFactor(1.5);
    d->setDimBlockPosition(AcGePoint3d(1, 2, 0));
    d->setDimadec(1);
    d->setDimalt(true);
    d->setDimaltd(3);
    d->setDimaltf(25.5);
    d->setDimaltrnd(0.125);
    d->setDimalttd(4);
    d->setDimalttz(5);
    d->setDimaltu(6);
    d->setDimaltz(7);
    d->setDimapost(L"alt");
    d->setDimasz(0.375);
    d->setDimatfit(2);
    d->setDimaunit(1);
    d->setDimazin(3);
    d->setDimcen(0.0625);
    AcCmColor lines;
    lines.setColorIndex(1);
    d->setDimclrd(lines);
    AcCmColor extensions;
    extensions.setColorIndex(2);
    d->setDimclre(extensions);
    AcCmColor texts;
    texts.setColorIndex(3);
    d->setDimclrt(texts);
    d->setDimdec(5);
    d->setDimdle(0.75);
    d->setDimdli(0.875);
    d->setDimdsep(L',');
    d->setDimexe(1.25);
    d->setDimexo(1.75);
    d->setDimfrac(2);
    d->setDimgap(2.25);
    d->setDimjust(3);
    d->setDimlfac(2.5);
    d->setDimlim(true);
    d->setDimlunit(4);
    d->setDimlwd(AcDb::kLnWt050);
    d->setDimlwe(AcDb::kLnWt025);
    d->setDimpost(L"post");
    d->setDimrnd(2.75);
    d->setDimsah(true);
    d->setDimscale(3.5);
    d->setDimsd1(true);
    d->setDimsd2(false);
    d->setDimse1(true);
    d->setDimse2(false);
    d->setDimsoxd(true);
    d->setDimtad(2);
    d->setDimtdec(6);
    d->setDimtfac(3.25);
    d->setDimtih(false);
    d->setDimtix(true);
    d->setDimtm(3.75);
    d->setDimtmove(1);
    d->setDimtofl(true);
    d->setDimtoh(false);
    d->setDimtol(true);
    d->setDimtolj(2);
    d->setDimtp(4.25);
    d->setDimtsz(4.5);
    d->setDimtvp(4.75);
    d->setDimtxt(5.25);
    d->setDimtzin(8);
    d->setDimupt(true);
    d->setDimzin(12);
    return d;
}

// Version 2 of the dimension stream, with its 58 dimension variables (DIMCLRE is not among them).
// DIMAPOST and DIMPOST are stored but never set on a dimension, so a dimension read from a stream
// writes them as it had them before.
Calls dimensionStream(const std::string& dimapost, const std::string& dimpost)
{
    return kEntityHeader + Calls{
                               "writeUInt32 2",
                               "writePoint3d 4,6,0",
                               "writeBoolean 0",
                               "writeVector3d 0,0,1",
                               "writeDouble 0.5",
                               "writeString <> mm",
                               "writeDouble 0.25",
                               "writeHardPointerId #0",
                               "writeUInt8 8",
                               "writeUInt8 2",
                               "writeDouble 1.5",
                               "writePoint3d 1,2,0",
                               // DIMADEC ... DIMZIN
                               "writeInt32 1",
                               "writeBool 1",
                               "writeInt32 3",
                               "writeDouble 25.5",
                               "writeDouble 0.125",
                               "writeInt32 4",
                               "writeInt32 5",
                               "writeInt32 6",
                               "writeInt32 7",
                               "writeString " + dimapost,
                               "writeDouble 0.375",
                               "writeInt32 2",
                               "writeInt32 1",
                               "writeInt32 3",
                               "writeDouble 0.0625",
                               "writeUInt16 1",
                               "writeUInt16 3",
                               "writeInt32 5",
                               "writeDouble 0.75",
                               "writeDouble 0.875",
                               "writeInt32 44",
                               "writeDouble 1.25",
                               "writeDouble 1.75",
                               "writeInt32 2",
                               "writeDouble 2.25",
                               "writeInt32 3",
                               "writeDouble 2.5",
                               "writeBool 1",
                               "writeInt32 4",
                               "writeInt32 50",
                               "writeInt32 25",
                               "writeString " + dimpost,
                               "writeDouble 2.75",
                               "writeBool 1",
                               "writeDouble 3.5",
                               "writeBool 1",
                               "writeBool 0",
                               "writeBool 1",
                               "writeBool 0",
                               "writeBool 1",
                               "writeInt32 2",
                               "writeInt32 6",
                               "writeDouble 3.25",
                               "writeBool 0",
                               "writeBool 1",
                               "writeDouble 3.75",
                               "writeInt32 1",
                               "writeBool 1",
                               "writeBool 0",
                               "writeBool 1",
                               "writeInt32 2",
                               "writeDouble 4.25",
                               "writeDouble 4.5",
                               "writeDouble 4.75",
                               "writeDouble 5.25",
                               "writeInt32 8",
                               "writeBool 1",
                               "writeInt32 12",
                           };
}

const Calls kDimensionStream = dimensionStream("alt", "post");
const Calls kDimensionStreamRead = dimensionStream("", "");

// ---- Text ----

template <class Text> Text* plainText(Text* t)
{
    t->setPosition(AcGePoint3d(1, 1, 0));
    t->setHeight(2.5);
    t->setHorizontalMode(AcDb::kTextCenter);
    t->setOblique(0.125);
    t->setRotation(0.375);
    t->setTextString(L"plan");
    t->setThickness(0.25);
    t->setVerticalMode(AcDb::kTextTop);
    t->setWidthFactor(0.75);
    t->setAlignmentPoint(AcGePoint3d(5, 1, 0));
    return t;
}

const Calls kTextStream =
    kEntityHeader + Calls{
                        "writeUInt32 1",         "writePoint3d 1,1,0", "writeDouble 2.5",   "writeUInt8 1",
                        "writeVector3d 0,0,1",   "writeDouble 0.125",  "writeDouble 0.375", "writeString plan",
                        "writeHardPointerId #0", "writeDouble 0.25",   "writeUInt8 3",      "writeDouble 0.75",
                        "writePoint3d 5,1,0",
                    };

// ---- Hatches ----

void appendSquare(AcDbHatch& hatch)
{
    AcGePoint2dArray corners;
    corners.append(AcGePoint2d(0, 0));
    corners.append(AcGePoint2d(8, 0));
    corners.append(AcGePoint2d(8, 8));
    corners.append(AcGePoint2d(0, 8));
    AcGeDoubleArray bulges;
    for (const double bulge : {0.0, 0.5, 0.0, 0.25})
        bulges.append(bulge);
    hatch.appendLoop(AcDbHatch::kExternal, corners, bulges);
}

AcDbHatch* hatchCommon(AcDbHatch* hatch)
{
    hatch->setElevation(1.5);
    hatch->setGradientAngle(0.75);
    hatch->setShadeTintValue(0.5f);
    hatch->setGradientShift(0.25f);
    hatch->setPatternAngle(0.125);
    hatch->setPatternSpace(0.375);
    hatch->setPatternScale(2.0);
    hatch->setPatternDouble(true);
    hatch->setHatchStyle(AcDbHatch::kOuter);
    hatch->setCastShadows(false);
    hatch->setReceiveShadows(true);
    hatch->setOriginPoint(AcGePoint2d(3, 4));
    appendSquare(*hatch);
    return hatch;
}

const Calls kSquareLoop = {
    "writeUInt32 3",   "writeUInt32 4",    "writePoint2d 0,0", "writeDouble 0",    "writePoint2d 8,0",
    "writeDouble 0.5", "writePoint2d 8,8", "writeDouble 0",    "writePoint2d 0,8", "writeDouble 0.25",
};

// A 2D polyline with one vertex. The vertex's material is stored but never set on a vertex that is
// read, so a polyline read from a stream writes the material it had before.
Calls polyline2dStream(const std::string& material)
{
    return kCurveHeader +
           Calls{"writeUInt32 1",       "writeUInt8 0",    "writeDouble 0.25", "writeDouble 0.5", "writeDouble 0.75",
                 "writeVector3d 0,0,1", "writeDouble 1.5", "writeBoolean 0",   "writeBoolean 1",  "writeUInt32 1"} +
           // The vertex: its own stream, then its property block.
           kEntityHeader +
           Calls{"writeUInt32 1",         "writePoint3d 1,2,0", "writeDouble 0.125", "writeDouble 0.375",
                 "writeDouble 0.625",     "writeDouble 0",      "writeUInt32 2",     "writeUInt16 3",
                 "writeHardPointerId #0", "writeUInt8 255",     "writeUInt8 0",      "writeHardPointerId #" + material,
                 "writeHardPointerId #0", "writeDouble 1"};
}

std::vector<LayoutCase> cases()
{
    return {
        {"Line",
         [] {
             auto* line = new AcDbLine(AcGePoint3d(1, 2, 3), AcGePoint3d(4, 5, 6));
             line->setThickness(0.5);
             line->setNormal(AcGeVector3d(0, 1, 0));
             return line;
         },
         kCurveHeader + Calls{"writeUInt32 1", "writePoint3d 1,2,3", "writePoint3d 4,5,6", "writeDouble 0.5",
                              "writeVector3d 0,1,0"}},
        {"Arc",
         [] {
             auto* arc = new AcDbArc(AcGePoint3d(1, 1, 0), 2.5, 0.25, 2.0);
             arc->setThickness(1.5);
             return arc;
         },
         kCurveHeader + Calls{"writeUInt32 1", "writePoint3d 1,1,0", "writeDouble 2.5", "writeDouble 0.25",
                              "writeDouble 2", "writeDouble 1.5", "writeVector3d 0,0,1"}},
        {"Circle",
         [] {
             auto* circle = new AcDbCircle(AcGePoint3d(7, 8, 9), AcGeVector3d(0, 0, 1), 3.0);
             circle->setThickness(2.0);
             return circle;
         },
         kCurveHeader +
             Calls{"writeUInt32 1", "writePoint3d 7,8,9", "writeDouble 3", "writeDouble 2", "writeVector3d 0,0,1"}},
        {"Ellipse",
         [] {
             auto* ellipse =
                 new AcDbEllipse(AcGePoint3d(1, 2, 0), AcGeVector3d(0, 0, 1), AcGeVector3d(4, 0, 0), 0.5, 0.25, 3.0);
             ellipse->setCastShadows(true);
             ellipse->setReceiveShadows(false);
             return ellipse;
         },
         kCurveHeader + Calls{"writeUInt32 1", "writePoint3d 1,2,0", "writeVector3d 0,0,1", "writeVector3d 4,0,0",
                              "writeDouble 0.5", "writeDouble 0.25", "writeDouble 3", "writeBool 1", "writeBool 0"}},
        {"Ray",
         [] {
             auto* ray = new AcDbRay;
             ray->setBasePoint(AcGePoint3d(1, 2, 0));
             ray->setUnitDir(AcGeVector3d(0, 1, 0));
             return ray;
         },
         kCurveHeader + Calls{"writeUInt32 1", "writePoint3d 1,2,0", "writeVector3d 0,1,0"}},
        {"Spline",
         [] {
             AcGePoint3dArray points;
             points.append(AcGePoint3d(0, 0, 0));
             points.append(AcGePoint3d(1, 1, 0));
             points.append(AcGePoint3d(2, 0, 0));
             AcGeDoubleArray knots;
             for (const double knot : {0.0, 0.0, 0.0, 1.0, 1.0, 1.0})
                 knots.append(knot);
             AcGeDoubleArray weights;
             for (const double weight : {1.0, 0.5, 1.0})
                 weights.append(weight);
             return new AcDbSpline(2, Adesk::kTrue, Adesk::kFalse, Adesk::kTrue, points, knots, weights, 0.25, 0.125);
         },
         kCurveHeader + Calls{"writeUInt32 1",      "writeInt32 2",      "writeBoolean 1",     "writeBoolean 0",
                              "writeBoolean 1",     "writeInt32 3",      "writePoint3d 0,0,0", "writePoint3d 1,1,0",
                              "writePoint3d 2,0,0", "writeInt32 6",      "writeDouble 0",      "writeDouble 0",
                              "writeDouble 0",      "writeDouble 1",     "writeDouble 1",      "writeDouble 1",
                              "writeInt32 3",       "writeDouble 1",     "writeDouble 0.5",    "writeDouble 1",
                              "writeDouble 0.25",   "writeDouble 0.125", "writeBool 0"}},
        {"FitSpline",
         [] {
             AcGePoint3dArray fit;
             fit.append(AcGePoint3d(0, 0, 0));
             fit.append(AcGePoint3d(4, 0, 0));
             return new AcDbSpline(fit, AcGeVector3d(1, 0, 0), AcGeVector3d(0, 1, 0), 2, 0.5);
         },
         // The NURBS data the host makes of two fit points at degree 1: the points themselves.
         kCurveHeader + Calls{"writeUInt32 1",      "writeInt32 1",    "writeBoolean 0",     "writeBoolean 0",
                              "writeBoolean 0",     "writeInt32 2",    "writePoint3d 0,0,0", "writePoint3d 4,0,0",
                              "writeInt32 4",       "writeDouble 0",   "writeDouble 0",      "writeDouble 1",
                              "writeDouble 1",      "writeInt32 0",    "writeDouble 0",      "writeDouble 0",
                              "writeBool 1",        "writeInt32 2",    "writePoint3d 0,0,0", "writePoint3d 4,0,0",
                              "writeInt32 1",       "writeDouble 0.5", "writeBoolean 1",     "writeVector3d 1,0,0",
                              "writeVector3d 0,1,0"}},
        {"Polyline",
         [] {
             auto* polyline = new AcDbPolyline;
             polyline->addVertexAt(0, AcGePoint2d(0, 0), 0.5, 0.125, 0.25);
             polyline->addVertexAt(1, AcGePoint2d(3, 0), 0.0, 0.375, 0.75);
             polyline->setThickness(1.0);
             polyline->setClosed(Adesk::kTrue);
             polyline->setElevation(2.0);
             return polyline;
         },
         kCurveHeader + Calls{"writeUInt32 1", "writeInt32 2", "writePoint2d 0,0", "writeDouble 0.5",
                              "writeDouble 0.125", "writeDouble 0.25", "writePoint2d 3,0", "writeDouble 0",
                              "writeDouble 0.375", "writeDouble 0.75", "writeDouble 1", "writeBool 1", "writeDouble 2",
                              "writeVector3d 0,0,1"}},
        {"Polyline2d",
         [] {
             auto* polyline = new AcDb2dPolyline;
             polyline->setDefaultStartWidth(0.25);
             polyline->setDefaultEndWidth(0.5);
             polyline->setThickness(0.75);
             polyline->setElevation(1.5);
             polyline->setLinetypeGenerationOff();
             polyline->makeClosed();
             auto* vertex = new AcDb2dVertex(AcGePoint3d(1, 2, 0), 0.125, 0.375, 0.625, 0.0);
             vertex->setColorIndex(3);
             // Stored as it is and never looked up, so an id without an object serves.
             AcDbObjectId material;
             vertex->setMaterial(material.setFromOldId(0x40));
             polyline->appendVertex(vertex);
             vertex->close();
             return polyline;
         },
         polyline2dStream("40"), polyline2dStream("0")},
        {"Polyline3d",
         [] {
             AcGePoint3dArray points;
             points.append(AcGePoint3d(0, 0, 0));
             points.append(AcGePoint3d(4, 0, 1));
             return new AcDb3dPolyline(AcDb::k3dSimplePoly, points, Adesk::kTrue);
         },
         kCurveHeader + Calls{"writeUInt32 1", "writeUInt8 0", "writeBoolean 1", "writeUInt32 2", "writePoint3d 0,0,0",
                              "writeUInt8 0", "writePoint3d 4,0,1", "writeUInt8 0"}},
        {"Leader",
         [] {
             auto* leader = new AcDbLeader;
             leader->appendVertex(AcGePoint3d(0, 0, 0));
             leader->appendVertex(AcGePoint3d(2, 2, 0));
             leader->disableArrowHead();
             leader->setDimasz(0.75);
             AcCmColor color;
             color.setColorIndex(5);
             leader->setDimclrd(color);
             leader->setDimgap(0.125);
             leader->setDimlwd(AcDb::kLnWt050);
             leader->setDimsah(true);
             leader->setDimscale(2.0);
             leader->setDimtad(1);
             leader->setDimtxt(0.5);
             return leader;
         },
         kCurveHeader + Calls{"writeUInt32 1", "writeInt32 2", "writePoint3d 0,0,0", "writePoint3d 2,2,0",
                              "writeBoolean 0", "writeDouble 0.75", "writeUInt16 5", "writeDouble 0.125",
                              "writeInt32 50", "writeHardPointerId #0", "writeBool 1", "writeDouble 2", "writeInt32 1",
                              "writeHardPointerId #0", "writeDouble 0.5", "writeHardPointerId #0"}},
        {"Point",
         [] {
             auto* point = new AcDbPoint(AcGePoint3d(3, 4, 5));
             point->setThickness(0.25);
             point->setEcsRotation(0.75);
             return point;
         },
         kEntityHeader + Calls{"writeUInt32 1", "writePoint3d 3,4,5", "writeDouble 0.25", "writeVector3d 0,0,1",
                               "writeDouble 0.75"}},
        {"Solid",
         [] {
             auto* solid =
                 new AcDbSolid(AcGePoint3d(0, 0, 0), AcGePoint3d(1, 0, 0), AcGePoint3d(0, 1, 0), AcGePoint3d(1, 1, 0));
             solid->setThickness(0.5);
             return solid;
         },
         kEntityHeader + Calls{"writeUInt32 1", "writeVector3d 0,0,1", "writeDouble 0.5", "writeUInt32 4",
                               "writePoint3d 0,0,0", "writePoint3d 1,0,0", "writePoint3d 0,1,0", "writePoint3d 1,1,0"}},
        {"Trace",
         [] {
             auto* trace =
                 new AcDbTrace(AcGePoint3d(0, 0, 0), AcGePoint3d(2, 0, 0), AcGePoint3d(0, 2, 0), AcGePoint3d(2, 2, 0));
             trace->setThickness(0.25);
             return trace;
         },
         kEntityHeader + Calls{"writeUInt32 1", "writeVector3d 0,0,1", "writeDouble 0.25", "writeUInt32 4",
                               "writePoint3d 0,0,0", "writePoint3d 2,0,0", "writePoint3d 0,2,0", "writePoint3d 2,2,0"}},
        {"Text", [] { return plainText(new AcDbText); }, kTextStream},
        // An attribute definition has no stream of its own: it is written as its text.
        {"AttributeDefinition", [] { return plainText(new AcDbAttributeDefinition); }, kTextStream},
        {"MText",
         [] {
             auto* m = new AcDbMText;
             m->setAttachment(AcDbMText::kMiddleCenter);
             m->setBackgroundFill(true);
             AcCmColor color;
             color.setColorIndex(5);
             m->setBackgroundFillColor(color);
             m->setBackgroundScaleFactor(1.25);
             m->setCastShadows(true);
             m->setContents(L"first\\Psecond");
             m->setLocation(AcGePoint3d(2, 3, 0));
             m->setTextHeight(1.5);
             m->setWidth(20.0);
             m->setHeight(7.5);
             return m;
         },
         kEntityHeader + Calls{"writeUInt32 1", "writeUInt8 5", "writeBool 1", "writeUInt32 3271557125",
                               "writeDouble 1.25", "writeUInt32 0", "writeBool 1", "writeString first\\Psecond",
                               "writeVector3d 0,0,1", "writeVector3d 1,0,0", "writePoint3d 2,3,0", "writeDouble 0",
                               "writeDouble 1.5", "writeHardPointerId #0", "writeDouble 20", "writeDouble 7.5"}},
        {"BlockReference",
         [] {
             auto* reference = new AcDbBlockReference;
             reference->setPosition(AcGePoint3d(1, 2, 3));
             reference->setScaleFactors(AcGeScale3d(2, 3, 4));
             auto* attribute = plainText(new AcDbAttribute);
             attribute->setTag(L"NO");
             attribute->setLockPositionInBlock(true);
             attribute->setInvisible(false);
             reference->appendAttribute(attribute);
             attribute->close();
             return reference;
         },
         kEntityHeader + Calls{"writeUInt32 1", "writeHardPointerId #0", "writePoint3d 1,2,3", "writeScale3d 2,3,4",
                               "writeDouble 0", "writeVector3d 0,0,1",   "writeDouble 2",      "writeDouble 0",
                               "writeDouble 0", "writeDouble 1",         "writeDouble 0",      "writeDouble 3",
                               "writeDouble 0", "writeDouble 2",         "writeDouble 0",      "writeDouble 0",
                               "writeDouble 4", "writeDouble 3",         "writeDouble 0",      "writeDouble 0",
                               "writeDouble 0", "writeDouble 1",         "writeUInt32 1"} +
             kTextStream + Calls{"writeUInt32 1", "writeString NO", "writeBool 1", "writeBoolean 0"}},
        {"PatternHatch",
         [] {
             auto* hatch = new AcDbHatch;
             hatch->setPattern(AcDbHatch::kPreDefined, L"ANSI31");
             hatch->setGradientOneColorMode(Adesk::kTrue);
             return hatchCommon(hatch);
         },
         kEntityHeader + Calls{"writeUInt32 2",     "writeDouble 1.5",   "writeVector3d 0,0,1", "writeUInt8 0",
                               "writeUInt8 0",      "writeString ",      "writeDouble 0.75",    "writeBoolean 1",
                               "writeDouble 0.5",   "writeDouble 0.25",  "writeUInt8 1",        "writeString ANSI31",
                               "writeDouble 0.125", "writeDouble 0.375", "writeDouble 2",       "writeDouble 1",
                               "writeUInt8 1",      "writeBool 0",       "writeBool 1",         "writeUInt32 1"} +
             kSquareLoop + Calls{"writePoint2d 3,4"}},
        {"GradientHatch",
         [] {
             auto* hatch = new AcDbHatch;
             hatch->setHatchObjectType(AcDbHatch::kGradientObject);
             hatch->setGradient(AcDbHatch::kPreDefinedGradient, L"CYLINDER");
             hatch->setGradientOneColorMode(Adesk::kFalse);
             AcCmColor colors[2];
             colors[0].setColorIndex(1);
             colors[1].setColorIndex(5);
             const float values[2] = {0.0f, 1.0f};
             hatch->setGradientColors(2, colors, values);
             hatch->setPattern(AcDbHatch::kUserDefined, L"SOLID");
             return hatchCommon(hatch);
         },
         kEntityHeader + Calls{"writeUInt32 2",     "writeDouble 1.5",      "writeVector3d 0,0,1", "writeUInt8 1",
                               "writeUInt8 0",      "writeString CYLINDER", "writeDouble 0.75",    "writeBoolean 0",
                               "writeUInt32 2",     "writeUInt16 1",        "writeDouble 0",       "writeUInt16 5",
                               "writeDouble 1",     "writeDouble 0.5",      "writeDouble 0.25",    "writeUInt8 0",
                               "writeString SOLID", "writeDouble 0.125",    "writeDouble 0.375",   "writeDouble 2",
                               "writeDouble 1",     "writeUInt8 1",         "writeBool 0",         "writeBool 1",
                               "writeUInt32 1"} +
             kSquareLoop + Calls{"writePoint2d 3,4"}},
        {"RotatedDimension",
         [] {
             return withCommonValues(
                 new AcDbRotatedDimension(0.375, AcGePoint3d(0, 0, 0), AcGePoint3d(8, 0, 0), AcGePoint3d(4, 3, 0)));
         },
         kDimensionStream + Calls{"writeUInt32 1", "writePoint3d 0,0,0", "writePoint3d 8,0,0", "writePoint3d 4,3,0",
                                  "writeDouble 0.375"},
         kDimensionStreamRead + Calls{"writeUInt32 1", "writePoint3d 0,0,0", "writePoint3d 8,0,0", "writePoint3d 4,3,0",
                                      "writeDouble 0.375"}},
        {"AlignedDimension",
         [] {
             auto* d = withCommonValues(
                 new AcDbAlignedDimension(AcGePoint3d(0, 0, 0), AcGePoint3d(6, 2, 0), AcGePoint3d(3, 5, 0)));
             d->setOblique(0.625);
             return d;
         },
         kDimensionStream + Calls{"writeUInt32 1", "writePoint3d 0,0,0", "writePoint3d 6,2,0", "writePoint3d 3,5,0",
                                  "writeDouble 0.625"},
         kDimensionStreamRead + Calls{"writeUInt32 1", "writePoint3d 0,0,0", "writePoint3d 6,2,0", "writePoint3d 3,5,0",
                                      "writeDouble 0.625"}},
        {"ThreePointAngularDimension",
         [] {
             auto* d = withCommonValues(new AcDb3PointAngularDimension);
             d->setArcPoint(AcGePoint3d(3, 3, 0));
             d->setXLine1Point(AcGePoint3d(5, 0, 0));
             d->setXLine2Point(AcGePoint3d(0, 5, 0));
             d->setCenterPoint(AcGePoint3d(0, 0, 1));
             return d;
         },
         kDimensionStream + Calls{"writeUInt32 1", "writePoint3d 3,3,0", "writePoint3d 5,0,0", "writePoint3d 0,5,0",
                                  "writePoint3d 0,0,1"},
         kDimensionStreamRead + Calls{"writeUInt32 1", "writePoint3d 3,3,0", "writePoint3d 5,0,0", "writePoint3d 0,5,0",
                                      "writePoint3d 0,0,1"}},
        {"TwoLineAngularDimension",
         [] {
             auto* d = withCommonValues(new AcDb2LineAngularDimension);
             d->setArcPoint(AcGePoint3d(4, 2, 0));
             d->setXLine1Start(AcGePoint3d(0, 0, 0));
             d->setXLine1End(AcGePoint3d(5, 0, 0));
             d->setXLine2Start(AcGePoint3d(0, 1, 0));
             d->setXLine2End(AcGePoint3d(4, 4, 0));
             return d;
         },
         kDimensionStream + Calls{"writeUInt32 1", "writePoint3d 4,2,0", "writePoint3d 0,0,0", "writePoint3d 5,0,0",
                                  "writePoint3d 0,1,0", "writePoint3d 4,4,0"},
         kDimensionStreamRead + Calls{"writeUInt32 1", "writePoint3d 4,2,0", "writePoint3d 0,0,0", "writePoint3d 5,0,0",
                                      "writePoint3d 0,1,0", "writePoint3d 4,4,0"}},
        {"RadialDimension",
         [] { return withCommonValues(new AcDbRadialDimension(AcGePoint3d(1, 1, 0), AcGePoint3d(4, 5, 0), 2.0)); },
         kDimensionStream + Calls{"writeUInt32 1", "writeDouble 2", "writePoint3d 1,1,0", "writePoint3d 4,5,0"},
         kDimensionStreamRead + Calls{"writeUInt32 1", "writeDouble 2", "writePoint3d 1,1,0", "writePoint3d 4,5,0"}},
        {"DiametricDimension",
         [] { return withCommonValues(new AcDbDiametricDimension(AcGePoint3d(3, 0, 0), AcGePoint3d(-3, 0, 0), 1.25)); },
         kDimensionStream + Calls{"writeUInt32 1", "writeDouble 1.25", "writePoint3d 3,0,0", "writePoint3d -3,0,0"},
         kDimensionStreamRead +
             Calls{"writeUInt32 1", "writeDouble 1.25", "writePoint3d 3,0,0", "writePoint3d -3,0,0"}},
        {"OrdinateDimension",
         [] {
             auto* d = withCommonValues(new AcDbOrdinateDimension);
             d->useYAxis();
             d->setOrigin(AcGePoint3d(1, 1, 0));
             d->setDefiningPoint(AcGePoint3d(5, 7, 0));
             d->setLeaderEndPoint(AcGePoint3d(9, 7, 0));
             return d;
         },
         kDimensionStream + Calls{"writeUInt32 1", "writeBoolean 0", "writeBoolean 1", "writePoint3d 1,1,0",
                                  "writePoint3d 5,7,0", "writePoint3d 9,7,0"},
         kDimensionStreamRead + Calls{"writeUInt32 1", "writeBoolean 0", "writeBoolean 1", "writePoint3d 1,1,0",
                                      "writePoint3d 5,7,0", "writePoint3d 9,7,0"}},
    };
}

class RecordStreamLayoutTest : public ::testing::TestWithParam<LayoutCase> {};

TEST_P(RecordStreamLayoutTest, WritingGivesTheStoredLayout)
{
    const std::unique_ptr<AcDbEntity> entity(GetParam().make());
    MemoryDwgFiler filer;
    ASSERT_EQ(Acad::eOk, writeEntityData(entity.get(), &filer));
    EXPECT_EQ(GetParam().layout, filer.calls());
}

TEST_P(RecordStreamLayoutTest, ReadingTheStoredLayoutGivesItBack)
{
    const std::unique_ptr<AcDbEntity> model(GetParam().make());
    MemoryDwgFiler stored;
    replay(GetParam().layout, stored);
    stored.rewind();
    const std::unique_ptr<AcDbEntity> target(static_cast<AcDbEntity*>(model->isA()->create()));
    ASSERT_EQ(Acad::eOk, readEntityData(target.get(), &stored));
    EXPECT_EQ(0U, stored.unreadCount());
    MemoryDwgFiler again;
    ASSERT_EQ(Acad::eOk, writeEntityData(target.get(), &again));
    EXPECT_EQ(GetParam().reread.empty() ? GetParam().layout : GetParam().reread, again.calls());
}

INSTANTIATE_TEST_SUITE_P(Records, RecordStreamLayoutTest, ::testing::ValuesIn(cases()),
                         [](const ::testing::TestParamInfo<LayoutCase>& info) { return info.param.name; });

} // namespace
