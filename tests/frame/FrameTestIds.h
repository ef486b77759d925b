// Identifiers of the test resources in FrameTests.rc.
#pragma once

#define IDD_FRAME_CONTROLS 100
#define IDC_FRAME_BUTTON 1001
#define IDC_FRAME_EDIT 1002
#define IDC_FRAME_STATIC 1003
#define IDC_FRAME_COMBO 1004
#define IDC_FRAME_LIST 1005
