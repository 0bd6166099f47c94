#include "girecorder.h"

#include "dbobjptr.h"

#include <algorithm>
#include <cmath>
#include <cwchar>
#include <cwctype>
#include <numbers>
#include <vector>

namespace {
constexpr Adesk::UInt16 kForegroundIndex = 7;

AcCmColor indexColor(Adesk::UInt16 index)
{
    AcCmColor color;
    color.setColorIndex(index);
    return color;
}

// The special characters of a text string: %%d degree, %%p plus-minus, %%c diameter, %%% percent;
// %%u and %%o (underline and overline switches) draw nothing.
std::wstring expandControlCodes(const std::wstring& text)
{
    struct Code {
        wchar_t letter;
        const wchar_t* replacement;
    };
    static constexpr Code kCodes[] = {{L'd', L"\u00B0"}, {L'p', L"\u00B1"}, {L'c', L"\u2300"},
                                      {L'%', L"%"},      {L'u', L""},       {L'o', L""}};
    std::wstring expanded;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text.compare(i, 2, L"%%") == 0 && i + 2 < text.size()) {
            const wchar_t letter = static_cast<wchar_t>(std::towlower(static_cast<wint_t>(text[i + 2])));
            const Code* code = std::find_if(std::begin(kCodes), std::end(kCodes),
                                            [letter](const Code& candidate) { return candidate.letter == letter; });
            if (code != std::end(kCodes)) {
                expanded += code->replacement;
                i += 2;
                continue;
            }
        }
        expanded += text[i];
    }
    return expanded;
}

class RecorderTraits final : public AcGiDrawableTraits {
public:
    struct State {
        AcCmColor color;
        AcDbObjectId layerId;
        AcDbObjectId linetypeId;
        AcDb::LineWeight lineWeight = AcDb::kLnWtByLayer;
        AcGiFillType fillType = kAcGiFillNever;
    };

    void setColor(Adesk::UInt16 colorIndex) override { m_state.color.setColorIndex(colorIndex); }
    void setTrueColor(const AcCmEntityColor::ColorMethod method, Adesk::UInt32 rgb) override
    {
        AcCmColor color;
        color.setColorMethod(method);
        if (method == AcCmEntityColor::kByColor)
            color.setRGB(static_cast<Adesk::UInt8>(rgb >> 16), static_cast<Adesk::UInt8>(rgb >> 8),
                         static_cast<Adesk::UInt8>(rgb));
        else if (method == AcCmEntityColor::kByACI)
            color.setColorIndex(static_cast<Adesk::UInt16>(rgb));
        m_state.color = color;
    }
    void setTrueColor(const AcCmColor& color) override { m_state.color = color; }
    void setLayer(AcDbObjectId layerId) override { m_state.layerId = layerId; }
    void setLineType(AcDbObjectId linetypeId) override { m_state.linetypeId = linetypeId; }
    void setLineWeight(AcDb::LineWeight lineWeight) override { m_state.lineWeight = lineWeight; }
    void setFillType(AcGiFillType fillType) override { m_state.fillType = fillType; }
    Adesk::UInt16 color() const override { return m_state.color.colorIndex(); }
    AcCmColor trueColor() const override { return m_state.color; }
    AcDbObjectId layerId() const override { return m_state.layerId; }
    AcDbObjectId lineTypeId() const override { return m_state.linetypeId; }
    AcDb::LineWeight lineWeight() const override { return m_state.lineWeight; }
    AcGiFillType fillType() const override { return m_state.fillType; }

    State& state() { return m_state; }

private:
    State m_state;
};

class RecorderContext final : public AcGiContext {
public:
    RecorderContext(const AcGiRecording& recording, AcDbDatabase* database)
        : m_recording(recording), m_database(database)
    {
    }
    Adesk::Boolean isPsOut() const override { return m_recording.psOut; }
    Adesk::Boolean isPlotGeneration() const override { return m_recording.plotGeneration; }
    AcDbDatabase* database() const override { return m_database; }

private:
    const AcGiRecording& m_recording;
    AcDbDatabase* m_database;
};

class RecorderViewport final : public AcGiViewport {
public:
    void getModelToEyeTransform(AcGeMatrix3d& transform) const override { transform = m_spec.modelToOutput; }
    void getCameraLocation(AcGePoint3d& location) const override { location = m_spec.target + AcGeVector3d::kZAxis; }
    void getCameraTarget(AcGePoint3d& target) const override { target = m_spec.target; }
    void getViewportDcCorners(AcGePoint2d& lowerLeft, AcGePoint2d& upperRight) const override
    {
        lowerLeft = m_spec.clipMin;
        upperRight = m_spec.clipMax;
    }
    Adesk::ULongPtr viewportId() const override { return m_spec.id; }

    void setSpec(const AcGiViewportSpec& spec) { m_spec = spec; }

private:
    AcGiViewportSpec m_spec;
};

// The geometry of both draw objects forwards to the recorder.
template <class Base> class RecorderGeometry final : public Base {
public:
    explicit RecorderGeometry(AcGiRecorder::Imp& imp) : m_imp(imp) {}

    Adesk::Boolean circle(const AcGePoint3d& center, double radius, const AcGeVector3d& normal) const override;
    Adesk::Boolean circularArc(const AcGePoint3d& center, double radius, const AcGeVector3d& normal,
                               const AcGeVector3d& startVector, double sweepAngle, AcGiArcType arcType) const override;
    Adesk::Boolean polyline(Adesk::UInt32 count, const AcGePoint3d* vertices, const AcGeVector3d* normal,
                            Adesk::LongPtr subEntityMarker) const override;
    Adesk::Boolean polygon(Adesk::UInt32 count, const AcGePoint3d* vertices) const override;
    Adesk::Boolean text(const AcGePoint3d& position, const AcGeVector3d& normal, const AcGeVector3d& direction,
                        double height, double width, double oblique, const ACHAR* text) const override;
    Adesk::Boolean text(const AcGePoint3d& position, const AcGeVector3d& normal, const AcGeVector3d& direction,
                        const ACHAR* text, Adesk::Int32 length, Adesk::Boolean raw,
                        const AcGiTextStyle& style) const override;
    Adesk::Boolean xline(const AcGePoint3d& first, const AcGePoint3d& second) const override;
    Adesk::Boolean ray(const AcGePoint3d& origin, const AcGePoint3d& through) const override;
    Adesk::Boolean draw(AcGiDrawable* drawable) const override;
    Adesk::Boolean pushModelTransform(const AcGeMatrix3d& transform) override;
    Adesk::Boolean popModelTransform() override;

private:
    AcGiRecorder::Imp& m_imp;
};

template <class Base, class GeometryBase> class RecorderDraw : public Base {
public:
    RecorderDraw(AcGiRecorder::Imp& imp, RecorderTraits& traits, RecorderContext& context)
        : m_traits(traits), m_context(context), m_geometry(imp)
    {
    }
    AcGiRegenType regenType() const override { return kAcGiStandardDisplay; }
    Adesk::Boolean regenAbort() const override { return Adesk::kFalse; }
    AcGiSubEntityTraits& subEntityTraits() const override { return m_traits; }
    AcGiGeometry* rawGeometry() const override { return &m_geometry; }
    Adesk::Boolean isDragging() const override { return Adesk::kFalse; }
    AcGiContext* context() override { return &m_context; }
    double deviation(int, const AcGePoint3d&) const override { return 0.0; }
    GeometryBase& geometry() const override { return m_geometry; }

private:
    RecorderTraits& m_traits;
    RecorderContext& m_context;
    mutable RecorderGeometry<GeometryBase> m_geometry;
};

using RecorderWorldDraw = RecorderDraw<AcGiWorldDraw, AcGiWorldGeometry>;

class RecorderViewportDraw final : public RecorderDraw<AcGiViewportDraw, AcGiViewportGeometry> {
public:
    RecorderViewportDraw(AcGiRecorder::Imp& imp, RecorderTraits& traits, RecorderContext& context,
                         RecorderViewport& viewport, const Adesk::UInt32& sequence)
        : RecorderDraw(imp, traits, context), m_viewport(viewport), m_sequence(sequence)
    {
    }
    AcGiViewport& viewport() const override { return m_viewport; }
    Adesk::UInt32 sequenceNumber() const override { return m_sequence; }

private:
    RecorderViewport& m_viewport;
    const Adesk::UInt32& m_sequence;
};

// The resolved traits of whatever draws a nested drawable, as the ByBlock and layer-"0" reference.
struct Reference {
    AcCmColor color;
    AcDbObjectId layerId;
    AcDb::LineWeight lineWeight = AcDb::kLnWtByLwDefault;
    bool frozen = false;
};

struct ResolvedTraits {
    AcCmColor color;
    AcDbObjectId layerId;
    AcDb::LineWeight lineWeight = AcDb::kLnWtByLwDefault;
    bool insideFrozenReference = false;
    bool layerFrozen = false;
};
} // namespace

class AcGiRecorder::Imp {
public:
    Imp(AcGiRecording& recording, AcDbDatabase* database)
        : m_recording(recording), m_context(recording, database), m_worldDraw(*this, m_traits, m_context),
          m_viewportDraw(*this, m_traits, m_context, m_viewport, m_sequence)
    {
    }

    void beginViewport(const AcGiViewportSpec& spec)
    {
        m_recording.viewports.push_back({spec.id, spec.clipped, spec.clipMin, spec.clipMax});
        m_viewportIndex = static_cast<int>(m_recording.viewports.size()) - 1;
        m_viewport.setSpec(spec);
        m_transforms.assign(1, spec.modelToOutput);
    }

    void drawTopLevel(AcGiDrawable* drawable)
    {
        m_references.clear();
        drawWithOwnTraits(drawable);
    }

    void drawNested(AcGiDrawable* drawable)
    {
        const ResolvedTraits drawer = resolve();
        m_references.push_back(
            {drawer.color, drawer.layerId, drawer.lineWeight, drawer.insideFrozenReference || drawer.layerFrozen});
        drawWithOwnTraits(drawable);
        m_references.pop_back();
    }

    AcGiPrimitive& add(AcGiPrimitiveKind kind)
    {
        ensureViewport();
        const ResolvedTraits resolved = resolve();
        AcGiPrimitive& primitive = m_recording.primitives.emplace_back();
        primitive.kind = kind;
        primitive.color = resolved.color;
        primitive.layerId = resolved.layerId;
        primitive.linetypeId = m_traits.state().linetypeId;
        primitive.lineWeight = resolved.lineWeight;
        primitive.fillType = m_traits.state().fillType;
        primitive.insideFrozenReference = resolved.insideFrozenReference;
        primitive.viewport = m_viewportIndex;
        return primitive;
    }

    const AcGeMatrix3d& transform() const { return m_transforms.back(); }
    void pushTransform(const AcGeMatrix3d& transform) { m_transforms.push_back(m_transforms.back() * transform); }
    bool popTransform()
    {
        if (m_transforms.size() <= 1)
            return false;
        m_transforms.pop_back();
        return true;
    }

    AcGiWorldDraw& worldDraw() { return m_worldDraw; }
    AcGiViewportDraw& viewportDraw() { return m_viewportDraw; }

private:
    void ensureViewport()
    {
        if (m_viewportIndex < 0)
            beginViewport(AcGiViewportSpec{});
    }

    void drawWithOwnTraits(AcGiDrawable* drawable)
    {
        if (drawable == nullptr)
            return;
        const AcDbEntity* entity = AcDbEntity::cast(drawable);
        if (entity != nullptr && entity->visibility() == AcDb::kInvisible)
            return;
        ensureViewport();
        const RecorderTraits::State saved = m_traits.state();
        const std::size_t transformDepth = m_transforms.size();
        m_traits.state() = RecorderTraits::State{};
        drawable->setAttributes(&m_traits);
        if (!drawable->worldDraw(&m_worldDraw)) {
            ++m_sequence;
            drawable->viewportDraw(&m_viewportDraw);
        }
        // A drawable that leaves transforms pushed must not move what is drawn after it.
        m_transforms.resize(transformDepth);
        m_traits.state() = saved;
    }

    const AcGiRecordedLayer* layer(AcDbObjectId layerId)
    {
        if (layerId.isNull())
            return nullptr;
        auto found = m_recording.layers.find(layerId);
        if (found != m_recording.layers.end())
            return &found->second;
        AcDbObjectPointer<AcDbLayerTableRecord> record(layerId, AcDb::kForRead);
        if (record.openStatus() != Acad::eOk)
            return nullptr;
        AcGiRecordedLayer snapshot;
        const ACHAR* name = nullptr;
        if (record->getName(name) == Acad::eOk && name != nullptr)
            snapshot.name = name;
        snapshot.color = record->color();
        snapshot.lineWeight = record->lineWeight();
        snapshot.off = record->isOff();
        snapshot.frozen = record->isFrozen();
        snapshot.plottable = record->isPlottable();
        return &m_recording.layers.emplace(layerId, snapshot).first->second;
    }

    static AcCmColor concreteColor(const AcCmColor& color)
    {
        if (color.isByColor())
            return color;
        if (color.isByACI() && !color.isByLayer() && !color.isByBlock()) {
            const Adesk::UInt16 index = color.colorIndex();
            if (index >= 1 && index <= 255)
                return indexColor(index);
        }
        return indexColor(kForegroundIndex);
    }

    ResolvedTraits resolve()
    {
        const RecorderTraits::State& state = m_traits.state();
        const Reference* reference = m_references.empty() ? nullptr : &m_references.back();
        ResolvedTraits resolved;
        resolved.layerId = state.layerId;
        const AcGiRecordedLayer* onLayer = layer(state.layerId);
        if (reference != nullptr && (onLayer == nullptr || onLayer->name == L"0")) {
            resolved.layerId = reference->layerId;
            onLayer = layer(reference->layerId);
        }
        if (state.color.isByBlock())
            resolved.color = reference != nullptr ? reference->color : indexColor(kForegroundIndex);
        else if (state.color.isByLayer())
            resolved.color = onLayer != nullptr ? concreteColor(onLayer->color) : indexColor(kForegroundIndex);
        else
            resolved.color = concreteColor(state.color);

        if (state.lineWeight == AcDb::kLnWtByLayer)
            resolved.lineWeight = onLayer != nullptr ? onLayer->lineWeight : AcDb::kLnWtByLwDefault;
        else if (state.lineWeight == AcDb::kLnWtByBlock)
            resolved.lineWeight = reference != nullptr ? reference->lineWeight : AcDb::kLnWtByLwDefault;
        else
            resolved.lineWeight = state.lineWeight;
        resolved.insideFrozenReference = reference != nullptr && reference->frozen;
        resolved.layerFrozen = onLayer != nullptr && onLayer->frozen;
        return resolved;
    }

    AcGiRecording& m_recording;
    RecorderTraits m_traits;
    RecorderContext m_context;
    RecorderViewport m_viewport;
    Adesk::UInt32 m_sequence = 0;
    RecorderWorldDraw m_worldDraw;
    RecorderViewportDraw m_viewportDraw;
    std::vector<AcGeMatrix3d> m_transforms{AcGeMatrix3d()};
    std::vector<Reference> m_references;
    int m_viewportIndex = -1;
};

namespace {
// A circle or arc in the plane given by its start direction and normal, carried through the transform.
void setArc(AcGiPrimitive& primitive, const AcGeMatrix3d& transform, const AcGePoint3d& center, double radius,
            const AcGeVector3d& normal, const AcGeVector3d& startVector)
{
    AcGeVector3d along = startVector.isZeroLength() ? normal.perpVector() : startVector.normal();
    AcGeVector3d across = normal.normal().crossProduct(along);
    along = transform * along;
    across = transform * across;
    primitive.center = transform * center;
    primitive.radius = radius * along.length();
    primitive.startVector = along.normal();
    primitive.normal = along.crossProduct(across).normal();
}

void addPoints(AcGiRecorder::Imp& imp, AcGiPrimitiveKind kind, Adesk::UInt32 count, const AcGePoint3d* vertices)
{
    AcGiPrimitive& primitive = imp.add(kind);
    primitive.points.reserve(count);
    for (Adesk::UInt32 i = 0; i < count; ++i)
        primitive.points.push_back(imp.transform() * vertices[i]);
}

Adesk::Boolean addText(AcGiRecorder::Imp& imp, const AcGePoint3d& position, const AcGeVector3d& normal,
                       const AcGeVector3d& direction, double height, double widthFactor, double oblique,
                       std::wstring text)
{
    const AcGeVector3d along = direction.isZeroLength() ? normal.perpVector() : direction.normal();
    const AcGeVector3d up = normal.normal().crossProduct(along);
    const AcGeVector3d alongOut = imp.transform() * along;
    const AcGeVector3d upOut = imp.transform() * (up * height);
    AcGiPrimitive& primitive = imp.add(AcGiPrimitiveKind::kText);
    primitive.text = std::move(text);
    primitive.position = imp.transform() * position;
    primitive.direction = alongOut.normal();
    primitive.height = upOut.length();
    primitive.normal = alongOut.crossProduct(upOut).normal();
    primitive.widthFactor = height > 0.0 && primitive.height > 0.0
                                ? widthFactor * alongOut.length() * height / primitive.height
                                : widthFactor;
    primitive.oblique = oblique;
    return Adesk::kFalse;
}
} // namespace

template <class Base>
Adesk::Boolean RecorderGeometry<Base>::circle(const AcGePoint3d& center, double radius,
                                              const AcGeVector3d& normal) const
{
    AcGiPrimitive& primitive = m_imp.add(AcGiPrimitiveKind::kCircle);
    setArc(primitive, m_imp.transform(), center, radius, normal, normal.perpVector());
    primitive.sweepAngle = 2.0 * std::numbers::pi;
    return Adesk::kFalse;
}

template <class Base>
Adesk::Boolean RecorderGeometry<Base>::circularArc(const AcGePoint3d& center, double radius, const AcGeVector3d& normal,
                                                   const AcGeVector3d& startVector, double sweepAngle,
                                                   AcGiArcType) const
{
    AcGiPrimitive& primitive = m_imp.add(AcGiPrimitiveKind::kArc);
    setArc(primitive, m_imp.transform(), center, radius, normal, startVector);
    primitive.sweepAngle = sweepAngle;
    return Adesk::kFalse;
}

template <class Base>
Adesk::Boolean RecorderGeometry<Base>::polyline(Adesk::UInt32 count, const AcGePoint3d* vertices, const AcGeVector3d*,
                                                Adesk::LongPtr) const
{
    if (count < 2 || vertices == nullptr)
        return Adesk::kFalse;
    addPoints(m_imp, AcGiPrimitiveKind::kPolyline, count, vertices);
    return Adesk::kFalse;
}

template <class Base>
Adesk::Boolean RecorderGeometry<Base>::polygon(Adesk::UInt32 count, const AcGePoint3d* vertices) const
{
    if (count < 3 || vertices == nullptr)
        return Adesk::kFalse;
    addPoints(m_imp, AcGiPrimitiveKind::kPolygon, count, vertices);
    return Adesk::kFalse;
}

template <class Base>
Adesk::Boolean RecorderGeometry<Base>::text(const AcGePoint3d& position, const AcGeVector3d& normal,
                                            const AcGeVector3d& direction, double height, double width, double oblique,
                                            const ACHAR* text) const
{
    if (text == nullptr)
        return Adesk::kFalse;
    return addText(m_imp, position, normal, direction, height, width, oblique, expandControlCodes(text));
}

template <class Base>
Adesk::Boolean RecorderGeometry<Base>::text(const AcGePoint3d& position, const AcGeVector3d& normal,
                                            const AcGeVector3d& direction, const ACHAR* text, Adesk::Int32 length,
                                            Adesk::Boolean raw, const AcGiTextStyle& style) const
{
    if (text == nullptr)
        return Adesk::kFalse;
    std::wstring content(text);
    if (length >= 0 && static_cast<std::size_t>(length) < content.size())
        content.resize(static_cast<std::size_t>(length));
    if (!raw)
        content = expandControlCodes(content);
    return addText(m_imp, position, normal, direction, style.textSize(), style.xScale(), style.obliquingAngle(),
                   std::move(content));
}

template <class Base>
Adesk::Boolean RecorderGeometry<Base>::xline(const AcGePoint3d& first, const AcGePoint3d& second) const
{
    const AcGePoint3d points[] = {first, second};
    addPoints(m_imp, AcGiPrimitiveKind::kXline, 2, points);
    return Adesk::kFalse;
}

template <class Base>
Adesk::Boolean RecorderGeometry<Base>::ray(const AcGePoint3d& origin, const AcGePoint3d& through) const
{
    const AcGePoint3d points[] = {origin, through};
    addPoints(m_imp, AcGiPrimitiveKind::kRay, 2, points);
    return Adesk::kFalse;
}

template <class Base> Adesk::Boolean RecorderGeometry<Base>::draw(AcGiDrawable* drawable) const
{
    m_imp.drawNested(drawable);
    return Adesk::kFalse;
}

template <class Base> Adesk::Boolean RecorderGeometry<Base>::pushModelTransform(const AcGeMatrix3d& transform)
{
    m_imp.pushTransform(transform);
    return Adesk::kTrue;
}

template <class Base> Adesk::Boolean RecorderGeometry<Base>::popModelTransform()
{
    return m_imp.popTransform() ? Adesk::kTrue : Adesk::kFalse;
}

AcGiRecorder::AcGiRecorder(AcGiRecording& recording, AcDbDatabase* database)
    : m_imp(std::make_unique<Imp>(recording, database))
{
}

AcGiRecorder::~AcGiRecorder() = default;

void AcGiRecorder::beginViewport(const AcGiViewportSpec& viewport)
{
    m_imp->beginViewport(viewport);
}

void AcGiRecorder::draw(AcGiDrawable* drawable)
{
    m_imp->drawTopLevel(drawable);
}

AcGiWorldDraw& AcGiRecorder::worldDraw()
{
    return m_imp->worldDraw();
}

AcGiViewportDraw& AcGiRecorder::viewportDraw()
{
    return m_imp->viewportDraw();
}
