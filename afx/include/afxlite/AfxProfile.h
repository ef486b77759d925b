// Reading private-profile ("ini") settings files: the one reader of texts and numbers that the
// framework, the language library and the library share.
#pragma once

#include "afxlite/AfxDef.h"
#include "afxlite/CString.h"

// Whole value, whatever its length: the nMaxChars of AfxGetProfileText for interfaces that
// fix no truncation length.
const DWORD AFX_PROFILE_WHOLE_VALUE = 0;

// The value of key in section of file, or lpszDefault when the file, section or key is missing.
// nMaxChars cuts the value to that many characters where an interface fixes a truncation length
// (a value read into a buffer of 256 characters keeps 255); AFX_PROFILE_WHOLE_VALUE returns the
// whole value, up to the profile functions' own limit of 32767 characters.
AFX_API CString AFXAPI AfxGetProfileText(LPCTSTR lpszFile, LPCTSTR lpszSection, LPCTSTR lpszKey,
                                         LPCTSTR lpszDefault = L"", DWORD nMaxChars = AFX_PROFILE_WHOLE_VALUE);

// The decimal integer at the start of the value (leading blanks and a sign allowed, anything
// after the digits ignored, clamped to the int range), or nDefault when the key is missing or
// its value does not begin with a number.
AFX_API int AFXAPI AfxGetProfileNumber(LPCTSTR lpszFile, LPCTSTR lpszSection, LPCTSTR lpszKey, int nDefault);

// Writes value as key in section of file. FALSE, with nothing written, when the value or key
// holds a line break (it would start a line of its own: another key or section), when file is
// a folder (the profile functions report such a write done though nothing is stored), or when
// the write fails.
AFX_API BOOL AFXAPI AfxWriteProfileText(LPCTSTR lpszFile, LPCTSTR lpszSection, LPCTSTR lpszKey, LPCTSTR lpszValue);
