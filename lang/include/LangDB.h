// The language library vo_lang.dll: the language database CLangDB, the texts of one module
// CLangProRC and of one dialog CLangRCDlg. Include this header to use any of them.
#pragma once

#include "vo_lang/CLangDB.h"
#include "vo_lang/CLangProRC.h"
#include "vo_lang/CLangRCDlg.h"
#include "vo_lang/LangDef.h"
