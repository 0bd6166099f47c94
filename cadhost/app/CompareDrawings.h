// Compares a drawing with its protected copy as "compare" and the job's verification do.
#pragma once

#include <string>

namespace cadhost::app {
class Session;

struct CompareOptions {
    // Draw as plotted.
    bool plot = false;
    // A paper-space layout by name; model space when empty.
    std::wstring layout;
};

// Draws both drawings in the source's view with the plug-in loaded and the watermark left out, prints
// every primitive that one draws and the other does not, every one the copy draws in another order, and a
// verdict line. True when they draw alike;
// false when they differ or cannot be drawn (then the session reports why).
bool compareDrawingFiles(Session& session, const std::wstring& source, const std::wstring& copy,
                         const CompareOptions& options);
} // namespace cadhost::app
