// The table of the service addresses of COem: the key of each address in WebServer.ini, its
// field and its built-in default, with the steps of COem that walk the table.
#pragma once

#include <afx.h>

class COem;

// Sets every address field to its built-in default.
void SetDefaultAddresses(COem& oem);

// Replaces each address by its non-empty value in section "WebServer" of file, then replaces
// "%LANG%" by language and "%OEM%" by the product name in every address. An address that
// would grow beyond 32,767 characters so gets its built-in default.
void ReadAddresses(COem& oem, LPCTSTR file, LPCTSTR language);
