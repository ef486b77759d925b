// Internet classes of the framework over WinInet: sessions, HTTP connections and requests,
// the URL splitter and the exception they throw.
#pragma once

#include "afxlite/AfxDef.h"
#include "afxlite/AfxParseURL.h"
#include "afxlite/CInternetException.h"
#include "afxlite/CInternetSession.h"
#include "afxlite/CInternetConnection.h"
#include "afxlite/CHttpConnection.h"
#include "afxlite/CInternetFile.h"
#include "afxlite/CHttpFile.h"
