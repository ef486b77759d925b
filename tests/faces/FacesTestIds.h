// Resource identifiers of test_faces.exe (0x7C10-0x7C1F): picture files written out at test time.
#pragma once

#define IDR_TEST_QUADRANTS_BMP 0x7C10 // 20x12: red, green / blue, yellow quadrants
#define IDR_TEST_QUADRANTS_JPG 0x7C11 // 32x16: the same quadrants, 16x8 each
#define IDR_TEST_DISC_GIF 0x7C12      // 24x20: transparent, a green disc of radius 7 around (12, 10)
#define IDR_TEST_FRAMES_GIF 0x7C13    // 12x12: three frames, red, green, blue
#define IDR_TEST_ANIMATION_GIF 0x7C14 // 16x16: four frames for delays, disposals, offsets (picgen/faces.py)
