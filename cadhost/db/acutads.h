// The host's allocation helpers for strings, buffers and result-buffer chains.
#pragma once

#include "acadstrc.h"
#include "adsdef.h"

#include <cstddef>

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
// double, points as const ads_real*, shorts and longs as int.
CADHOST_EXPORT resbuf* acutBuildList(int type, ...);
// A deep copy of a chain (strings and binary chunks are copied too).
CADHOST_EXPORT resbuf* acutRbDup(const resbuf* chain);
