// Library-wide declarations of the geometry library: the entity kinds and the global context.
#pragma once

#include "getol.h"

struct CADHOST_EXPORT AcGe {
    // Kinds of geometric entities; AcGeEntity2d::isKindOf follows the derivation between them.
    enum EntityId {
        kEntity2d,
        kEntity3d,
        kPointEnt2d,
        kPointEnt3d,
        kCircArc2d,
        kCircArc3d,
        kConic2d,
        kConic3d,
        kCurve2d,
        kCurve3d,
        kEllipArc2d,
        kEllipArc3d,
        kLine2d,
        kLine3d,
        kLinearEnt2d,
        kLinearEnt3d,
        kLineSeg2d,
        kLineSeg3d,
        kPlanarEnt,
        kPlane,
        kSplineEnt2d,
        kPolyline2d,
        kNurbCurve2d,
        kSplineEnt3d,
        kPolyline3d,
        kNurbCurve3d
    };
};

struct CADHOST_EXPORT AcGeContext {
    // The tolerance every geometric comparison uses unless the caller passes its own.
    static AcGeTol gTol;
};
