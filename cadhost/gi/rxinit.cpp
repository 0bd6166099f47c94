// Run-time classes of the graphics layer, registered when the library loads.
#include "acgi.h"

ACRX_HOST_DEFINE_MEMBERS(AcGiSubEntityTraits, AcRxObject, nullptr, ACRX_ABSTRACT)
ACRX_HOST_DEFINE_MEMBERS(AcGiDrawableTraits, AcGiSubEntityTraits, nullptr, ACRX_ABSTRACT)
ACRX_HOST_DEFINE_MEMBERS(AcGiGeometry, AcRxObject, nullptr, ACRX_ABSTRACT)
ACRX_HOST_DEFINE_MEMBERS(AcGiWorldGeometry, AcGiGeometry, nullptr, ACRX_ABSTRACT)
ACRX_HOST_DEFINE_MEMBERS(AcGiViewportGeometry, AcGiGeometry, nullptr, ACRX_ABSTRACT)
ACRX_HOST_DEFINE_MEMBERS(AcGiContext, AcRxObject, nullptr, ACRX_ABSTRACT)
ACRX_HOST_DEFINE_MEMBERS(AcGiViewport, AcRxObject, nullptr, ACRX_ABSTRACT)
ACRX_HOST_DEFINE_MEMBERS(AcGiCommonDraw, AcRxObject, nullptr, ACRX_ABSTRACT)
ACRX_HOST_DEFINE_MEMBERS(AcGiWorldDraw, AcGiCommonDraw, nullptr, ACRX_ABSTRACT)
ACRX_HOST_DEFINE_MEMBERS(AcGiViewportDraw, AcGiCommonDraw, nullptr, ACRX_ABSTRACT)

namespace {
const bool gRegistered = [] {
    AcGiSubEntityTraits::rxInit();
    AcGiDrawableTraits::rxInit();
    AcGiGeometry::rxInit();
    AcGiWorldGeometry::rxInit();
    AcGiViewportGeometry::rxInit();
    AcGiContext::rxInit();
    AcGiViewport::rxInit();
    AcGiCommonDraw::rxInit();
    AcGiWorldDraw::rxInit();
    AcGiViewportDraw::rxInit();
    return true;
}();
} // namespace
