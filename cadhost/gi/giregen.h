// The regeneration driver: draws the entities of a space through the primitive recorder, in draw
// order and per viewport, the way the host regenerates a view or generates a plot. The recording's
// plot and PostScript flags say which of the two it is.
#pragma once

#include "girecorder.h"

// Draws every entity of the block in its draw order (the block's sort-ents table when it has one)
// in the recorder's current viewport. Entities that cannot be opened are left out.
CADHOST_EXPORT Acad::ErrorStatus acgiDrawBlock(AcGiRecorder& recorder, AcDbObjectId blockId);

// Model space seen in the view window from viewMin to viewMax (the model-space view, vsmin to vsmax),
// in one viewport. When plotting, the window is the recording's plot window.
CADHOST_EXPORT Acad::ErrorStatus acgiRegenModelSpace(AcDbDatabase* database, const AcGePoint3d& viewMin,
                                                     const AcGePoint3d& viewMax, AcGiRecording& recording);

// A paper-space layout: the layout's block in the sheet's own viewport (the first of its viewports,
// whose rectangle is the plot window), then model space in each floating viewport that is on, scaled
// from its view into its rectangle and clipped to it.
CADHOST_EXPORT Acad::ErrorStatus acgiRegenLayout(AcDbDatabase* database, AcDbObjectId layoutId,
                                                 AcGiRecording& recording);
