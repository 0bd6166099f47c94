// MFC's array of strings.
#pragma once

#include "afxstr.h"
#include "afxtempl.h"

class CStringArray : public CArray<CString, const CString&> {};
