// Resource identifiers of the message box dialog (MsgBox.rc).
#pragma once

#define IDD_VO_MSGBOX 6152
#define IDC_VO_MSGBOX_TEXT 6032
