// Dimension style records: every dimension variable, with the host's Standard values for a new record.
#pragma once

#include "dbdimvar.h"
#include "dbsymtb.h"

class CADHOST_EXPORT AcDbDimStyleTableRecord : public AcDbSymbolTableRecord {
public:
    ACRX_DECLARE_MEMBERS(AcDbDimStyleTableRecord);
    AcDbDimStyleTableRecord() = default;

    ACDB_DIMVAR_DECLARE_ALL

    // All values at once, as dimensions read them beneath their overrides.
    const cadhost::DimVars& dimVars() const;

    Acad::ErrorStatus dwgInFields(AcDbDwgFiler* filer) override;
    Acad::ErrorStatus dwgOutFields(AcDbDwgFiler* filer) const override;

private:
    cadhost::DimVars m_vars;
};
