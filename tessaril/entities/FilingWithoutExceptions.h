// Filer calls return into the host, which cannot take a C++ exception from the plug-in: running out of
// memory while filing becomes eOutOfMemory, anything else thrown eInvalidInput, on the filer as well as
// in the answer.
#pragma once

#include "dbfiler.h"

#include <new>
#include <stdexcept>

template <class Body> Acad::ErrorStatus fileWithoutExceptions(AcDbDwgFiler* filer, Body body) noexcept
{
    Acad::ErrorStatus status = Acad::eOk;
    try {
        return body();
    } catch (const std::bad_alloc&) {
        status = Acad::eOutOfMemory;
    } catch (const std::length_error&) {
        status = Acad::eOutOfMemory;
    } catch (...) {
        status = Acad::eInvalidInput;
    }
    if (filer != nullptr)
        filer->setFilerStatus(status);
    return status;
}
