#include "ProbeEntity.h"

ACRX_HOST_DEFINE_MEMBERS(ProbeEntity, AcDbEntity, ACRX_T("PROBE"), ACRX_CONCRETE(ProbeEntity))
[[maybe_unused]] static const bool gProbeRegistered = (ProbeEntity::rxInit(), true);
