// Resource identifiers of the skin chooser dialog.
#pragma once

#define IDD_SKIN_CHOOSER 6356
#define IDC_SKIN_LIST 6021
#define IDC_SKIN_PREVIEW 6022
#define IDC_SKIN_REFRESH 6024
