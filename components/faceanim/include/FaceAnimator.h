// The emoticon animation component (faceanim.dll): an in-process COM server whose objects play
// one GIF picture inside a rich-edit control. A caller creates the class, hands it the picture
// file, embeds its OLE object (IOleObject) in the control and starts it:
//     CoCreateInstance(CLSID_FaceAnimator, nullptr, CLSCTX_ALL, IID_IFaceAnimator, ...)
//     animator->LoadFromFile(bstrPath); ... IRichEditOle::InsertObject ...; animator->Play(&playing)
// The library works without it (still pictures) when the class is not registered.
#pragma once

#include <objbase.h>

// {06ADA938-0FB0-4BC0-B19B-0A38AB17F182}
DEFINE_GUID(CLSID_FaceAnimator, 0x06ada938, 0x0fb0, 0x4bc0, 0xb1, 0x9b, 0x0a, 0x38, 0xab, 0x17, 0xf1, 0x82);
// {0C1CF2DF-05A3-4FEF-8CD4-F5CFC4355A16}
DEFINE_GUID(IID_IFaceAnimator, 0x0c1cf2df, 0x05a3, 0x4fef, 0x8c, 0xd4, 0xf5, 0xcf, 0xc4, 0x35, 0x5a, 0x16);

struct IFaceAnimator : public IUnknown {
    // Decodes the GIF (or any picture the platform's imaging component reads) in the file.
    // S_OK, or an error when the file cannot be read or decoded; the object then stays empty.
    virtual HRESULT STDMETHODCALLTYPE LoadFromFile(BSTR bstrFileName) = 0;
    // Starts the animation; *pbPlaying (may be null) is VARIANT_TRUE when the picture has more
    // than one frame to play. The object draws its first frame either way.
    virtual HRESULT STDMETHODCALLTYPE Play(VARIANT_BOOL* pbPlaying) = 0;
};

#ifdef __CRT_UUID_DECL
__CRT_UUID_DECL(IFaceAnimator, 0x0c1cf2df, 0x05a3, 0x4fef, 0x8c, 0xd4, 0xf5, 0xcf, 0xc4, 0x35, 0x5a, 0x16)
#endif
