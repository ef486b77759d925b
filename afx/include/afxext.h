// Framework extensions: everything of afxwin.h; control bars (CToolBar) join here.
#pragma once

#include "afxwin.h"
