// The primitive recorder: the host's drawing interfaces over a recording. Drawables draw through
// AcGiWorldDraw and AcGiViewportDraw; the recorder applies the model transforms, resolves the traits
// (ByLayer and ByBlock against the layer and the inserting block reference) and appends primitives.
#pragma once

#include "girecording.h"

#include <memory>

// One viewport of a regeneration: where its model coordinates land in the output and which part of
// the output it covers.
struct AcGiViewportSpec {
    Adesk::ULongPtr id = 0;
    AcGeMatrix3d modelToOutput;
    // The centre of the view in model coordinates.
    AcGePoint3d target;
    bool clipped = false;
    AcGePoint2d clipMin;
    AcGePoint2d clipMax;
};

class CADHOST_EXPORT AcGiRecorder {
public:
    // Drawables of the database draw into the recording; its plot and PostScript flags make the
    // context the drawables see.
    AcGiRecorder(AcGiRecording& recording, AcDbDatabase* database);
    ~AcGiRecorder();
    AcGiRecorder(const AcGiRecorder&) = delete;
    AcGiRecorder& operator=(const AcGiRecorder&) = delete;

    // What follows is drawn in this viewport. Without a call, a viewport with id 0 and no transform.
    void beginViewport(const AcGiViewportSpec& viewport);
    // Draws a drawable as the host regenerates it: traits reset, setAttributes, worldDraw, and
    // viewportDraw in the current viewport when worldDraw answers false. Invisible entities are skipped.
    void draw(AcGiDrawable* drawable);

    AcGiWorldDraw& worldDraw();
    AcGiViewportDraw& viewportDraw();

    class Imp;

private:
    std::unique_ptr<Imp> m_imp;
};
