// Conversion between UTF-8 and wide (UTF-16) text. Both functions are exported under their
// plain, undecorated names (extern "C", cdecl) so that hosts in any language can bind them.
//
// Arrays these functions allocate belong to the caller, who frees them with delete[]. The host
// and vo_share.dll share the one C++ runtime (libstdc++-6.dll), so they share its allocator.
#pragma once

#include "VoDef.h"

extern "C" {

// Converts a terminated UTF-8 text into a new wide array (terminator included) stored in *out.
// Returns the number of wide characters written, the terminator counted; 0 on failure, in
// which case *out is left as it was.
VO_API int __cdecl UTF2TCHAR(const char* text, wchar_t** out);

// Converts a terminated wide text into UTF-8 (code page 65001).
// *out null: allocates a zeroed array of byte count + 1 (so it is terminated), stores it in *out.
// *out not null: writes into the caller's buffer of size bytes, without a terminator; a buffer
// too small for the text makes the conversion fail.
// Returns the number of UTF-8 bytes written, the terminator not counted; 0 for an empty text or
// on failure (then nothing is allocated).
VO_API int __cdecl TCHAR2UTF(const wchar_t* text, char** out, int size);
}
