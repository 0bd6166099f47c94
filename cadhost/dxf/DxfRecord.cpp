#include "DxfRecord.h"

#include "DxfError.h"

#include <charconv>
#include <cmath>

namespace cadhost::dxf {
namespace {

// Coordinates beyond this are not a drawing but damage; the host's own limit is far below it.
constexpr double kLargestCoordinate = 1e15;

std::string trimmed(const std::string& value)
{
    const auto first = value.find_first_not_of(" \t");
    if (first == std::string::npos)
        return {};
    const auto last = value.find_last_not_of(" \t");
    return value.substr(first, last - first + 1);
}

double realOf(const DxfGroup& group)
{
    double result = 0.0;
    if (!parseReal(group.value, result))
        throw DxfError("group " + std::to_string(group.code) + " holds \"" + group.value +
                       "\", which is not a number a drawing can hold");
    return result;
}

int integerOf(const DxfGroup& group)
{
    long long result = 0;
    if (!parseInteger(group.value, result) || result < -2147483648LL || result > 4294967295LL)
        throw DxfError("group " + std::to_string(group.code) + " holds \"" + group.value + "\", not an integer");
    return static_cast<int>(result);
}

} // namespace

bool parseReal(const std::string& value, double& result)
{
    const std::string text = trimmed(value);
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, result);
    return error == std::errc() && stop == end && !text.empty() && std::isfinite(result) &&
           std::fabs(result) <= kLargestCoordinate;
}

bool parseInteger(const std::string& value, long long& result)
{
    const std::string text = trimmed(value);
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, result);
    return error == std::errc() && stop == end && !text.empty();
}

bool DxfRecord::has(int code) const
{
    for (const DxfGroup& group : m_groups)
        if (group.code == code)
            return true;
    return false;
}

std::string DxfRecord::text(int code, const std::string& fallback) const
{
    for (const DxfGroup& group : m_groups)
        if (group.code == code)
            return group.value;
    return fallback;
}

int DxfRecord::integer(int code, int fallback) const
{
    for (const DxfGroup& group : m_groups)
        if (group.code == code)
            return integerOf(group);
    return fallback;
}

double DxfRecord::real(int code, double fallback) const
{
    for (const DxfGroup& group : m_groups)
        if (group.code == code)
            return realOf(group);
    return fallback;
}

AcGePoint3d DxfRecord::point(int code, const AcGePoint3d& fallback) const
{
    if (!has(code))
        return fallback;
    return {real(code), real(code + 10), real(code + 20)};
}

AcGeVector3d DxfRecord::vector(int code, const AcGeVector3d& fallback) const
{
    if (!has(code))
        return fallback;
    return {real(code), real(code + 10), real(code + 20)};
}

std::vector<double> DxfRecord::reals(int code) const
{
    std::vector<double> values;
    for (const DxfGroup& group : m_groups)
        if (group.code == code)
            values.push_back(realOf(group));
    return values;
}

std::vector<AcGePoint3d> DxfRecord::points(int code) const
{
    // A point's y and z follow its x; a missing z is zero, as in a two-dimensional point.
    std::vector<AcGePoint3d> values;
    for (std::size_t index = 0; index < m_groups.size(); ++index) {
        if (m_groups[index].code != code)
            continue;
        AcGePoint3d point(realOf(m_groups[index]), 0.0, 0.0);
        if (index + 1 < m_groups.size() && m_groups[index + 1].code == code + 10)
            point.y = realOf(m_groups[++index]);
        if (index + 1 < m_groups.size() && m_groups[index + 1].code == code + 20)
            point.z = realOf(m_groups[++index]);
        values.push_back(point);
    }
    return values;
}

bool DxfCursor::seek(int code)
{
    while (!done() && m_groups[m_index].code != code)
        ++m_index;
    return !done();
}

double DxfCursor::real(int code, double fallback)
{
    if (done() || m_groups[m_index].code != code)
        return fallback;
    return realOf(m_groups[m_index++]);
}

int DxfCursor::integer(int code, int fallback)
{
    if (done() || m_groups[m_index].code != code)
        return fallback;
    return integerOf(m_groups[m_index++]);
}

std::string DxfCursor::text(int code)
{
    if (done() || m_groups[m_index].code != code)
        return {};
    return m_groups[m_index++].value;
}

AcGePoint3d DxfCursor::point(int code)
{
    AcGePoint3d point;
    point.x = real(code);
    point.y = real(code + 10);
    point.z = real(code + 20);
    return point;
}

} // namespace cadhost::dxf
