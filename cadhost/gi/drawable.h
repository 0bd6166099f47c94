// Anything the graphics system can draw: entities, and temporary objects drawn through another.
#pragma once

#include "rxobject.h"

class AcGiWorldDraw;
class AcGiViewportDraw;
class AcGiDrawableTraits;

class CADHOST_EXPORT AcGiDrawable : public AcRxObject {
public:
    ACRX_DECLARE_MEMBERS(AcGiDrawable);

    // The host asks worldDraw first; a false answer makes it call viewportDraw for every viewport.
    Adesk::Boolean worldDraw(AcGiWorldDraw* worldDraw) { return subWorldDraw(worldDraw); }
    void viewportDraw(AcGiViewportDraw* viewportDraw) { subViewportDraw(viewportDraw); }
    // Sets the drawable's colour, layer and other traits before it is drawn.
    Adesk::UInt32 setAttributes(AcGiDrawableTraits* traits) { return subSetAttributes(traits); }

protected:
    virtual Adesk::Boolean subWorldDraw(AcGiWorldDraw* worldDraw) = 0;
    virtual void subViewportDraw(AcGiViewportDraw* viewportDraw) = 0;
    virtual Adesk::UInt32 subSetAttributes(AcGiDrawableTraits* traits) = 0;
};
