// The maker's number formatting library, as this system uses it: a real as the text a draftsman
// writes, and a number text tidied the same way.  Plain C functions over caller-owned buffers;
// no state is kept, and no exception leaves them.
//
// The format: the shortest decimal text that reads back as the same double; fixed notation (no
// exponent) for every value from 1e-9 to 1e15 in magnitude, exponent notation beyond; no
// trailing zeros and no trailing decimal point; "-0" is written "0".  So 0.003 -> "0.003",
// 0.0015 -> "0.0015", 2.0 -> "2", 12.5 -> "12.5", -1.25 -> "-1.25".  NaN and infinities are
// written "nan", "inf" and "-inf".
#pragma once

#if defined(_WIN32) && defined(VELLBASE_BUILD)
#define VELLBASE_API __declspec(dllexport)
#elif defined(_WIN32) && defined(VELLBASE_DLL)
#define VELLBASE_API __declspec(dllimport)
#else
#define VELLBASE_API
#endif

#ifdef __cplusplus
extern "C" {
#endif

// Writes `value` into `text` (at most size - 1 bytes and a terminator; a longer result is cut,
// never inside a double-byte GBK character).  Returns the length of the full result, or -1 with
// an empty text when the result could not be made (out of memory).  A null `text` or size <= 0
// writes nothing.
VELLBASE_API int FormatReal(double value, char* text, int size);

// Tidies a number text: surrounding blanks dropped and the number rewritten by FormatReal
// ("2.500" -> "2.5", " 0.30 " -> "0.3", "1e3" -> "1000").  A text that is not entirely a decimal
// number (digits, one sign, one point, an exponent) is copied unchanged.  Same buffer rules as
// FormatReal; `text` and `out` may be the same buffer.
VELLBASE_API int FormatNumberText(const char* text, char* out, int size);

#ifdef __cplusplus
}
#endif
