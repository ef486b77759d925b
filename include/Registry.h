// String values in the registry and the product's machine-wide registry key.
// Every function closes the keys it opens before it returns and reports 0 on success.
#pragma once

#include "VoDef.h"

#include <windows.h>

// Writes value as REG_SZ under the existing key root\subkey (the key is not created); the
// byte count written is twice the character count, the terminating zero not counted.
// Returns 1 when the key cannot be opened for writing or the write fails, else 0.
VO_API int SetValueString(const wchar_t* name, const wchar_t* value, wchar_t* subkey, HKEY root);

// Reads value name of root\subkey into data, a buffer of size bytes. The data is not
// terminated here: pass a zeroed buffer. Returns 1 when the key cannot be opened or the
// value is missing or larger than size, else 0.
VO_API int GetRegData(const wchar_t* name, wchar_t* data, unsigned long size, wchar_t* subkey, HKEY root);

// Creates (or opens) HKEY_LOCAL_MACHINE\Software\Ostrel\Corvala with full access and closes it.
// Returns the system's result code, ERROR_SUCCESS (0) on success.
VO_API int CreateRegUpdate();
