// The record of an attribute definition: the text record, then tag, prompt and five flags. It has no
// stream of its own; an attribute definition is streamed as plain text.
#pragma once

#include "GTextData.h"

class GAttributeDefinitionData : public GTextData {
public:
    using GTextData::apply;
    using GTextData::record;
    using DefinitionSpec = records::FieldSpec<AcDbAttributeDefinition, GAttributeDefinitionData>;

    virtual Acad::ErrorStatus record(AcDbAttributeDefinition* definition);
    virtual Acad::ErrorStatus apply(AcDbAttributeDefinition* definition);

    CString tag;
    CString prompt;
    bool lockPositionInBlock = false;
    bool invisible = false;
    bool constant = false;
    bool verifiable = false;
    bool preset = false;

private:
    static std::span<const DefinitionSpec> definitionFields();
};
