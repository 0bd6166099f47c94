// The host's allocation helpers for strings, buffers and result-buffer chains.
#pragma once

#include "acadstrc.h"
#include "adsdef.h"

#include <cstddef>

// Prints on the host's command line with the Windows wide printf conventions (%s takes a wide string).
CADHOST_EXPORT int acutPrintf(const ACHAR* format, ...);

CADHOST_EXPORT Acad::ErrorStatus acutNewString(const ACHAR* input, ACHAR*& output);
CADHOST_EXPORT void acutDelString(ACHAR*& text);
CADHOST_EXPORT Acad::ErrorStatus acutNewBuffer(void*& output, std::size_t size);
CADHOST_EXPORT void acutDelBuffer(void*& buffer);
inline void acutDelBuffer(char*& buffer)
{
    void* raw = buffer;
    acutDelBuffer(raw);
    buffer = nullptr;
}

CADHOST_EXPORT resbuf* acutNewRb(int type);
CADHOST_EXPORT int acutRelRb(resbuf* chain);
// Builds a chain from (type, value) pairs ended by 0 or RTNONE: strings as const ACHAR*, reals as
// double, points as const ads_real*, shorts and longs as int, 64-bit integers as Adesk::Int64,
// binary chunks as const ads_binary*, entity names as const Adesk::LongPtr*.
CADHOST_EXPORT resbuf* acutBuildList(int type, ...);
// A deep copy of a chain (strings and binary chunks are copied too).
CADHOST_EXPORT resbuf* acutRbDup(const resbuf* chain);

// Registers an application name in the registered-application table of the working database
// (RTNORM when it is registered afterwards, RTERROR otherwise).
CADHOST_EXPORT int acdbRegApp(const ACHAR* appName);
