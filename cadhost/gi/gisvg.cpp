#include "gisvg.h"

#include "codepage.h"
#include "nativepath.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <limits>
#include <numbers>

namespace {
constexpr Adesk::UInt16 kForegroundIndex = 7;
constexpr Adesk::UInt32 kSheetColor = 0xFFFFFF;
constexpr Adesk::UInt32 kForegroundOnSheet = 0x000000;
// Lineweights are in hundredths of a millimetre; 0.25 mm draws one pixel wide.
constexpr double kLineWeightPerPixel = 25.0;
// Segments for circles and arcs that do not lie in the XY plane and show as ellipses.
constexpr int kCurveSegments = 72;
// Margin around drawing extents, as a share of their size.
constexpr double kExtentsMargin = 0.02;

std::string number(double value)
{
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.6f", value);
    std::string text = buffer;
    text.erase(text.find_last_not_of('0') + 1);
    if (text.back() == '.')
        text.pop_back();
    return text == "-0" ? "0" : text;
}

std::string hexColor(Adesk::UInt32 rgb)
{
    char buffer[8];
    std::snprintf(buffer, sizeof buffer, "#%06x", static_cast<unsigned>(rgb & 0xFFFFFF));
    return buffer;
}

std::string escaped(const std::wstring& text)
{
    std::string out;
    for (char c : cadhost::toUtf8(text)) {
        switch (c) {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        case '"':
            out += "&quot;";
            break;
        default:
            out += c;
        }
    }
    return out;
}

double degrees(double radians)
{
    return radians * 180.0 / std::numbers::pi;
}

bool liesInPlan(const AcGeVector3d& normal)
{
    return std::abs(std::abs(normal.z) - 1.0) < 1e-9;
}

struct Box {
    double minX = 0.0;
    double minY = 0.0;
    double maxX = 1.0;
    double maxY = 1.0;
    double width() const { return maxX - minX; }
    double height() const { return maxY - minY; }
};

Box viewBox(const AcGiRecording& recording)
{
    if (recording.hasWindow && recording.windowMax.x > recording.windowMin.x &&
        recording.windowMax.y > recording.windowMin.y)
        return {recording.windowMin.x, recording.windowMin.y, recording.windowMax.x, recording.windowMax.y};
    const AcDbExtents extents = recording.visibleExtents();
    if (extents.isEmpty())
        return {};
    Box box{extents.minPoint().x, extents.minPoint().y, extents.maxPoint().x, extents.maxPoint().y};
    const double size = std::max({box.width(), box.height(), 1e-6});
    const double margin = size * kExtentsMargin;
    const double padX = margin + (box.width() == 0.0 ? size / 2 : 0.0);
    const double padY = margin + (box.height() == 0.0 ? size / 2 : 0.0);
    return {box.minX - padX, box.minY - padY, box.maxX + padX, box.maxY + padY};
}

class SvgBuilder {
public:
    explicit SvgBuilder(const AcGiRecording& recording)
        : m_recording(recording), m_box(viewBox(recording)),
          m_unitsPerPixel(std::max(m_box.width(), m_box.height()) / kAcGiSvgPixelSize)
    {
    }

    std::string build()
    {
        const double scale = kAcGiSvgPixelSize / std::max(m_box.width(), m_box.height());
        const long widthPx = std::max(1L, std::lround(m_box.width() * scale));
        const long heightPx = std::max(1L, std::lround(m_box.height() * scale));
        m_out = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
        m_out += "<svg xmlns=\"http://www.w3.org/2000/svg\" version=\"1.1\" width=\"" + std::to_string(widthPx) +
                 "\" height=\"" + std::to_string(heightPx) + "\" viewBox=\"" + number(m_box.minX) + " " +
                 number(-m_box.maxY) + " " + number(m_box.width()) + " " + number(m_box.height()) + "\">\n";
        m_out += "<rect x=\"" + number(m_box.minX) + "\" y=\"" + number(-m_box.maxY) + "\" width=\"" +
                 number(m_box.width()) + "\" height=\"" + number(m_box.height()) + "\" fill=\"" +
                 hexColor(kSheetColor) + "\"/>\n";
        clipPaths();
        m_out += "<g fill=\"none\" stroke-linecap=\"round\" stroke-linejoin=\"round\">\n";
        int openViewport = -1;
        for (const AcGiPrimitive& primitive : m_recording.primitives) {
            if (!m_recording.isVisible(primitive))
                continue;
            if (primitive.viewport != openViewport) {
                if (openViewport >= 0 && isClipped(openViewport))
                    m_out += "</g>\n";
                openViewport = primitive.viewport;
                if (isClipped(openViewport))
                    m_out += "<g clip-path=\"url(#vp" + std::to_string(openViewport) + ")\">\n";
            }
            write(primitive);
        }
        if (openViewport >= 0 && isClipped(openViewport))
            m_out += "</g>\n";
        m_out += "</g>\n</svg>\n";
        return std::move(m_out);
    }

private:
    bool isClipped(int viewport) const
    {
        return viewport >= 0 && static_cast<std::size_t>(viewport) < m_recording.viewports.size() &&
               m_recording.viewports[static_cast<std::size_t>(viewport)].clipped;
    }

    void clipPaths()
    {
        std::string defs;
        for (std::size_t i = 0; i < m_recording.viewports.size(); ++i) {
            const AcGiRecordedViewport& viewport = m_recording.viewports[i];
            if (!viewport.clipped)
                continue;
            defs += "<clipPath id=\"vp" + std::to_string(i) + "\"><rect x=\"" + number(viewport.clipMin.x) + "\" y=\"" +
                    number(-viewport.clipMax.y) + "\" width=\"" + number(viewport.clipMax.x - viewport.clipMin.x) +
                    "\" height=\"" + number(viewport.clipMax.y - viewport.clipMin.y) + "\"/></clipPath>\n";
        }
        if (!defs.empty())
            m_out += "<defs>\n" + defs + "</defs>\n";
    }

    static std::string point(const AcGePoint3d& p) { return number(p.x) + "," + number(-p.y); }

    std::string color(const AcGiPrimitive& primitive) const
    {
        if (!primitive.color.isByColor() && primitive.color.colorIndex() == kForegroundIndex)
            return hexColor(kForegroundOnSheet);
        return hexColor(primitive.rgb());
    }

    std::string stroke(const AcGiPrimitive& primitive) const
    {
        const double pixels = primitive.lineWeight > 0
                                  ? std::max(1.0, static_cast<double>(primitive.lineWeight) / kLineWeightPerPixel)
                                  : 1.0;
        return " stroke=\"" + color(primitive) + "\" stroke-width=\"" + number(pixels * m_unitsPerPixel) + "\"";
    }

    void points(const char* element, const std::vector<AcGePoint3d>& vertices, const std::string& attributes)
    {
        m_out += "<";
        m_out += element;
        m_out += " points=\"";
        for (std::size_t i = 0; i < vertices.size(); ++i) {
            if (i > 0)
                m_out += ' ';
            m_out += point(vertices[i]);
        }
        m_out += "\"" + attributes + "/>\n";
    }

    std::vector<AcGePoint3d> sampled(const AcGiPrimitive& primitive, double sweep) const
    {
        std::vector<AcGePoint3d> samples;
        for (int i = 0; i <= kCurveSegments; ++i)
            samples.push_back(primitive.arcPoint(sweep * i / kCurveSegments));
        return samples;
    }

    void circle(const AcGiPrimitive& primitive)
    {
        if (liesInPlan(primitive.normal)) {
            m_out += "<circle cx=\"" + number(primitive.center.x) + "\" cy=\"" + number(-primitive.center.y) +
                     "\" r=\"" + number(primitive.radius) + "\"" + stroke(primitive) + "/>\n";
            return;
        }
        points("polygon", sampled(primitive, 2.0 * std::numbers::pi), stroke(primitive));
    }

    void arc(const AcGiPrimitive& primitive)
    {
        const double sweep = primitive.sweepAngle;
        if (std::abs(sweep) >= 2.0 * std::numbers::pi - 1e-12) {
            circle(primitive);
            return;
        }
        if (!liesInPlan(primitive.normal)) {
            points("polyline", sampled(primitive, sweep), stroke(primitive));
            return;
        }
        // Counter-clockwise in the drawing is clockwise once y points down.
        const bool counterClockwise = (sweep > 0.0) == (primitive.normal.z > 0.0);
        const AcGePoint3d start = primitive.arcPoint(0.0);
        const AcGePoint3d end = primitive.arcPoint(sweep);
        m_out += "<path d=\"M " + point(start) + " A " + number(primitive.radius) + " " + number(primitive.radius) +
                 " 0 " + (std::abs(sweep) > std::numbers::pi ? "1" : "0") + " " + (counterClockwise ? "0" : "1") + " " +
                 point(end) + "\"" + stroke(primitive) + "/>\n";
    }

    void text(const AcGiPrimitive& primitive)
    {
        std::string transform = "translate(" + number(primitive.position.x) + " " + number(-primitive.position.y) +
                                ") rotate(" + number(-degrees(primitive.rotation())) + ")";
        const double mirror = primitive.normal.z < 0.0 ? -1.0 : 1.0;
        if (primitive.widthFactor != 1.0 || mirror != 1.0)
            transform += " scale(" + number(primitive.widthFactor) + " " + number(mirror) + ")";
        if (primitive.oblique != 0.0)
            transform += " skewX(" + number(-degrees(primitive.oblique)) + ")";
        m_out += "<text x=\"0\" y=\"0\" font-size=\"" + number(primitive.height) +
                 "\" font-family=\"sans-serif\" xml:space=\"preserve\" stroke=\"none\" fill=\"" + color(primitive) +
                 "\" transform=\"" + transform + "\">" + escaped(primitive.text) + "</text>\n";
    }

    // An infinite line (or a ray from its first point) cut to the view box.
    void line(const AcGiPrimitive& primitive, bool fromOrigin)
    {
        if (primitive.points.size() < 2)
            return;
        const AcGePoint3d& origin = primitive.points[0];
        const AcGeVector3d direction = primitive.points[1] - origin;
        double low = fromOrigin ? 0.0 : -std::numeric_limits<double>::infinity();
        double high = std::numeric_limits<double>::infinity();
        const double starts[] = {origin.x, origin.y};
        const double steps[] = {direction.x, direction.y};
        const double mins[] = {m_box.minX, m_box.minY};
        const double maxs[] = {m_box.maxX, m_box.maxY};
        for (int axis = 0; axis < 2; ++axis) {
            if (steps[axis] == 0.0) {
                if (starts[axis] < mins[axis] || starts[axis] > maxs[axis])
                    return;
                continue;
            }
            double enter = (mins[axis] - starts[axis]) / steps[axis];
            double leave = (maxs[axis] - starts[axis]) / steps[axis];
            if (enter > leave)
                std::swap(enter, leave);
            low = std::max(low, enter);
            high = std::min(high, leave);
        }
        if (!(low < high) || std::isinf(low) || std::isinf(high))
            return;
        points("polyline", {origin + direction * low, origin + direction * high}, stroke(primitive));
    }

    void write(const AcGiPrimitive& primitive)
    {
        switch (primitive.kind) {
        case AcGiPrimitiveKind::kPolyline:
            points("polyline", primitive.points, stroke(primitive));
            break;
        case AcGiPrimitiveKind::kPolygon:
            points("polygon", primitive.points,
                   stroke(primitive) +
                       (primitive.fillType == kAcGiFillAlways ? " fill=\"" + color(primitive) + "\"" : std::string()));
            break;
        case AcGiPrimitiveKind::kCircle:
            circle(primitive);
            break;
        case AcGiPrimitiveKind::kArc:
            arc(primitive);
            break;
        case AcGiPrimitiveKind::kText:
            text(primitive);
            break;
        case AcGiPrimitiveKind::kXline:
            line(primitive, false);
            break;
        case AcGiPrimitiveKind::kRay:
            line(primitive, true);
            break;
        }
    }

    const AcGiRecording& m_recording;
    Box m_box;
    double m_unitsPerPixel;
    std::string m_out;
};
} // namespace

std::string acgiSvgDocument(const AcGiRecording& recording)
{
    return SvgBuilder(recording).build();
}

Acad::ErrorStatus acgiWriteSvgFile(const AcGiRecording& recording, const ACHAR* fileName)
{
    if (fileName == nullptr || *fileName == 0)
        return Acad::eInvalidInput;
    std::ofstream file(cadhost::nativePath(fileName), std::ios::binary | std::ios::trunc);
    if (!file)
        return Acad::eFileAccessErr;
    const std::string document = acgiSvgDocument(recording);
    file.write(document.data(), static_cast<std::streamsize>(document.size()));
    file.close();
    return file ? Acad::eOk : Acad::eFileAccessErr;
}
