// The HTML dialog's listener: defaults that change nothing.
#include <VoHtmlEventSink.h>

void CVoHtmlEventSink::OnNavigateError(const wchar_t*, const wchar_t*, DWORD, BOOL* pbCancel)
{
    if (pbCancel != nullptr)
        *pbCancel = FALSE;
}

void CVoHtmlEventSink::OnBeforeNavigate2(IDispatch*, VARIANT*, VARIANT*, VARIANT*, VARIANT*, VARIANT*, BOOL*)
{
}

void CVoHtmlEventSink::OnNewWindow2(IDispatch**, BOOL*)
{
}

void CVoHtmlEventSink::DocumentComplete(IDispatch*, VARIANT*)
{
}

void CVoHtmlEventSink::OnNavigateComplete(IDispatch*, const wchar_t*)
{
}
