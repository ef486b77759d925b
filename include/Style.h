// CStyle: the colours of the client's lines, buttons and multi-party windows, read from the one
// style file <exe folder>\res\style.ini (section "Sytem", spelled as the shipped files spell it). Independent of the skins.
#pragma once

#include "VoDef.h"

#include <afx.h>

class VO_API CStyle {
public:
    CStyle();
    CStyle(const CStyle& other) = default;
    CStyle& operator=(const CStyle& other) = default;
    virtual ~CStyle();

    // Reads every colour from the style file; a missing file or key gives the key's default
    // colour, a key present with an empty value keeps the colour as it was.
    void LoadConfig();

    CString m_strText; // carried along by copies; no operation of the class sets it
    COLORREF m_clrTintLine;
    COLORREF m_clrFuscousLine;
    COLORREF m_clrBtn;
    COLORREF m_clrReserved; // carried along by copies; no operation of the class sets it
    COLORREF m_clrMultBtn;
    COLORREF m_clrMultVideoBK;
    COLORREF m_clrMultVideoBorder;
    COLORREF m_clrMultBK;
};
