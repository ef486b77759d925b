// The run-time support of comdef.h / comutil.h that MinGW declares but no MinGW library defines:
// the error raiser used with an interface's rich error information, and the ANSI conversions
// of _bstr_t. Defined once here so that every module shares them; the _com_error they throw is
// caught in any module because all modules use the one shared C++ runtime.
#include "afxlite/AfxDef.h"

#include <comdef.h>

namespace {

// The IErrorInfo that pUnknown left for interface riid, if it supports rich error information.
IErrorInfo* ErrorInfoOf(IUnknown* pUnknown, REFIID riid)
{
    if (!pUnknown)
        return nullptr;
    ISupportErrorInfo* support = nullptr;
    if (FAILED(pUnknown->QueryInterface(IID_ISupportErrorInfo, reinterpret_cast<void**>(&support))))
        return nullptr;
    IErrorInfo* info = nullptr;
    if (support->InterfaceSupportsErrorInfo(riid) != S_OK || GetErrorInfo(0, &info) != S_OK)
        info = nullptr;
    support->Release();
    return info;
}

} // namespace

__declspec(dllexport) void WINAPI _com_issue_errorex(HRESULT hr, IUnknown* pUnknown, REFIID riid)
{
    // _com_error takes over the reference ErrorInfoOf obtained.
    throw _com_error(hr, ErrorInfoOf(pUnknown, riid), false);
}

namespace _com_util {

__declspec(dllexport) BSTR WINAPI ConvertStringToBSTR(const char* pSrc)
{
    if (!pSrc)
        return nullptr;
    const int length = MultiByteToWideChar(CP_ACP, 0, pSrc, -1, nullptr, 0);
    if (length <= 0)
        return nullptr;
    BSTR result = SysAllocStringLen(nullptr, static_cast<UINT>(length - 1));
    if (result && MultiByteToWideChar(CP_ACP, 0, pSrc, -1, result, length) <= 0) {
        SysFreeString(result);
        return nullptr;
    }
    return result;
}

// The result is released by _bstr_t with delete[].
__declspec(dllexport) char* WINAPI ConvertBSTRToString(BSTR pSrc)
{
    if (!pSrc)
        return nullptr;
    const int sourceLength = static_cast<int>(SysStringLen(pSrc)) + 1; // with the null
    const int length = WideCharToMultiByte(CP_ACP, 0, pSrc, sourceLength, nullptr, 0, nullptr, nullptr);
    if (length <= 0)
        return nullptr;
    char* result = new char[static_cast<size_t>(length)];
    WideCharToMultiByte(CP_ACP, 0, pSrc, sourceLength, result, length, nullptr, nullptr);
    return result;
}

} // namespace _com_util
