// Export macro of vo_share.dll: VO_API marks every exported class and function.
// The library itself is built with VO_SHARE_BUILD (dllexport); hosts see dllimport.
#pragma once

#ifdef VO_SHARE_BUILD
#define VO_API __declspec(dllexport)
#else
#define VO_API __declspec(dllimport)
#endif
