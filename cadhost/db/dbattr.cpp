#include "acgi.h"
#include "dbfieldio.h"
#include "dbtext.h"

namespace {
ACHAR* copyOf(const std::wstring& text)
{
    ACHAR* copy = nullptr;
    acutNewString(text.c_str(), copy);
    return copy;
}

} // namespace

// ---- AcDbAttributeDefinition ----

AcDbAttributeDefinition::AcDbAttributeDefinition(const AcGePoint3d& position, const ACHAR* text, const ACHAR* tag,
                                                 const ACHAR* prompt, AcDbObjectId style)
    : AcDbText(position, text, style), m_tag(tag != nullptr ? tag : L""), m_prompt(prompt != nullptr ? prompt : L"")
{
}

ACHAR* AcDbAttributeDefinition::tag() const
{
    assertReadEnabled();
    return copyOf(m_tag);
}

const ACHAR* AcDbAttributeDefinition::tagConst() const
{
    assertReadEnabled();
    return m_tag.c_str();
}

Acad::ErrorStatus AcDbAttributeDefinition::setTag(const ACHAR* tag)
{
    if (tag == nullptr)
        return Acad::eInvalidInput;
    assertWriteEnabled();
    m_tag = tag;
    return Acad::eOk;
}

ACHAR* AcDbAttributeDefinition::prompt() const
{
    assertReadEnabled();
    return copyOf(m_prompt);
}

const ACHAR* AcDbAttributeDefinition::promptConst() const
{
    assertReadEnabled();
    return m_prompt.c_str();
}

Acad::ErrorStatus AcDbAttributeDefinition::setPrompt(const ACHAR* prompt)
{
    if (prompt == nullptr)
        return Acad::eInvalidInput;
    assertWriteEnabled();
    m_prompt = prompt;
    return Acad::eOk;
}

bool AcDbAttributeDefinition::isInvisible() const
{
    assertReadEnabled();
    return m_invisible;
}

Acad::ErrorStatus AcDbAttributeDefinition::setInvisible(bool invisible)
{
    assertWriteEnabled();
    m_invisible = invisible;
    return Acad::eOk;
}

bool AcDbAttributeDefinition::isConstant() const
{
    assertReadEnabled();
    return m_constant;
}

Acad::ErrorStatus AcDbAttributeDefinition::setConstant(bool constant)
{
    assertWriteEnabled();
    m_constant = constant;
    return Acad::eOk;
}

bool AcDbAttributeDefinition::isVerifiable() const
{
    assertReadEnabled();
    return m_verifiable;
}

Acad::ErrorStatus AcDbAttributeDefinition::setVerifiable(bool verifiable)
{
    assertWriteEnabled();
    m_verifiable = verifiable;
    return Acad::eOk;
}

bool AcDbAttributeDefinition::isPreset() const
{
    assertReadEnabled();
    return m_preset;
}

Acad::ErrorStatus AcDbAttributeDefinition::setPreset(bool preset)
{
    assertWriteEnabled();
    m_preset = preset;
    return Acad::eOk;
}

bool AcDbAttributeDefinition::lockPositionInBlock() const
{
    assertReadEnabled();
    return m_lockPosition;
}

Acad::ErrorStatus AcDbAttributeDefinition::setLockPositionInBlock(bool locked)
{
    assertWriteEnabled();
    m_lockPosition = locked;
    return Acad::eOk;
}

// A definition shows its tag, as in the block editor; block references leave it out.
Adesk::Boolean AcDbAttributeDefinition::subWorldDraw(AcGiWorldDraw* worldDraw)
{
    assertReadEnabled();
    drawString(worldDraw, m_constant ? std::wstring(textStringConst()) : m_tag);
    return Adesk::kTrue;
}

void AcDbAttributeDefinition::subList() const
{
    AcDbText::subList();
    acutPrintf(L"\n  tag: %s  prompt: %s  flags:%s%s%s%s", m_tag.c_str(), m_prompt.c_str(),
               m_invisible ? L" invisible" : L"", m_constant ? L" constant" : L"", m_verifiable ? L" verify" : L"",
               m_preset ? L" preset" : L"");
}

template <class Self, class Io> void AcDbAttributeDefinition::fileFields(Self& self, Io& io)
{
    io(self.m_tag)(self.m_prompt)(self.m_invisible)(self.m_constant)(self.m_verifiable)(self.m_preset);
    io(self.m_lockPosition);
}

Acad::ErrorStatus AcDbAttributeDefinition::dwgOutFields(AcDbDwgFiler* filer) const
{
    return cadhost::FieldAccess::out(*this, filer, AcDbText::dwgOutFields(filer));
}

Acad::ErrorStatus AcDbAttributeDefinition::dwgInFields(AcDbDwgFiler* filer)
{
    return cadhost::FieldAccess::in(*this, filer, AcDbText::dwgInFields(filer));
}

// ---- AcDbAttribute ----

AcDbAttribute::AcDbAttribute(const AcGePoint3d& position, const ACHAR* text, const ACHAR* tag, AcDbObjectId style)
    : AcDbText(position, text, style), m_tag(tag != nullptr ? tag : L"")
{
}

ACHAR* AcDbAttribute::tag() const
{
    assertReadEnabled();
    return copyOf(m_tag);
}

const ACHAR* AcDbAttribute::tagConst() const
{
    assertReadEnabled();
    return m_tag.c_str();
}

Acad::ErrorStatus AcDbAttribute::setTag(const ACHAR* tag)
{
    if (tag == nullptr)
        return Acad::eInvalidInput;
    assertWriteEnabled();
    m_tag = tag;
    return Acad::eOk;
}

bool AcDbAttribute::isInvisible() const
{
    assertReadEnabled();
    return m_invisible;
}

Acad::ErrorStatus AcDbAttribute::setInvisible(bool invisible)
{
    assertWriteEnabled();
    m_invisible = invisible;
    return Acad::eOk;
}

bool AcDbAttribute::isConstant() const
{
    assertReadEnabled();
    return m_constant;
}

bool AcDbAttribute::isVerifiable() const
{
    assertReadEnabled();
    return m_verifiable;
}

bool AcDbAttribute::isPreset() const
{
    assertReadEnabled();
    return m_preset;
}

bool AcDbAttribute::lockPositionInBlock() const
{
    assertReadEnabled();
    return m_lockPosition;
}

Acad::ErrorStatus AcDbAttribute::setLockPositionInBlock(bool locked)
{
    assertWriteEnabled();
    m_lockPosition = locked;
    return Acad::eOk;
}

Acad::ErrorStatus AcDbAttribute::setAttributeFromBlock(const AcDbAttributeDefinition* definition,
                                                       const AcGeMatrix3d& blockTransform)
{
    if (definition == nullptr)
        return Acad::eNullObjectPointer;
    assertWriteEnabled();
    setPropertiesFrom(definition);
    setTextString(definition->textStringConst());
    setTextStyle(definition->textStyle());
    setHeight(definition->height());
    setWidthFactor(definition->widthFactor());
    setOblique(definition->oblique());
    setRotation(definition->rotation());
    setNormal(definition->normal());
    setThickness(definition->thickness());
    setHorizontalMode(definition->horizontalMode());
    setVerticalMode(definition->verticalMode());
    setPosition(definition->position());
    setAlignmentPoint(definition->alignmentPoint());
    m_tag = definition->tagConst();
    m_invisible = definition->isInvisible();
    m_constant = definition->isConstant();
    m_verifiable = definition->isVerifiable();
    m_preset = definition->isPreset();
    m_lockPosition = definition->lockPositionInBlock();
    return transformBy(blockTransform);
}

Adesk::Boolean AcDbAttribute::subWorldDraw(AcGiWorldDraw* worldDraw)
{
    assertReadEnabled();
    if (!m_invisible)
        drawString(worldDraw, textStringConst());
    return Adesk::kTrue;
}

void AcDbAttribute::subList() const
{
    AcDbText::subList();
    acutPrintf(L"\n  tag: %s%s", m_tag.c_str(), m_invisible ? L"  invisible" : L"");
}

template <class Self, class Io> void AcDbAttribute::fileFields(Self& self, Io& io)
{
    io(self.m_tag)(self.m_invisible)(self.m_constant)(self.m_verifiable)(self.m_preset)(self.m_lockPosition);
}

Acad::ErrorStatus AcDbAttribute::dwgOutFields(AcDbDwgFiler* filer) const
{
    return cadhost::FieldAccess::out(*this, filer, AcDbText::dwgOutFields(filer));
}

Acad::ErrorStatus AcDbAttribute::dwgInFields(AcDbDwgFiler* filer)
{
    return cadhost::FieldAccess::in(*this, filer, AcDbText::dwgInFields(filer));
}
