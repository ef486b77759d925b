// A check of a .bmp file before it is handed to the system's loader: the loader trusts the
// file's headers and reads pixels past the end of a file that has been cut short.
#pragma once

#include <afx.h>

// True when path is a bitmap file whose headers are complete and whose pixel data lies
// wholly inside the file.
bool IsWholeBitmapFile(LPCTSTR path);
