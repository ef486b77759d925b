// DHTML dialogs of the framework: CDHtmlDialog hosting the platform's web browser control, with
// the browser's and the document's interfaces.
#pragma once

#include "afxwin.h"

#include <exdisp.h>
#include <exdispid.h>
#include <mshtml.h>
#include <mshtmhst.h>

#include "afxlite/AfxEventSink.h"
#include "afxlite/CDHtmlDialog.h"
