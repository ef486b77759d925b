// Resource IDs of the controls tests (0x7D00-0x7DFF), in ControlsTests.rc.
#pragma once

// A menu with one popup (mnemonics, accelerators, a checked, a separator, a grayed item and a
// nested popup) and a toolbar with the commands of some of its items.
#define IDM_CTLTEST_MENU 0x7D00
#define ID_CTLTEST_RED 0x7D01
#define ID_CTLTEST_GREEN 0x7D02
#define ID_CTLTEST_BLUE 0x7D03
#define ID_CTLTEST_YELLOW 0x7D04
#define ID_CTLTEST_PLAIN 0x7D05
#define IDR_CTLTEST_TOOLBAR 0x7D10

// Damaged menu templates.
#define IDM_CTLTEST_TRUNCATED 0x7D20
#define IDM_CTLTEST_UNENDED 0x7D21
#define IDM_CTLTEST_DEEP 0x7D22
#define IDM_CTLTEST_HEADER 0x7D23
#define IDM_CTLTEST_EXTENDED 0x7D24

// Button pictures and the dialog with the buttons.
#define IDI_CTLTEST_RED 0x7D30
#define IDC_CTLTEST_CROSS 0x7D31
#define IDB_CTLTEST_BLUE 0x7D32
#define IDD_CTLTEST_BUTTONS 0x7D40
#define IDC_CTLTEST_FLAT 0x7D41
#define IDC_CTLTEST_DEFAULT 0x7D42
#define IDC_CTLTEST_CHECK 0x7D43
#define IDC_CTLTEST_OWNER 0x7D44
#define IDC_CTLTEST_IMAGE 0x7D45
#define IDC_CTLTEST_NEXT 0x7D46

// The background dialogs: a borderless one with a CButtonST, and one with a frame.
#define IDD_CTLTEST_BKDIALOG 0x7D50
#define IDC_CTLTEST_BKBUTTON 0x7D51
#define IDD_CTLTEST_BKFRAMED 0x7D53

// The dialog with the hyperlinks and the transparent static.
#define IDD_CTLTEST_LINKS 0x7D60
#define IDC_CTLTEST_LINK_LEFT 0x7D61
#define IDC_CTLTEST_LINK_RIGHT 0x7D62
#define IDC_CTLTEST_WSTATIC 0x7D63
#define IDC_CTLTEST_LINK_EMPTY 0x7D64

// The dialog with the owner-drawn list box.
#define IDD_CTLTEST_LIST 0x7D70
#define IDC_CTLTEST_LIST 0x7D71
