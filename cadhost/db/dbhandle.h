// The 64-bit database handle.
#pragma once

#include "adesk.h"

#include <cstddef>

class CADHOST_EXPORT AcDbHandle {
public:
    AcDbHandle() = default;
    AcDbHandle(Adesk::UInt64 value) : m_value(value) {} // NOLINT(google-explicit-constructor)
    AcDbHandle(int lo, int hi)
        : m_value((static_cast<Adesk::UInt64>(static_cast<Adesk::UInt32>(hi)) << 32) | static_cast<Adesk::UInt32>(lo))
    {
    }
    // Parses hexadecimal text; text that is not hexadecimal gives the null handle.
    explicit AcDbHandle(const ACHAR* hexText);

    bool isNull() const { return m_value == 0; }
    void setNull() { m_value = 0; }
    Adesk::UInt32 low() const { return static_cast<Adesk::UInt32>(m_value); }
    Adesk::UInt32 high() const { return static_cast<Adesk::UInt32>(m_value >> 32); }
    Adesk::UInt64 value() const { return m_value; }
    operator Adesk::UInt64() const { return m_value; } // NOLINT(google-explicit-constructor)
    AcDbHandle& operator++()
    {
        ++m_value;
        return *this;
    }
    AcDbHandle& operator=(Adesk::UInt64 value)
    {
        m_value = value;
        return *this;
    }
    bool operator==(const AcDbHandle& other) const { return m_value == other.m_value; }
    bool operator<(const AcDbHandle& other) const { return m_value < other.m_value; }

    // Upper-case hexadecimal text without leading zeros ("0" for the null handle), as the host prints it.
    bool getIntoAsciiBuffer(ACHAR* buffer, std::size_t length) const;

private:
    Adesk::UInt64 m_value = 0;
};
