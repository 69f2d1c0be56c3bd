// CStringArray: a growable array of CString.  Each element shares its text with the string it was
// set from (reference counting); removing or overwriting an element releases its text.
#pragma once

#include "CArray.h"
#include "CString.h"

class CStringArray : public CArray<CString, const CString&> {};
