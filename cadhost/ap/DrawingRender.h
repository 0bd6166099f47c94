// Shows a drawing as the host draws it, or as it plots it: model space in the document's view, or a
// paper-space layout with its viewports, regenerated into a recording or written as an SVG picture.
#pragma once

#include "acdocman.h"
#include "girecording.h"

#include <string>

namespace cadhost {
struct RenderOptions {
    // Plot generation: drawables see isPlotGeneration, and the picture is the plot window.
    bool plot = false;
    // A paper-space layout by name; model space when empty.
    std::wstring layout;
};

// Makes the document current and, under a write lock, shows model space (tilemode 1) or makes the
// layout the active one (tilemode 0), then regenerates it. eKeyNotFound for an unknown layout.
CADHOST_EXPORT Acad::ErrorStatus renderDocument(AcApDocument* document, const RenderOptions& options,
                                                AcGiRecording& recording);
// Opens the drawing file as a document, renders it into the SVG file and closes the document again.
CADHOST_EXPORT Acad::ErrorStatus renderDrawingFile(const std::wstring& drawing, const std::wstring& picture,
                                                   const RenderOptions& options);
} // namespace cadhost
