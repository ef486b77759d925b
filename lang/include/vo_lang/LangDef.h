// Export macro and shared types of the language library vo_lang.dll. VO_LANG_API exports
// while vo_lang itself is built (VO_LANG_BUILD) and imports everywhere else.
#pragma once

#ifdef VO_LANG_BUILD
#define VO_LANG_API __declspec(dllexport)
#else
#define VO_LANG_API __declspec(dllimport)
#endif

// What CLangDB::GetLangString answers.
enum LANG_TYPE : int // fixed type: any int converts to it safely
{
    LANG_CURRENT = -1, // folder name of the current language, such as "chs" or "en"
};
