// Numbers read from texts the user typed or the host handed over, the one reader for every path:
// the grid's cells as they are edited and as they are read back into a record, device data, the
// symbol catalogue.  The rules are those of the C conversions (strtod, strtol/atoi) limited to
// decimal: leading blanks, an optional sign, digits (for reals with one optional point and an
// optional exponent), and the leading valid part counts ("0.004abc" reads 0.004).  Hexadecimal
// forms, "inf", "infinity" and "nan" are no number.  Pure functions; no state.
#pragma once

#include <cstdint>

namespace vjd::annotation {

// The leading decimal real of `text` (null reads as ""): 0.0 when the text starts with no
// number, `outOfRange` when the number lies beyond the double range (as "1e400"), so that what
// is read is always finite.
double ReadReal(const char* text, double outOfRange);

// The leading decimal integer of `text` (null reads as ""), saturated to the 32-bit range as the
// host's 32-bit long conversion does; 0 when the text starts with no number.
std::int32_t ReadInt32(const char* text);

}  // namespace vjd::annotation
