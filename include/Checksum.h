// CRC-32 of texts and the symmetric byte scrambler the host uses to hide data in its files
// and messages.
#pragma once

#include "VoDef.h"

// CRC-32 (IEEE 802.3, reflected polynomial 0xEDB88320) of the text's UTF-8 bytes, so the value
// does not depend on the platform's wide-character form. The empty text gives 0.
VO_API unsigned int dwCrc32(const wchar_t* text);

// Scrambles length bytes of buffer in place under key; calling it again with the same key
// restores them. Does nothing when length is 0 or negative.
VO_API void encryption(unsigned char* buffer, int length, unsigned long key);
