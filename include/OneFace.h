// COneFace: one emoticon of the catalogue (CFaces): its position, one or two shortcut texts that
// stand for it in a message, the tip the picker shows, and the picture file of its position.
#pragma once

#include "VoDef.h"

#include <afx.h>

class VO_API COneFace {
public:
    explicit COneFace(int index);
    COneFace(const COneFace& other) = default;
    COneFace& operator=(const COneFace& other) = default;
    ~COneFace() = default;

    // Splits text at its first space into the first shortcut and the rest (the second, which
    // may hold further spaces). A text with no space, or whose first space is its first
    // character, is one shortcut taken whole. Records the first character of every shortcut
    // set in g_strFirsts.
    void SetKey(CString& text);
    void SetTip(const wchar_t* text);

    // "<exe folder>\images\NNN.gif" with NNN the position + 1 in at least three digits.
    void GetFileName(CString& path) const;

    // 1 when text begins with m_strKey1, else with m_strKey2 (empty shortcuts are skipped),
    // compared over the shortcut's length without regard to letter case; *length then gets that
    // length. 0 otherwise, *length unchanged.
    int HasKey(const wchar_t* text, int* length) const;

    int m_nIndex;      // catalogue position from 0; the picture file is number m_nIndex + 1
    CString m_strKey1; // first shortcut; never empty in a catalogue entry
    CString m_strKey2; // second shortcut or empty
    CString m_strTip;  // picker tip or empty

    // First characters of every shortcut set so far, each once, in the order first met. Only
    // grows: nothing clears it, so a lookup never misses a shortcut of a catalogue loaded
    // earlier.
    static CString g_strFirsts;

private:
    static void AddFirst(const CString& key);
};
