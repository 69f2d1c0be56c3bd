// Reading a whole number typed by the user: what the data exchange accepts for an int member.
#pragma once

// Reads `text` as a decimal whole number: blanks (spaces, tabs) may stand before and after it and
// a sign before the digits; nothing else may, and the value must lie inside the int range.  True
// and `*value` set when the text is such a number; false and `*value` untouched otherwise.
bool ParseWholeNumber(const char* text, int* value);
