// Framework extensions: everything of afxwin.h and the toolbar (CToolBar).
#pragma once

#include "afxwin.h"

#include "afxlite/CToolBar.h"
