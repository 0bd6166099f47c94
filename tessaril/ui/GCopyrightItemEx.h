// The extra-information note: free lines (telephone, mail, web site and the like), with the same stamp
// and plot switches as a note.
#pragma once

#include "acadstrc.h"
#include "afxcoll.h"

class AcDbDwgFiler;

class GCopyrightItemEx {
public:
    GCopyrightItemEx() = default;
    virtual ~GCopyrightItemEx() = default;
    GCopyrightItemEx(const GCopyrightItemEx&) = default;
    GCopyrightItemEx& operator=(const GCopyrightItemEx&) = default;

    virtual Acad::ErrorStatus dwgOutFields(AcDbDwgFiler* filer) const;
    virtual Acad::ErrorStatus dwgInFields(AcDbDwgFiler* filer);

    // The filed form: the number of lines, the lines, stamp, plot.
    template <class Io, class Self> static Io& fields(Io& io, Self& self)
    {
        return io.lines(self.lines).flag(self.stamp).flag(self.plot);
    }

    CStringArray lines;
    bool stamp = false;
    bool plot = false;
};
