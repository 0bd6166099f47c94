// Array of untyped pointers, as hatch edge lists hand them out.
#pragma once

#include "acarray.h"

using AcGeVoidPointerArray = AcArray<void*>;
