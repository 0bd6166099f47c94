// The dimension variables that dimension styles hold and dimensions override: one table, from which
// the stored values, the getters and setters of both classes and their filing are all made.
#pragma once

#include "acdb.h"
#include "dbcolor.h"

#include <bitset>
#include <string>
#include <type_traits>

namespace cadhost {
inline AcCmColor byBlockColor()
{
    AcCmColor color;
    color.setColorIndex(0);
    return color;
}
// Colours pass by reference, the other values by value.
template <class T> using DimVarParam = std::conditional_t<std::is_class_v<T>, const T&, T>;
} // namespace cadhost

// Every value variable: getter name, setter suffix, type, and the value of the host's Standard style.
#define ACDB_DIMVAR_VALUES(X)                                                                                          \
    X(dimadec, Dimadec, int, 0)                                                                                        \
    X(dimalt, Dimalt, bool, false)                                                                                     \
    X(dimaltd, Dimaltd, int, 2)                                                                                        \
    X(dimaltf, Dimaltf, double, 25.4)                                                                                  \
    X(dimaltrnd, Dimaltrnd, double, 0.0)                                                                               \
    X(dimalttd, Dimalttd, int, 2)                                                                                      \
    X(dimalttz, Dimalttz, int, 0)                                                                                      \
    X(dimaltu, Dimaltu, int, 2)                                                                                        \
    X(dimaltz, Dimaltz, int, 0)                                                                                        \
    X(dimasz, Dimasz, double, 0.18)                                                                                    \
    X(dimatfit, Dimatfit, int, 3)                                                                                      \
    X(dimaunit, Dimaunit, int, 0)                                                                                      \
    X(dimazin, Dimazin, int, 0)                                                                                        \
    X(dimcen, Dimcen, double, 0.09)                                                                                    \
    X(dimclrd, Dimclrd, AcCmColor, cadhost::byBlockColor())                                                            \
    X(dimclre, Dimclre, AcCmColor, cadhost::byBlockColor())                                                            \
    X(dimclrt, Dimclrt, AcCmColor, cadhost::byBlockColor())                                                            \
    X(dimdec, Dimdec, int, 4)                                                                                          \
    X(dimdle, Dimdle, double, 0.0)                                                                                     \
    X(dimdli, Dimdli, double, 0.38)                                                                                    \
    X(dimdsep, Dimdsep, ACHAR, L'.')                                                                                   \
    X(dimexe, Dimexe, double, 0.18)                                                                                    \
    X(dimexo, Dimexo, double, 0.0625)                                                                                  \
    X(dimfrac, Dimfrac, int, 0)                                                                                        \
    X(dimgap, Dimgap, double, 0.09)                                                                                    \
    X(dimjust, Dimjust, int, 0)                                                                                        \
    X(dimlfac, Dimlfac, double, 1.0)                                                                                   \
    X(dimlim, Dimlim, bool, false)                                                                                     \
    X(dimlunit, Dimlunit, int, 2)                                                                                      \
    X(dimlwd, Dimlwd, AcDb::LineWeight, AcDb::kLnWtByBlock)                                                            \
    X(dimlwe, Dimlwe, AcDb::LineWeight, AcDb::kLnWtByBlock)                                                            \
    X(dimrnd, Dimrnd, double, 0.0)                                                                                     \
    X(dimsah, Dimsah, bool, false)                                                                                     \
    X(dimscale, Dimscale, double, 1.0)                                                                                 \
    X(dimsd1, Dimsd1, bool, false)                                                                                     \
    X(dimsd2, Dimsd2, bool, false)                                                                                     \
    X(dimse1, Dimse1, bool, false)                                                                                     \
    X(dimse2, Dimse2, bool, false)                                                                                     \
    X(dimsoxd, Dimsoxd, bool, false)                                                                                   \
    X(dimtad, Dimtad, int, 0)                                                                                          \
    X(dimtdec, Dimtdec, int, 4)                                                                                        \
    X(dimtfac, Dimtfac, double, 1.0)                                                                                   \
    X(dimtih, Dimtih, bool, true)                                                                                      \
    X(dimtix, Dimtix, bool, false)                                                                                     \
    X(dimtm, Dimtm, double, 0.0)                                                                                       \
    X(dimtmove, Dimtmove, int, 0)                                                                                      \
    X(dimtofl, Dimtofl, bool, false)                                                                                   \
    X(dimtoh, Dimtoh, bool, true)                                                                                      \
    X(dimtol, Dimtol, bool, false)                                                                                     \
    X(dimtolj, Dimtolj, int, 1)                                                                                        \
    X(dimtp, Dimtp, double, 0.0)                                                                                       \
    X(dimtsz, Dimtsz, double, 0.0)                                                                                     \
    X(dimtvp, Dimtvp, double, 0.0)                                                                                     \
    X(dimtxt, Dimtxt, double, 0.18)                                                                                    \
    X(dimtzin, Dimtzin, int, 0)                                                                                        \
    X(dimupt, Dimupt, bool, false)                                                                                     \
    X(dimzin, Dimzin, int, 0)

// The text variables: getter name, setter suffix, Standard value. Getters return a copy made with
// acutNewString (release it with acutDelString).
#define ACDB_DIMVAR_TEXTS(X)                                                                                           \
    X(dimapost, Dimapost, L"")                                                                                         \
    X(dimpost, Dimpost, L"")

// The getter and setter declarations of every variable, for the classes that carry them.
#define ACDB_DIMVAR_DECLARE_VALUE(name, Name, Type, Default)                                                           \
    Type name() const;                                                                                                 \
    Acad::ErrorStatus set##Name(cadhost::DimVarParam<Type> value);
#define ACDB_DIMVAR_DECLARE_TEXT(name, Name, Default)                                                                  \
    ACHAR* name() const;                                                                                               \
    Acad::ErrorStatus set##Name(const ACHAR* value);
#define ACDB_DIMVAR_DECLARE_ALL                                                                                        \
    ACDB_DIMVAR_VALUES(ACDB_DIMVAR_DECLARE_VALUE)                                                                      \
    ACDB_DIMVAR_TEXTS(ACDB_DIMVAR_DECLARE_TEXT)

namespace cadhost {

// The position of each variable in the table, values first, then texts.
enum class DimVar : int {
#define CADHOST_DIMVAR_INDEX_VALUE(name, Name, Type, Default) name,
#define CADHOST_DIMVAR_INDEX_TEXT(name, Name, Default) name,
    ACDB_DIMVAR_VALUES(CADHOST_DIMVAR_INDEX_VALUE) ACDB_DIMVAR_TEXTS(CADHOST_DIMVAR_INDEX_TEXT)
#undef CADHOST_DIMVAR_INDEX_VALUE
#undef CADHOST_DIMVAR_INDEX_TEXT
        kCount
};
constexpr int kDimVarCount = static_cast<int>(DimVar::kCount);

// One value of every variable, starting from the Standard style.
struct DimVars {
#define CADHOST_DIMVAR_FIELD_VALUE(name, Name, Type, Default) Type name = Default;
#define CADHOST_DIMVAR_FIELD_TEXT(name, Name, Default) std::wstring name = Default;
    ACDB_DIMVAR_VALUES(CADHOST_DIMVAR_FIELD_VALUE)
    ACDB_DIMVAR_TEXTS(CADHOST_DIMVAR_FIELD_TEXT)
#undef CADHOST_DIMVAR_FIELD_VALUE
#undef CADHOST_DIMVAR_FIELD_TEXT
};

using DimVarFlags = std::bitset<kDimVarCount>;

// Files one variable's value; line weights travel as 32-bit integers.
template <class Io, class T> void fileDimVarValue(Io& io, T& value)
{
    if constexpr (std::is_enum_v<std::remove_const_t<T>>)
        io.template enumAs<Adesk::Int32>(value, AcDb::kLnWt211, AcDb::kLnWtByLwDefault);
    else
        io(value);
}

// Files the variable at the given index of the table; false for an index outside it.
template <class Io, class Vars> bool fileDimVar(Io& io, Vars& vars, int index)
{
    switch (index) {
#define CADHOST_DIMVAR_CASE_VALUE(name, Name, Type, Default)                                                           \
    case static_cast<int>(DimVar::name):                                                                               \
        fileDimVarValue(io, vars.name);                                                                                \
        return true;
#define CADHOST_DIMVAR_CASE_TEXT(name, Name, Default)                                                                  \
    case static_cast<int>(DimVar::name):                                                                               \
        io(vars.name);                                                                                                 \
        return true;
        ACDB_DIMVAR_VALUES(CADHOST_DIMVAR_CASE_VALUE)
        ACDB_DIMVAR_TEXTS(CADHOST_DIMVAR_CASE_TEXT)
#undef CADHOST_DIMVAR_CASE_VALUE
#undef CADHOST_DIMVAR_CASE_TEXT
    default:
        return false;
    }
}

} // namespace cadhost
