#include "DimensionVariables.h"

#include <functional>
#include <type_traits>

namespace records {
namespace {

using D = AcDbDimension;

// The value slot of a codec's type, made so when it holds another.
template <class Codec> typename Codec::Value& slot(DimensionVariableValue& value)
{
    if (!std::holds_alternative<typename Codec::Value>(value))
        value.template emplace<typename Codec::Value>();
    return std::get<typename Codec::Value>(value);
}

template <class Codec> typename Codec::Value storedOrInitial(const DimensionVariableValue& value)
{
    const auto* stored = std::get_if<typename Codec::Value>(&value);
    return stored != nullptr ? *stored : typename Codec::Value{};
}

template <auto Getter> using HostType = std::remove_cvref_t<std::invoke_result_t<decltype(Getter), const D&>>;

template <class Codec, auto Getter, auto Setter> constexpr DimensionVariable entry(const wchar_t* name, unsigned flags)
{
    return {
        name,
        flags,
        [](DimensionVariableValue& value, const D& dimension) {
            if constexpr (std::is_same_v<HostType<Getter>, ACHAR*>)
                slot<Codec>(value) = takeText(std::invoke(Getter, dimension));
            // A character (DIMDSEP) is kept as its code point, which is never negative.
            else if constexpr (std::is_same_v<HostType<Getter>, ACHAR>)
                slot<Codec>(value) = static_cast<typename Codec::Value>(
                    static_cast<std::make_unsigned_t<ACHAR>>(std::invoke(Getter, dimension)));
            else
                slot<Codec>(value) = static_cast<typename Codec::Value>(std::invoke(Getter, dimension));
        },
        [](const DimensionVariableValue& value, D& dimension) {
            const typename Codec::Value stored = storedOrInitial<Codec>(value);
            if constexpr (std::is_same_v<HostType<Getter>, ACHAR*>)
                std::invoke(Setter, dimension, stored.GetString());
            else
                std::invoke(Setter, dimension, static_cast<HostType<Getter>>(stored));
        },
        [](DimensionVariableValue& value, AcDbDwgFiler* filer, Direction direction) {
            return transfer<Codec>(filer, direction, slot<Codec>(value));
        },
    };
}

// Kept, streamed and applied.
template <class Codec, auto Getter, auto Setter> constexpr DimensionVariable variable(const wchar_t* name)
{
    return entry<Codec, Getter, Setter>(name, kStreamed | kApplied);
}

// Kept and applied but not in the stream.
template <class Codec, auto Getter, auto Setter> constexpr DimensionVariable keptOnly(const wchar_t* name)
{
    return entry<Codec, Getter, Setter>(name, kApplied);
}

// Kept and streamed but never set on a dimension.
template <class Codec, auto Getter, auto Setter> constexpr DimensionVariable notApplied(const wchar_t* name)
{
    return entry<Codec, Getter, Setter>(name, kStreamed);
}

constexpr DimensionVariable kVariables[] = {
    variable<Int32, &D::dimadec, &D::setDimadec>(L"DIMADEC"),
    variable<Bool, &D::dimalt, &D::setDimalt>(L"DIMALT"),
    variable<Int32, &D::dimaltd, &D::setDimaltd>(L"DIMALTD"),
    variable<Dbl, &D::dimaltf, &D::setDimaltf>(L"DIMALTF"),
    variable<Dbl, &D::dimaltrnd, &D::setDimaltrnd>(L"DIMALTRND"),
    variable<Int32, &D::dimalttd, &D::setDimalttd>(L"DIMALTTD"),
    variable<Int32, &D::dimalttz, &D::setDimalttz>(L"DIMALTTZ"),
    variable<Int32, &D::dimaltu, &D::setDimaltu>(L"DIMALTU"),
    variable<Int32, &D::dimaltz, &D::setDimaltz>(L"DIMALTZ"),
    notApplied<Str, &D::dimapost, &D::setDimapost>(L"DIMAPOST"),
    variable<Dbl, &D::dimasz, &D::setDimasz>(L"DIMASZ"),
    variable<Int32, &D::dimatfit, &D::setDimatfit>(L"DIMATFIT"),
    variable<Int32, &D::dimaunit, &D::setDimaunit>(L"DIMAUNIT"),
    variable<Int32, &D::dimazin, &D::setDimazin>(L"DIMAZIN"),
    variable<Dbl, &D::dimcen, &D::setDimcen>(L"DIMCEN"),
    variable<ColorIndex, &D::dimclrd, &D::setDimclrd>(L"DIMCLRD"),
    keptOnly<ColorIndex, &D::dimclre, &D::setDimclre>(L"DIMCLRE"),
    variable<ColorIndex, &D::dimclrt, &D::setDimclrt>(L"DIMCLRT"),
    variable<Int32, &D::dimdec, &D::setDimdec>(L"DIMDEC"),
    variable<Dbl, &D::dimdle, &D::setDimdle>(L"DIMDLE"),
    variable<Dbl, &D::dimdli, &D::setDimdli>(L"DIMDLI"),
    variable<Int32, &D::dimdsep, &D::setDimdsep>(L"DIMDSEP"),
    variable<Dbl, &D::dimexe, &D::setDimexe>(L"DIMEXE"),
    variable<Dbl, &D::dimexo, &D::setDimexo>(L"DIMEXO"),
    variable<Int32, &D::dimfrac, &D::setDimfrac>(L"DIMFRAC"),
    variable<Dbl, &D::dimgap, &D::setDimgap>(L"DIMGAP"),
    variable<Int32, &D::dimjust, &D::setDimjust>(L"DIMJUST"),
    variable<Dbl, &D::dimlfac, &D::setDimlfac>(L"DIMLFAC"),
    variable<Bool, &D::dimlim, &D::setDimlim>(L"DIMLIM"),
    variable<Int32, &D::dimlunit, &D::setDimlunit>(L"DIMLUNIT"),
    variable<Int32, &D::dimlwd, &D::setDimlwd>(L"DIMLWD"),
    variable<Int32, &D::dimlwe, &D::setDimlwe>(L"DIMLWE"),
    notApplied<Str, &D::dimpost, &D::setDimpost>(L"DIMPOST"),
    variable<Dbl, &D::dimrnd, &D::setDimrnd>(L"DIMRND"),
    variable<Bool, &D::dimsah, &D::setDimsah>(L"DIMSAH"),
    variable<Dbl, &D::dimscale, &D::setDimscale>(L"DIMSCALE"),
    variable<Bool, &D::dimsd1, &D::setDimsd1>(L"DIMSD1"),
    variable<Bool, &D::dimsd2, &D::setDimsd2>(L"DIMSD2"),
    variable<Bool, &D::dimse1, &D::setDimse1>(L"DIMSE1"),
    variable<Bool, &D::dimse2, &D::setDimse2>(L"DIMSE2"),
    variable<Bool, &D::dimsoxd, &D::setDimsoxd>(L"DIMSOXD"),
    variable<Int32, &D::dimtad, &D::setDimtad>(L"DIMTAD"),
    variable<Int32, &D::dimtdec, &D::setDimtdec>(L"DIMTDEC"),
    variable<Dbl, &D::dimtfac, &D::setDimtfac>(L"DIMTFAC"),
    variable<Bool, &D::dimtih, &D::setDimtih>(L"DIMTIH"),
    variable<Bool, &D::dimtix, &D::setDimtix>(L"DIMTIX"),
    variable<Dbl, &D::dimtm, &D::setDimtm>(L"DIMTM"),
    variable<Int32, &D::dimtmove, &D::setDimtmove>(L"DIMTMOVE"),
    variable<Bool, &D::dimtofl, &D::setDimtofl>(L"DIMTOFL"),
    variable<Bool, &D::dimtoh, &D::setDimtoh>(L"DIMTOH"),
    variable<Bool, &D::dimtol, &D::setDimtol>(L"DIMTOL"),
    variable<Int32, &D::dimtolj, &D::setDimtolj>(L"DIMTOLJ"),
    variable<Dbl, &D::dimtp, &D::setDimtp>(L"DIMTP"),
    variable<Dbl, &D::dimtsz, &D::setDimtsz>(L"DIMTSZ"),
    variable<Dbl, &D::dimtvp, &D::setDimtvp>(L"DIMTVP"),
    variable<Dbl, &D::dimtxt, &D::setDimtxt>(L"DIMTXT"),
    variable<Int32, &D::dimtzin, &D::setDimtzin>(L"DIMTZIN"),
    variable<Bool, &D::dimupt, &D::setDimupt>(L"DIMUPT"),
    variable<Int32, &D::dimzin, &D::setDimzin>(L"DIMZIN"),
};
static_assert(std::size(kVariables) == kDimensionVariableCount);

} // namespace

std::span<const DimensionVariable> dimensionVariables()
{
    return kVariables;
}

} // namespace records
