// Resource identifiers of test_faceanim.exe (0x7C20-0x7C2F): pictures written out at test time.
#pragma once

#define IDR_TEST_FRAMES_GIF 0x7C20    // 12x12: three frames, red, green, blue, 200 ms each
#define IDR_TEST_ANIMATION_GIF 0x7C21 // 16x16: four frames with offsets and disposals 1, 2, 3
#define IDR_TEST_DISC_GIF 0x7C22      // 24x20: transparent, a green disc of radius 7 around (12, 10)
