// The file-transfer component (transfile.dll): an in-process COM server whose objects show one
// file transfer inside a rich-edit control: a caption or status line, the file's name and size,
// and a progress bar. A caller creates the class with OleCreate (IOleObject), embeds it, and
// drives it through its dispatch interface ITransFile by member id:
//     1 TransferId  property, VT_I2: the transfer the object stands for
//     2 SetFileInfo (BSTR fileName, double sizeInBytes)
//     3 SetProgress (short percent, 0 to 100)
//     4 SetStatus   (BSTR text, VARIANT_BOOL final): final ends the transfer (the bar stops)
//     5 Status      read-only property, VT_BSTR: the status line shown
//     6 Progress    read-only property, VT_I2: the percent shown
//     7 Final       read-only property, VT_BOOL: whether the transfer has ended
// The library works without it (a "not installed" line) when the class is not registered.
#pragma once

#include <oaidl.h>

// {A6534E41-0077-4E6C-8CC9-D28986B517DF}
DEFINE_GUID(CLSID_TransFile, 0xa6534e41, 0x0077, 0x4e6c, 0x8c, 0xc9, 0xd2, 0x89, 0x86, 0xb5, 0x17, 0xdf);
// {1819CAC0-DF19-48C5-91E2-7262201B805D}
DEFINE_GUID(DIID_ITransFile, 0x1819cac0, 0xdf19, 0x48c5, 0x91, 0xe2, 0x72, 0x62, 0x20, 0x1b, 0x80, 0x5d);

// A dispatch interface: every member is reached through IDispatch::Invoke.
struct ITransFile : public IDispatch {};

enum TRANSFILE_DISPID {
    DISPID_TRANSFILE_TRANSFERID = 1,
    DISPID_TRANSFILE_SETFILEINFO = 2,
    DISPID_TRANSFILE_SETPROGRESS = 3,
    DISPID_TRANSFILE_SETSTATUS = 4,
    DISPID_TRANSFILE_STATUS = 5,
    DISPID_TRANSFILE_PROGRESS = 6,
    DISPID_TRANSFILE_FINAL = 7,
};

#ifdef __CRT_UUID_DECL
__CRT_UUID_DECL(ITransFile, 0x1819cac0, 0xdf19, 0x48c5, 0x91, 0xe2, 0x72, 0x62, 0x20, 0x1b, 0x80, 0x5d)
#endif
