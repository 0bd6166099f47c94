// A test entity whose drawing the test decides, and that counts how it was asked to draw.
#pragma once

#include "acgi.h"
#include "dbmain.h"

#include <functional>
#include <vector>

class ProbeEntity : public AcDbEntity {
public:
    ACRX_DECLARE_MEMBERS(ProbeEntity);

    // Draws in worldDraw; its answer is what worldDraw answers. Without it worldDraw draws nothing and
    // answers true.
    std::function<bool(AcGiWorldDraw*)> onWorldDraw;
    std::function<void(AcGiViewportDraw*)> onViewportDraw;

    int worldDrawCalls = 0;
    std::vector<Adesk::ULongPtr> viewportIds;

protected:
    Adesk::Boolean subWorldDraw(AcGiWorldDraw* worldDraw) override
    {
        ++worldDrawCalls;
        return !onWorldDraw || onWorldDraw(worldDraw) ? Adesk::kTrue : Adesk::kFalse;
    }
    void subViewportDraw(AcGiViewportDraw* viewportDraw) override
    {
        viewportIds.push_back(viewportDraw->viewport().viewportId());
        if (onViewportDraw)
            onViewportDraw(viewportDraw);
    }
};
