// The entity kinds of DXF that cadhost has a class for, each with the function that builds the entity
// from its record (and, for polylines, the vertex records that follow it).
#pragma once

#include "DxfContext.h"
#include "DxfRecord.h"

#include "dbmain.h"
#include "dbtext.h"

#include <memory>
#include <span>

namespace cadhost::dxf {

using EntityBuilder = std::unique_ptr<AcDbEntity> (*)(DxfContext& context, const DxfRecord& record,
                                                      std::span<const DxfRecord> followers);

// The builder for the record's kind; null when cadhost has no class for it.
EntityBuilder entityBuilder(const DxfRecord& record);

// An attribute of a block reference, from an ATTRIB record.
std::unique_ptr<AcDbAttribute> buildAttribute(DxfContext& context, const DxfRecord& record);

} // namespace cadhost::dxf
