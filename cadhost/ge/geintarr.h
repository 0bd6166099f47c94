// Array of integers.
#pragma once

#include "acarray.h"

using AcGeIntArray = AcArray<int>;
