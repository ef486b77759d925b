// CStretchedPieceCache: pieces of pictures, stretched once to the size they are drawn at and kept
// selected in memory contexts of their own, so that drawing a piece again is one block transfer
// (an opaque piece or a plain copy) or two (a piece with transparent pixels), with no selection
// and no stretching. The pixels are exactly those of StretchTrans (masked pieces, whose pictures
// are black where the mask is white, as CreateBitmapMask leaves them) or of a plain StretchBlt
// (pieces without a mask) for every target the cache accepts.
//
// Bounded: at most kMaxPieces pieces and kMaxPixels pixels in all (larger pieces are not kept);
// the piece drawn longest ago goes first. A piece is known by the handles of its picture and
// mask, its source rectangle, its target size and the target's stretching mode: the owner
// empties the cache when it changes or releases a picture. Used by one thread at a time.
#pragma once

#include <afxgdi.h>

#include <memory>
#include <vector>

class CStretchedPieceCache {
public:
    static const size_t kMaxPieces = 64;
    static const size_t kMaxPixels = 2 * 1024 * 1024;

    CStretchedPieceCache();
    ~CStretchedPieceCache();

    CStretchedPieceCache(const CStretchedPieceCache&) = delete;
    CStretchedPieceCache& operator=(const CStretchedPieceCache&) = delete;

    // Whether pieces drawn into hTarget come out as the uncached transfers would draw them: a
    // display or memory context in 32-bit colour, text mapping mode, left to right, without a
    // world transform and not halftoning.
    static bool Accepts(HDC hTarget);

    // Draws the part rcSource of hPicture into rcTarget of hTarget, through hMask as StretchTrans
    // does, or as a plain copy without a mask. False, with nothing drawn, when the cache does not
    // take the piece (a target Accepts refuses, empty or mirrored rectangles, a source beyond the
    // picture, a picture that cannot be selected, a piece too large): the caller draws it itself.
    bool Draw(HDC hTarget, HBITMAP hPicture, HBITMAP hMask, const CRect& rcTarget, const CRect& rcSource);

    // Releases every piece.
    void Empty();

    // Pieces held now.
    size_t GetCount() const { return m_pieces.size(); }

private:
    struct Key {
        HBITMAP hPicture;
        HBITMAP hMask;
        CRect rcSource;
        CSize size;
        int nStretchMode;

        bool operator==(const Key& other) const;
    };
    class CPiece;

    CPiece* Find(const Key& key);
    CPiece* Add(const Key& key, HDC hTarget);
    void MakeRoomFor(size_t nPixels);

    std::vector<std::unique_ptr<CPiece>> m_pieces;
    size_t m_nPixels;  // pixels of the pieces held
    unsigned m_nClock; // counts draws; each piece remembers its last
};
