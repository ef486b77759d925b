// CImageShow: a still picture (JPEG, GIF, BMP, icon, metafile) loaded from a file through the
// system's picture loader (OleLoadPicturePath, IPicture) and drawn into any device context.
// The emoticon picker and the chat view draw still emoticons with it.
#pragma once

#include "VoDef.h"

#include <afx.h>
#include <ocidl.h>

class VO_API CImageShow {
public:
    CImageShow();
    // Loads path at once (LoadFile).
    explicit CImageShow(const wchar_t* path);
    // A copy holds its own reference to the same picture.
    CImageShow(const CImageShow& other);
    CImageShow& operator=(const CImageShow& other);
    ~CImageShow();

    // Releases any picture, then loads path. The pixel size follows from the picture's size
    // in 0.01 mm and the screen's resolution. 1 on success; 0 leaves the object empty, also for
    // a picture (a metafile) that claims a side longer than 16,384 pixels or a negative one.
    int LoadFile(const wchar_t* path);
    // Releases the picture; every field becomes 0.
    void UnloadFile();

    // The picture's size in pixels (0 by 0 when empty).
    void GetImagePix(int& width, int& height) const;

    // Draws the picture at rect's top-left corner: a transparent picture at its own size over
    // the system window colour, clipped to rect; any other picture scaled to rect. The
    // picture's palette, if any, is selected and realised for the drawing. Draws nothing when
    // empty.
    void Draw(HDC dc, RECT rect) const;

    // Shows an Open dialog for pictures (default extension "jpg", the file must exist) owned
    // by parent; a chosen file goes to path and is loaded (LoadFile's result). 0 when the user
    // cancels.
    int OpenImageFileDlg(HWND parent, CString& path);

protected:
    IPicture* m_pPicture;   // the loaded picture, or null
    int m_nWidth;           // width in pixels
    int m_nHeight;          // height in pixels
    long m_lHimetricWidth;  // width in 0.01 mm
    long m_lHimetricHeight; // height in 0.01 mm

private:
    void Clear();
    void RenderOver(HDC dc, const RECT& rect) const;
};
