// Small helpers shared by the library and its hosts: the executable's folder, head-image file
// names, the picture-service addresses, menu item texts, enabling a dialog's controls at once,
// copying a parent's background and finding a top-level window by class name.
#pragma once

#include "VoDef.h"

#include <afx.h>

class CDC;
class CWnd;

// Folder of the running executable, without a trailing backslash. Computed once and cached;
// out is left unchanged when the executable's name cannot be read.
VO_API void GetExePath(CString& out);
// The executable's folder followed by "\tmp" (neither created nor checked).
VO_API void GetTmpPath(CString& out);

// Picture download and upload addresses, read from <exe folder>\config\multichat.ini
// (section "roominfo", keys "picurldown" and "picurlup") when the library is loaded.
VO_API CString GetFaceUrlDown();
VO_API CString GetFaceUrlUp();

// "<folder><subfolder>\<number>.jpg": folder and subfolder are joined without a separator,
// so subfolder normally begins with a backslash.
VO_API void GetSysImageFile(const wchar_t* folder, const wchar_t* subfolder, int number, CString& out);
// "<folder>\<name>.jpg"
VO_API void GetPerImageFile(const wchar_t* folder, const wchar_t* name, CString& out);

// Head image 99999 is the user's own picture; every other number is a system picture.
VO_API int GetCustomId();
VO_API int IsSysImage(int number);

// Sets the text of a menu item, turning it into a plain string item (an owner-drawn item
// loses its owner-drawn type). byPosition selects item as a position instead of a command id.
VO_API void SetMenuItemText(HMENU menu, int item, CString text, int byPosition);
// Text of a menu item; out is empty when the item does not exist or has no text.
VO_API void GetMenuItemText(HMENU menu, int item, CString& out, int byPosition);

// Enables or disables the direct children of parent that are buttons, combo boxes, list
// views and rich edits. Edit controls stay enabled and are made read-only instead, so their
// text remains readable and selectable. Other children and grandchildren are left alone.
VO_API void EnableControls(CWnd* parent, int enable);

// Copies the part of the parent's client area that lies under window to target's origin.
// Does nothing when the window has no parent or no device context can be had.
VO_API void Parent2Here(CWnd* window, CDC* target);

// First top-level window whose class name equals className in full, ignoring case; null if
// none. Child windows are not searched.
VO_API HWND FindWindowByClassName(const wchar_t* className);
