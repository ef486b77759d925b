// Resource and command identifiers of the demo (Demo.rc).
#pragma once

#define IDR_DEMO_MENU 200
#define IDR_DEMO_CONTEXT 201
#define IDR_DEMO_TOOLBAR 202
#define IDD_DEMO_CONTACTS 203

// Controls of the "Contacts" dialog.
#define IDC_DEMO_TITLE 1100
#define IDC_DEMO_CONTACTS 1101
#define IDC_DEMO_HOMEPAGE 1102
#define IDC_DEMO_MESSAGE 1103

// Commands, in the order of the toolbar's images.
#define ID_DEMO_NEW 0x8001
#define ID_DEMO_OPEN 0x8002
#define ID_DEMO_SAVE 0x8003
#define ID_DEMO_CHAT 0x8004
#define ID_DEMO_CALL 0x8005
#define ID_DEMO_SKIN 0x8006
#define ID_DEMO_HELP 0x8007
#define ID_DEMO_EXIT 0x8008
#define ID_DEMO_STATUS 0x8009
// Commands without a toolbar picture.
#define ID_DEMO_EMOTICONS 0x8020
#define ID_DEMO_DEVICES 0x8021
#define ID_DEMO_CHATVIEW 0x8022
#define ID_DEMO_CONTACTS 0x8023
