#include "GAttributeDefinitionData.h"

namespace {

CString tagOf(const AcDbAttributeDefinition& definition)
{
    return records::takeText(definition.tag());
}

CString promptOf(const AcDbAttributeDefinition& definition)
{
    return records::takeText(definition.prompt());
}

using D = AcDbAttributeDefinition;
using R = GAttributeDefinitionData;
using F = records::Fields<D, R>;
constexpr R::DefinitionSpec kFields[] = {
    F::field<records::Str, &R::tag, &tagOf, &D::setTag>(),
    F::field<records::Str, &R::prompt, &promptOf, &D::setPrompt>(),
    F::field<records::Bool, &R::lockPositionInBlock, &D::lockPositionInBlock, &D::setLockPositionInBlock>(),
    F::field<records::Bool, &R::invisible, &D::isInvisible, &D::setInvisible>(),
    F::field<records::Bool, &R::constant, &D::isConstant, &D::setConstant>(),
    F::field<records::Bool, &R::verifiable, &D::isVerifiable, &D::setVerifiable>(),
    F::field<records::Bool, &R::preset, &D::isPreset, &D::setPreset>(),
};

} // namespace

std::span<const GAttributeDefinitionData::DefinitionSpec> GAttributeDefinitionData::definitionFields()
{
    return kFields;
}

Acad::ErrorStatus GAttributeDefinitionData::record(AcDbAttributeDefinition* definition)
{
    GTextData::record(definition);
    records::recordFields<D, R>(definitionFields(), *this, *definition);
    return Acad::eOk;
}

Acad::ErrorStatus GAttributeDefinitionData::apply(AcDbAttributeDefinition* definition)
{
    GTextData::apply(definition);
    records::applyFields<D, R>(definitionFields(), *this, *definition);
    return Acad::eOk;
}
