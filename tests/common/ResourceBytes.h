// The bytes of a test program's own resources, such as the pictures it writes out to files.
#pragma once

#include <windows.h>

#include <string>

// The bytes of the program's RCDATA resource id (empty when missing).
inline std::string ResourceBytes(UINT id)
{
    HRSRC resource = ::FindResourceW(nullptr, MAKEINTRESOURCEW(id), RT_RCDATA);
    HGLOBAL data = resource ? ::LoadResource(nullptr, resource) : nullptr;
    const char* bytes = data ? static_cast<const char*>(::LockResource(data)) : nullptr;
    return bytes ? std::string(bytes, ::SizeofResource(nullptr, resource)) : std::string();
}
