// Resource identifiers of test_skin.exe (0x7B10-0x7B1F).
#pragma once

#define IDB_TEST_SQUARE_STRIP 0x7B10 // six 16x16 squares, each with a magenta 4x4 top-left block
