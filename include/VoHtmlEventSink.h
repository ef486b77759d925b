// CVoHtmlEventSink: the listener a caller hands to CVoHtml to follow the embedded browser's
// navigation: it can watch and cancel navigations, stop error pages and pop-up windows. Derive
// from it and override what you need; the defaults change nothing (a navigation error is not
// cancelled).
#pragma once

#include "VoDef.h"

#include <oaidl.h>

class VO_API CVoHtmlEventSink {
public:
    // A navigation failed with status (an HTTP status or an error code); set *pbCancel to a value
    // above 0 to stop the browser's error page. Default: *pbCancel = FALSE.
    virtual void OnNavigateError(const wchar_t* url, const wchar_t* frame, DWORD status, BOOL* pbCancel);
    // Before a navigation; *pbCancel = TRUE cancels it. The arguments are the browser's own.
    virtual void OnBeforeNavigate2(IDispatch* pDisp, VARIANT* pURL, VARIANT* pFlags, VARIANT* pTargetFrameName,
                                   VARIANT* pPostData, VARIANT* pHeaders, BOOL* pbCancel);
    // The page asks for a new window; *pbCancel = TRUE blocks it, *ppDisp may name a browser
    // to open it in.
    virtual void OnNewWindow2(IDispatch** ppDisp, BOOL* pbCancel);
    // A document (of the page or of one of its frames) finished loading.
    virtual void DocumentComplete(IDispatch* pDisp, VARIANT* pURL);
    // A navigation arrived at url.
    virtual void OnNavigateComplete(IDispatch* pDisp, const wchar_t* url);
};
