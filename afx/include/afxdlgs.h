// Common dialogs of the framework (file dialogs join here) on top of the dialog class.
#pragma once

#include "afxwin.h"
#include "afxlite/CFileDialog.h"
