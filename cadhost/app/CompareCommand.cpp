// The script command "compare": draws a source drawing and its protected copy in the source's view, with
// the plug-in loaded so that wrappers draw their entities, leaves out the watermark, and reports every
// primitive that one draws and the other does not, and every one the copy draws in another order. Curves
// match when their outlines lie within a tolerance of each other relative to their size, whatever points
// each outline was sampled at.
#include "CompareDrawings.h"
#include "ScriptCommand.h"
#include "Session.h"

#include "acdocman.h"
#include "codepage.h"
#include "dbdict.h"
#include "dbobjptr.h"
#include "dbsymtb.h"
#include "giregen.h"
#include "nativepath.h"
#include "rxdlinkr.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cwctype>
#include <limits>
#include <map>
#include <memory>
#include <numbers>
#include <string>
#include <vector>

namespace cadhost::app {
namespace {

// Outlines within this share of the larger primitive's size (its extents' diagonal) are the same.
constexpr double kRelativeTolerance = 0.005;
// Circles and arcs are compared as outlines of this many segments per full turn.
constexpr int kSegmentsPerTurn = 256;
// The class of the entity that protection adds on top of the drawing's own content.
constexpr const wchar_t* kWatermarkClass = L"AcDbWatermark";

// A primitive as the comparison sees it: what it is, how it looks, and its outline in the XY plane.
struct Shape {
    std::wstring key; // kind, colour, layer, linetype, lineweight, and a text's string
    std::vector<AcGePoint2d> outline;
    bool closed = false;
    AcGePoint2d min;
    AcGePoint2d max;
    // Text only.
    bool isText = false;
    AcGePoint2d position;
    double rotation = 0.0;
    double height = 0.0;
    double widthFactor = 1.0;
    std::wstring description;

    double size() const { return std::hypot(max.x - min.x, max.y - min.y); }
};

std::wstring symbolName(AcDbObjectId id)
{
    AcDbObjectPointer<AcDbSymbolTableRecord> record(id, AcDb::kForRead);
    if (record.openStatus() != Acad::eOk)
        return {};
    AcString name;
    record->getName(name);
    return name.kwszPtr();
}

std::wstring kindName(AcGiPrimitiveKind kind, bool filled)
{
    switch (kind) {
    case AcGiPrimitiveKind::kText:
        return L"text";
    case AcGiPrimitiveKind::kXline:
        return L"xline";
    case AcGiPrimitiveKind::kRay:
        return L"ray";
    default:
        return filled ? L"fill" : L"curve";
    }
}

std::wstring number(double value)
{
    wchar_t text[64];
    std::swprintf(text, 64, L"%.4g", value);
    return text;
}

std::wstring pointText(const AcGePoint2d& point)
{
    return L"(" + number(point.x) + L"," + number(point.y) + L")";
}

std::vector<AcGePoint2d> outlineOf(const AcGiPrimitive& primitive, bool& closed)
{
    std::vector<AcGePoint2d> outline;
    closed = primitive.kind == AcGiPrimitiveKind::kPolygon;
    if (primitive.kind == AcGiPrimitiveKind::kCircle || primitive.kind == AcGiPrimitiveKind::kArc) {
        const double sweep =
            primitive.kind == AcGiPrimitiveKind::kCircle ? 2.0 * std::numbers::pi : primitive.sweepAngle;
        const int segments =
            std::max(1, static_cast<int>(std::ceil(std::abs(sweep) / (2.0 * std::numbers::pi) * kSegmentsPerTurn)));
        for (int i = 0; i <= segments; ++i) {
            const AcGePoint3d point = primitive.arcPoint(sweep * i / segments);
            outline.emplace_back(point.x, point.y);
        }
        return outline;
    }
    for (const AcGePoint3d& point : primitive.points)
        outline.emplace_back(point.x, point.y);
    return outline;
}

Shape shapeOf(const AcGiRecording& recording, const AcGiPrimitive& primitive)
{
    Shape shape;
    const bool filled = primitive.kind == AcGiPrimitiveKind::kPolygon || primitive.fillType == kAcGiFillAlways;
    const auto layer = recording.layers.find(primitive.layerId);
    const std::wstring layerName = layer != recording.layers.end() ? layer->second.name : std::wstring();
    wchar_t colour[16];
    std::swprintf(colour, 16, L"#%06X", static_cast<unsigned>(primitive.rgb()));
    shape.key = kindName(primitive.kind, filled) + L" colour " + colour + L" layer \"" + layerName + L"\" linetype \"" +
                symbolName(primitive.linetypeId) + L"\" lineweight " +
                std::to_wstring(static_cast<int>(primitive.lineWeight));
    if (primitive.kind == AcGiPrimitiveKind::kText) {
        shape.isText = true;
        shape.key += L" \"" + primitive.text + L"\"";
        shape.position = AcGePoint2d(primitive.position.x, primitive.position.y);
        shape.rotation = primitive.rotation();
        shape.height = primitive.height;
        shape.widthFactor = primitive.widthFactor;
        shape.min = shape.max = shape.position;
        shape.description = shape.key + L" at " + pointText(shape.position) + L" height " + number(shape.height);
        return shape;
    }
    shape.outline = outlineOf(primitive, shape.closed);
    if (shape.outline.empty())
        return shape;
    shape.min = shape.max = shape.outline.front();
    for (const AcGePoint2d& point : shape.outline) {
        shape.min.set(std::min(shape.min.x, point.x), std::min(shape.min.y, point.y));
        shape.max.set(std::max(shape.max.x, point.x), std::max(shape.max.y, point.y));
    }
    shape.description = shape.key + L" of " + std::to_wstring(shape.outline.size()) + L" points from " +
                        pointText(shape.min) + L" to " + pointText(shape.max);
    return shape;
}

double distanceToSegment(const AcGePoint2d& point, const AcGePoint2d& start, const AcGePoint2d& end)
{
    const double dx = end.x - start.x;
    const double dy = end.y - start.y;
    const double lengthSquared = dx * dx + dy * dy;
    double t = 0.0;
    if (lengthSquared > 0.0)
        t = std::clamp(((point.x - start.x) * dx + (point.y - start.y) * dy) / lengthSquared, 0.0, 1.0);
    return std::hypot(point.x - (start.x + t * dx), point.y - (start.y + t * dy));
}

double distanceToOutline(const AcGePoint2d& point, const Shape& shape)
{
    const std::vector<AcGePoint2d>& outline = shape.outline;
    if (outline.size() == 1)
        return std::hypot(point.x - outline[0].x, point.y - outline[0].y);
    double nearest = std::numeric_limits<double>::infinity();
    for (std::size_t i = 0; i + 1 < outline.size(); ++i)
        nearest = std::min(nearest, distanceToSegment(point, outline[i], outline[i + 1]));
    if (shape.closed)
        nearest = std::min(nearest, distanceToSegment(point, outline.back(), outline.front()));
    return nearest;
}

// Every vertex and every segment's midpoint of one outline lies near the other outline.
bool liesAlong(const Shape& from, const Shape& to, double tolerance)
{
    const std::vector<AcGePoint2d>& outline = from.outline;
    for (std::size_t i = 0; i < outline.size(); ++i) {
        if (distanceToOutline(outline[i], to) > tolerance)
            return false;
        if (i + 1 < outline.size()) {
            const AcGePoint2d middle((outline[i].x + outline[i + 1].x) / 2, (outline[i].y + outline[i + 1].y) / 2);
            if (distanceToOutline(middle, to) > tolerance)
                return false;
        }
    }
    return true;
}

bool sameAngle(double a, double b, double tolerance)
{
    const double difference = std::remainder(a - b, 2.0 * std::numbers::pi);
    return std::abs(difference) <= tolerance;
}

bool matches(const Shape& a, const Shape& b, double absoluteTolerance)
{
    if (a.isText) {
        const double tolerance = kRelativeTolerance * std::max(a.height, b.height) + absoluteTolerance;
        return std::abs(a.height - b.height) <= tolerance && std::abs(a.widthFactor - b.widthFactor) <= 1e-6 &&
               sameAngle(a.rotation, b.rotation, 1e-6) &&
               std::hypot(a.position.x - b.position.x, a.position.y - b.position.y) <= tolerance;
    }
    const double tolerance = kRelativeTolerance * std::max(a.size(), b.size()) + absoluteTolerance;
    if (std::abs(a.min.x - b.min.x) > tolerance || std::abs(a.min.y - b.min.y) > tolerance ||
        std::abs(a.max.x - b.max.x) > tolerance || std::abs(a.max.y - b.max.y) > tolerance)
        return false;
    return liesAlong(a, b, tolerance) && liesAlong(b, a, tolerance);
}

// What a drawing shows: the shapes of its visible primitives, the watermark left out.
struct Picture {
    std::vector<Shape> shapes;
    AcGePoint3d viewMin;
    AcGePoint3d viewMax;
};

class DocumentScope {
public:
    explicit DocumentScope(AcApDocument* document) : m_document(document) {}
    DocumentScope(const DocumentScope&) = delete;
    DocumentScope& operator=(const DocumentScope&) = delete;
    ~DocumentScope()
    {
        acDocManager->unlockDocument(m_document);
        acDocManager->closeDocument(m_document);
    }

private:
    AcApDocument* m_document;
};

// Erases, in memory only, the watermark entities of every layout.
Acad::ErrorStatus eraseWatermarks(AcDbDatabase* database)
{
    AcDbBlockTablePointer table(database, AcDb::kForRead);
    if (table.openStatus() != Acad::eOk)
        return table.openStatus();
    AcDbBlockTableIterator* created = nullptr;
    if (const Acad::ErrorStatus status = table->newIterator(created); status != Acad::eOk)
        return status;
    const std::unique_ptr<AcDbBlockTableIterator> records(created);
    for (; !records->done(); records->step()) {
        AcDbObjectId blockId;
        records->getRecordId(blockId);
        AcDbBlockTableRecordPointer block(blockId, AcDb::kForRead);
        if (block.openStatus() != Acad::eOk || !block->isLayout())
            continue;
        for (const AcDbObjectId& entityId : block->entityIds()) {
            AcDbEntityPointer entity(entityId, AcDb::kForWrite);
            if (entity.openStatus() == Acad::eOk && std::wstring(entity->isA()->name()) == kWatermarkClass)
                entity->erase(true);
        }
    }
    return Acad::eOk;
}

// Draws the drawing; in model space within the given view, or its own view when there is none.
Acad::ErrorStatus drawPicture(const std::wstring& file, const CompareOptions& options, const Picture* viewOf,
                              Picture& picture)
{
    Acad::ErrorStatus status = acDocManager->appContextOpenDocument(file.c_str());
    if (status != Acad::eOk)
        return status;
    AcApDocument* document = acDocManager->curDocument();
    acDocManager->lockDocument(document, AcAp::kWrite);
    const DocumentScope scope(document);
    AcDbDatabase* database = document->database();
    if ((status = eraseWatermarks(database)) != Acad::eOk)
        return status;
    AcGiRecording recording;
    recording.plotGeneration = options.plot;
    if (options.layout.empty()) {
        document->getModelView(picture.viewMin, picture.viewMax);
        if (viewOf) {
            picture.viewMin = viewOf->viewMin;
            picture.viewMax = viewOf->viewMax;
        }
        if ((status = database->setTilemode(true)) != Acad::eOk ||
            (status = acgiRegenModelSpace(database, picture.viewMin, picture.viewMax, recording)) != Acad::eOk)
            return status;
    } else {
        AcDbDictionary* layouts = nullptr;
        if ((status = database->getLayoutDictionary(layouts, AcDb::kForRead)) != Acad::eOk)
            return status;
        AcDbObjectId layoutId;
        status = layouts->getAt(options.layout.c_str(), layoutId);
        layouts->close();
        if (status != Acad::eOk || (status = document->setActiveLayout(layoutId)) != Acad::eOk ||
            (status = database->setTilemode(false)) != Acad::eOk ||
            (status = acgiRegenLayout(database, layoutId, recording)) != Acad::eOk)
            return status;
    }
    for (const AcGiPrimitive& primitive : recording.primitives) {
        if (recording.isVisible(primitive))
            picture.shapes.push_back(shapeOf(recording, primitive));
    }
    return Acad::eOk;
}

// Which shapes of two pictures match: each shape matches at most once, the earliest drawn candidate
// first, so that identical shapes pair up in their draw order.
struct Matching {
    std::vector<const Shape*> onlyA;
    std::vector<const Shape*> onlyB;
    // Pairs of matched draw positions, in a's draw order.
    std::vector<std::pair<std::size_t, std::size_t>> pairs;
};

Matching match(const Picture& a, const Picture& b, double absoluteTolerance)
{
    struct Candidate {
        std::size_t index;
        bool used = false;
    };
    std::map<std::wstring, std::vector<Candidate>> candidates;
    for (std::size_t i = 0; i < b.shapes.size(); ++i)
        candidates[b.shapes[i].key].push_back({i});
    Matching matching;
    for (std::size_t i = 0; i < a.shapes.size(); ++i) {
        const Shape& shape = a.shapes[i];
        auto& group = candidates[shape.key];
        const auto found = std::find_if(group.begin(), group.end(), [&](const Candidate& candidate) {
            return !candidate.used && matches(shape, b.shapes[candidate.index], absoluteTolerance);
        });
        if (found == group.end()) {
            matching.onlyA.push_back(&shape);
        } else {
            found->used = true;
            matching.pairs.emplace_back(i, found->index);
        }
    }
    for (const auto& [key, group] : candidates) {
        for (const Candidate& candidate : group) {
            if (!candidate.used)
                matching.onlyB.push_back(&b.shapes[candidate.index]);
        }
    }
    return matching;
}

// The matched pairs outside a longest run that both pictures draw in the same order: the fewest
// primitives whose draw order would have to change for both to draw in one order.
std::vector<std::size_t> drawnOutOfOrder(const std::vector<std::pair<std::size_t, std::size_t>>& pairs)
{
    // Longest increasing subsequence of b's positions (patience sorting), keeping predecessors.
    std::vector<std::size_t> tails;
    std::vector<std::size_t> previous(pairs.size(), pairs.size());
    for (std::size_t i = 0; i < pairs.size(); ++i) {
        const auto place =
            std::lower_bound(tails.begin(), tails.end(), pairs[i].second,
                             [&](std::size_t tail, std::size_t value) { return pairs[tail].second < value; });
        if (place != tails.begin())
            previous[i] = *(place - 1);
        if (place == tails.end())
            tails.push_back(i);
        else
            *place = i;
    }
    std::vector<bool> inOrder(pairs.size(), false);
    for (std::size_t i = tails.empty() ? pairs.size() : tails.back(); i < pairs.size(); i = previous[i])
        inOrder[i] = true;
    std::vector<std::size_t> outOfOrder;
    for (std::size_t i = 0; i < pairs.size(); ++i) {
        if (!inOrder[i])
            outOfOrder.push_back(pairs[i].first);
    }
    return outOfOrder;
}

bool ensurePluginLoaded(Session& session)
{
    const std::wstring module = widePath(session.defaultModule());
    const std::wstring name = widePath(session.defaultModule().filename());
    for (const std::wstring& loaded : acrxDynamicLinker->loadedModules()) {
        if (loaded == module || loaded.ends_with(L"/" + name) || loaded == name)
            return true;
    }
    if (acrxDynamicLinker->loadModule(module.c_str(), false))
        return true;
    session.error(acrxDynamicLinker->lastError());
    return false;
}

} // namespace

bool compareDrawingFiles(Session& session, const std::wstring& sourceFile, const std::wstring& copyFile,
                         const CompareOptions& options)
{
    const std::vector<std::wstring> files{sourceFile, copyFile};
    if (!ensurePluginLoaded(session))
        return false;
    Picture source;
    Picture copy;
    Acad::ErrorStatus status = drawPicture(files[0], options, nullptr, source);
    if (status == Acad::eOk)
        status = drawPicture(files[1], options, &source, copy);
    if (status != Acad::eOk) {
        session.error(L"cannot compare " + files[0] + L" with " + files[1] + L": " + acadErrorStatusText(status));
        return false;
    }
    const double viewSize = std::hypot(source.viewMax.x - source.viewMin.x, source.viewMax.y - source.viewMin.y);
    const Matching matching = match(source, copy, 1e-9 * std::max(viewSize, 1.0));
    const std::vector<std::size_t> outOfOrder = drawnOutOfOrder(matching.pairs);
    std::wstring report;
    for (const Shape* shape : matching.onlyA)
        report += L"only in " + files[0] + L": " + shape->description + L"\n";
    for (const Shape* shape : matching.onlyB)
        report += L"only in " + files[1] + L": " + shape->description + L"\n";
    for (const std::size_t index : outOfOrder)
        report += L"drawn in another order in " + files[1] + L": " + source.shapes[index].description + L"\n";
    const bool alike = matching.onlyA.empty() && matching.onlyB.empty() && outOfOrder.empty();
    report += files[0] + L" and " + files[1] +
              (alike ? L" draw alike (" + std::to_wstring(source.shapes.size()) + L" primitives)\n"
                     : L" differ: " + std::to_wstring(matching.onlyA.size()) + L" primitives only in the source, " +
                           std::to_wstring(matching.onlyB.size()) + L" only in the protected copy, " +
                           std::to_wstring(outOfOrder.size()) + L" drawn in another order\n");
    session.print(report);
    return alike;
}

namespace {
bool compareDrawings(Session& session, const std::vector<std::wstring>& arguments)
{
    std::vector<std::wstring> files;
    CompareOptions options;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        if (arguments[i] == L"--plot") {
            options.plot = true;
        } else if (arguments[i] == L"--layout" && i + 1 < arguments.size()) {
            options.layout = arguments[++i];
            if (std::equal(options.layout.begin(), options.layout.end(), L"Model", L"Model" + 5,
                           [](wchar_t x, wchar_t y) { return std::towupper(x) == std::towupper(y); }))
                options.layout.clear();
        } else if (arguments[i].starts_with(L"--")) {
            session.error(L"compare: unknown option " + arguments[i]);
            return false;
        } else {
            files.push_back(arguments[i]);
        }
    }
    if (files.size() != 2) {
        session.error(L"compare takes a source drawing and its protected copy");
        return false;
    }
    return compareDrawingFiles(session, files[0], files[1], options);
}

const ScriptCommandRegistration compare{
    {L"compare", L"compare SOURCE.dwg PROTECTED.dwg [--layout NAME] [--plot]",
     L"draw a drawing and its protected copy in the source's view without the watermark and list every primitive "
     L"that one draws and the other does not or draws in another order; fails unless they draw alike",
     compareDrawings}};
} // namespace
} // namespace cadhost::app
