// CFaces: the process-wide emoticon catalogue, read once from the file faces.ini in
// <exe folder>\lang\<language>. Positions hold a COneFace or nothing; the chat view turns
// shortcut texts into emoticons through it and the picker lists it. User-interface thread only.
#pragma once

#include "OneFace.h"
#include "VoDef.h"

class VO_API CFaces {
public:
    CFaces() = default;
    CFaces(const CFaces&) = default;
    CFaces& operator=(const CFaces&) = default;
    ~CFaces() = default;

    // Loads the catalogue of the current language unless it is loaded. A missing file gives
    // 49 empty positions.
    static void Init();
    // Deletes every entry and the array; m_nNum and COneFace::g_strFirsts keep their values.
    static void Release();

    // The emoticon whose shortcut begins text (the lowest position wins, and within one entry
    // the first shortcut), with the shortcut's length in *length; null when there is none, the
    // catalogue is not loaded, or text's first character starts no shortcut (an exact test).
    static COneFace* GetFace(const wchar_t* text, int* length);
    // The entry at position index; null when not loaded, index >= m_nNum, or the position is
    // empty.
    static COneFace* GetFace(unsigned int index);
    static unsigned int GetFaceNum();

    static COneFace** m_ppfaces; // one slot per position, null where empty; null when not loaded
    static unsigned int m_nNum;  // number of positions, at most 255

protected:
    // Loads the catalogue from the settings file path (Init builds the path of the current
    // language); does nothing when loaded already.
    static void LoadFrom(const wchar_t* path);
};
