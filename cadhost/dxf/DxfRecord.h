// One record of a DXF file: the name of its group 0 ("LINE", "LAYER", "SECTION", ...) and the groups
// that follow it, in file order.
#pragma once

#include "gepnt3d.h"
#include "gevec3d.h"

#include <cstddef>
#include <string>
#include <vector>

namespace cadhost::dxf {

struct DxfGroup {
    int code = 0;
    std::string value;
};

class DxfRecord {
public:
    DxfRecord() = default;
    explicit DxfRecord(std::string type) : m_type(std::move(type)) {}

    const std::string& type() const { return m_type; }
    const std::vector<DxfGroup>& groups() const { return m_groups; }
    void add(int code, std::string value) { m_groups.push_back({code, std::move(value)}); }

    bool has(int code) const;
    // The value of the first group with the code, or the fallback when there is none.
    std::string text(int code, const std::string& fallback = {}) const;
    int integer(int code, int fallback = 0) const;
    double real(int code, double fallback = 0.0) const;
    // The point whose x has the code; y and z have code + 10 and code + 20.
    AcGePoint3d point(int code, const AcGePoint3d& fallback = AcGePoint3d::kOrigin) const;
    AcGeVector3d vector(int code, const AcGeVector3d& fallback) const;
    // Every value of the code, in file order.
    std::vector<double> reals(int code) const;
    std::vector<AcGePoint3d> points(int code) const;

private:
    std::string m_type;
    std::vector<DxfGroup> m_groups;
};

// Reads a record's groups in order, for the parts of a record whose meaning depends on the groups
// before them (hatch boundaries, polyline vertices).
class DxfCursor {
public:
    explicit DxfCursor(const DxfRecord& record) : m_groups(record.groups()) {}

    bool done() const { return m_index >= m_groups.size(); }
    int code() const { return m_groups[m_index].code; }
    // Moves to the next group with the code; false (at the end) when there is none.
    bool seek(int code);
    // The current group's value when it has the code, which is then consumed; else the fallback.
    double real(int code, double fallback = 0.0);
    int integer(int code, int fallback = 0);
    std::string text(int code);
    AcGePoint3d point(int code);
    void skip() { ++m_index; }

private:
    const std::vector<DxfGroup>& m_groups;
    std::size_t m_index = 0;
};

// Numbers as DXF writes them; the value must be finite and within the range a drawing can hold.
bool parseReal(const std::string& value, double& result);
bool parseInteger(const std::string& value, long long& result);

} // namespace cadhost::dxf
