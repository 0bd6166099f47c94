// Base of the geometric entities of the plane (curves used as hatch boundary edges).
#pragma once

#include "gegbl.h"
#include "gemat2d.h"
#include "gepnt2d.h"

class CADHOST_EXPORT AcGeEntity2d {
public:
    virtual ~AcGeEntity2d() = default;

    virtual AcGe::EntityId type() const = 0;
    // True when this entity is of the given kind or of a kind derived from it.
    bool isKindOf(AcGe::EntityId entType) const;
    // A new entity of the same class and geometry, owned by the caller.
    virtual AcGeEntity2d* copy() const = 0;

    bool isEqualTo(const AcGeEntity2d& entity, const AcGeTol& tol = AcGeContext::gTol) const;
    bool operator==(const AcGeEntity2d& entity) const { return isEqualTo(entity); }
    bool operator!=(const AcGeEntity2d& entity) const { return !isEqualTo(entity); }

    AcGeEntity2d& transformBy(const AcGeMatrix2d& xfm);
    AcGeEntity2d& translateBy(const AcGeVector2d& translateVec);
    AcGeEntity2d& rotateBy(double angle, const AcGePoint2d& wrtPoint = AcGePoint2d::kOrigin);
    AcGeEntity2d& scaleBy(double scaleFactor, const AcGePoint2d& wrtPoint = AcGePoint2d::kOrigin);

protected:
    AcGeEntity2d() = default;
    AcGeEntity2d(const AcGeEntity2d&) = default;
    AcGeEntity2d& operator=(const AcGeEntity2d&) = default;

    // Compares with an entity already known to be of the same type().
    virtual bool isEqualToSameType(const AcGeEntity2d& entity, const AcGeTol& tol) const = 0;
    virtual void transformGeometry(const AcGeMatrix2d& xfm) = 0;
};
