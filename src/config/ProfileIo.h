// Reading settings files (Windows private-profile "ini" files) for the configuration and
// branding objects: whole values of any length and integers that fall back to their default
// when the text is no number.
#pragma once

#include <afx.h>

// The value of key in section of file, or defaultText when the file, section or key is
// missing. The whole value is returned however long it is (up to the profile functions' own
// limit of 32767 characters), never a truncated part.
CString ReadProfileText(LPCTSTR file, LPCTSTR section, LPCTSTR key, LPCTSTR defaultText = L"");

// The decimal integer at the start of the value (leading blanks and a sign allowed, anything
// after the digits ignored, clamped to the int range), or defaultValue when the key is
// missing or its value does not begin with a number.
int ReadProfileNumber(LPCTSTR file, LPCTSTR section, LPCTSTR key, int defaultValue);
