// MFC's core header: Windows types, strings and collections.
#pragma once

#include "afxcoll.h"
#include "afxstr.h"
#include "afxtempl.h"
#include "windef.h"
