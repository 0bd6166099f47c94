// One copyright note: its text, and whether it shows in the on-screen watermark (stamp) and is drawn
// when plotting (plot).
#pragma once

#include "acadstrc.h"
#include "afxstr.h"

class AcDbDwgFiler;

class GCopyrightItem {
public:
    GCopyrightItem() = default;
    GCopyrightItem(const CString& text, bool stamp, bool plot) : text(text), stamp(stamp), plot(plot) {}
    virtual ~GCopyrightItem() = default;
    GCopyrightItem(const GCopyrightItem&) = default;
    GCopyrightItem& operator=(const GCopyrightItem&) = default;

    virtual Acad::ErrorStatus dwgOutFields(AcDbDwgFiler* filer) const;
    virtual Acad::ErrorStatus dwgInFields(AcDbDwgFiler* filer);

    // The filed form: text, stamp, plot.
    template <class Io, class Self> static Io& fields(Io& io, Self& self)
    {
        return io.text(self.text).flag(self.stamp).flag(self.plot);
    }

    CString text;
    bool stamp = true;
    bool plot = true;
};
