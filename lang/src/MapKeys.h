// KeysOf: the keys of a std::map keyed by CString, in the map's order (used to list the
// identifiers and names a module or dialog holds).
#pragma once

#include "afxlite/CString.h"

#include <vector>

template <typename Map>
std::vector<CString> KeysOf(const Map& map)
{
    std::vector<CString> keys;
    keys.reserve(map.size());
    for (const auto& entry : map)
        keys.push_back(entry.first);
    return keys;
}
