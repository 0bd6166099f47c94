// The SVG writer: a recording as a picture on a white sheet. The y axis is flipped (drawings grow
// upwards, pictures downwards); the view box is the plot window when the recording has one and the
// extents of what is visible otherwise. Colour indices take the host's palette, except that index 7
// draws black on the white sheet; primitives on layers that are off or frozen (or not plotted, when
// plotting) are left out; texts become <text> elements with their height as font size.
#pragma once

#include "girecording.h"

#include <string>

// The picture's larger side in pixels.
constexpr int kAcGiSvgPixelSize = 1024;

// The picture as UTF-8 text.
CADHOST_EXPORT std::string acgiSvgDocument(const AcGiRecording& recording);
// Writes the picture to the file; eFileAccessErr when the file cannot be written.
CADHOST_EXPORT Acad::ErrorStatus acgiWriteSvgFile(const AcGiRecording& recording, const ACHAR* fileName);
