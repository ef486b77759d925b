// Resource IDs of the window-side framework tests (0x7B00-0x7CFF): the host's resources in
// AfxTests.rc, the extension library's in extdll/AfxTestExt.rc.
#pragma once

// Host: data dialog and its controls.
#define IDD_AFXTEST_DATA 0x7B00
#define IDC_AFXTEST_NAME 0x7B01
#define IDC_AFXTEST_COUNT 0x7B02
#define IDC_AFXTEST_ENABLED 0x7B03
#define IDC_AFXTEST_RADIO1 0x7B04
#define IDC_AFXTEST_RADIO2 0x7B05
#define IDC_AFXTEST_CHOICE 0x7B06
#define IDC_AFXTEST_LIST 0x7B07

// Strings: one in both modules (the host's wins), one only in the host.
#define IDS_AFXTEST_SHARED 0x7B10
#define IDS_AFXTEST_HOST_ONLY 0x7B11

// Host menu with one popup.
#define IDM_AFXTEST_MENU 0x7B20
#define ID_AFXTEST_OPEN 0x7B21
#define ID_AFXTEST_CLOSE 0x7B22

// Extension library: a string, a bitmap and a dialog only it has.
#define IDS_AFXTEST_EXT_ONLY 0x7C01
#define IDB_AFXTEST_EXT 0x7C10
#define IDD_AFXTEST_EXT 0x7C20

// Toolbars (ToolBarTests.rc): a good toolbar with its bitmap, and damaged toolbar resources.
#define IDR_AFXTEST_TOOLBAR 0x7B30
#define IDR_AFXTEST_TOOLBAR_SHORT 0x7B31
#define IDR_AFXTEST_TOOLBAR_VERSION 0x7B32
#define IDR_AFXTEST_TOOLBAR_HUGE 0x7B33
#define IDR_AFXTEST_TOOLBAR_NO_BITMAP 0x7B34
#define IDR_AFXTEST_TOOLBAR_SHORT_WIDE 0x7B35
#define ID_AFXTEST_TB_RED 0x7B40
#define ID_AFXTEST_TB_GREEN 0x7B41
#define ID_AFXTEST_TB_BLUE 0x7B42
#define ID_AFXTEST_TB_YELLOW 0x7B43
