// Embeds an object of the emoticon animation component in a rich-edit control the way the chat
// view embeds emoticons: a storage on memory, the control's client site, the object marked as
// contained, inserted at the insertion point below the baseline with a user value, started,
// activated and shown, and the control redrawn. Shared by the component's tests and benchmark.
#pragma once

#include "../../components/faceanim/include/FaceAnimator.h"

#include <comdef.h>
#include <richedit.h>
#include <richole.h>

#include <initializer_list>

inline HRESULT EmbedFace(HWND hEdit, IRichEditOle* pRichEdit, IFaceAnimator* pAnimator, DWORD dwUser)
{
    ILockBytes* pBytes = nullptr;
    HRESULT hr = ::CreateILockBytesOnHGlobal(nullptr, TRUE, &pBytes);
    if (FAILED(hr))
        return hr;
    IStorage* pStorage = nullptr;
    hr = ::StgCreateDocfileOnILockBytes(pBytes, STGM_SHARE_EXCLUSIVE | STGM_CREATE | STGM_READWRITE, 0, &pStorage);
    pBytes->Release();
    IOleClientSite* pSite = nullptr;
    if (SUCCEEDED(hr))
        hr = pRichEdit->GetClientSite(&pSite);
    IOleObject* pObject = nullptr;
    if (SUCCEEDED(hr))
        hr = pAnimator->QueryInterface(IID_IOleObject, reinterpret_cast<void**>(&pObject));
    REOBJECT reobject = {};
    reobject.cbStruct = sizeof(reobject);
    if (SUCCEEDED(hr)) {
        ::OleSetContainedObject(pObject, TRUE);
        hr = pObject->GetUserClassID(&reobject.clsid);
    }
    if (SUCCEEDED(hr)) {
        reobject.cp = REO_CP_SELECTION;
        reobject.poleobj = pObject;
        reobject.pstg = pStorage;
        reobject.polesite = pSite;
        reobject.dvaspect = DVASPECT_CONTENT;
        reobject.dwFlags = REO_BELOWBASELINE;
        reobject.dwUser = dwUser;
        hr = pRichEdit->InsertObject(&reobject);
    }
    if (SUCCEEDED(hr)) {
        pAnimator->Play(nullptr);
        pObject->DoVerb(OLEIVERB_UIACTIVATE, nullptr, pSite, 0, hEdit, nullptr);
        pObject->DoVerb(OLEIVERB_SHOW, nullptr, pSite, 0, hEdit, nullptr);
        ::RedrawWindow(hEdit, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
    }
    for (IUnknown* pUnknown :
         {static_cast<IUnknown*>(pObject), static_cast<IUnknown*>(pSite), static_cast<IUnknown*>(pStorage)})
        if (pUnknown != nullptr)
            pUnknown->Release();
    return hr;
}
