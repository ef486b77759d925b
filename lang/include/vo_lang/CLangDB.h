// CLangDB: the client's language database. It knows the current language and loads the
// texts of each module from <base>\<language>\<module>.xml into a CLangProRC it owns.
//
// The process-wide instance (Instance) uses <exe folder>\lang as its base folder. The
// current language is read once, when a database is made, from the settings file
// <base>\lang.ini:
//     [Language]
//     current=chs
// A missing file, key or value, a value that is not a plain folder name, or a language
// whose folder does not exist gives "chs".
//
// Module sets live as long as their database: those of Instance are freed when vo_lang.dll
// unloads. Loading and lookups may come from any thread.
#pragma once

#include "vo_lang/CLangProRC.h"
#include "vo_lang/LangDef.h"

#include "afxlite/CString.h"

#include <map>
#include <memory>
#include <mutex>

class VO_LANG_API CLangDB {
public:
    // The process-wide database over <exe folder>\lang; never fails.
    static CLangDB* Instance();

    // A database over the base folder baseFolder (nullptr: <exe folder>\lang). Tools and
    // tests use it to read other trees; the library itself only uses Instance.
    explicit CLangDB(LPCTSTR baseFolder);
    ~CLangDB();
    CLangDB(const CLangDB&) = delete;
    CLangDB& operator=(const CLangDB&) = delete;

    // Loads the module text file file (such as "vo_share.xml") of the current language; the
    // module is named after the file without its extension ("vo_share"). Returns 1 when the
    // module is loaded (also when it was already), 0 when the file is missing, malformed or
    // not a module text file; then nothing is kept. The two numbers are reserved (pass 0).
    // The calling thread need not have initialised COM: the load brackets itself with
    // CoInitializeEx/CoUninitialize, which nests harmlessly inside the caller's own.
    int load(LPCTSTR file, int reserved1 = 0, int reserved2 = 0);

    // The loaded texts of module (case-insensitive), or nullptr when it is not loaded.
    CLangProRC* get(LPCTSTR module);

    // LANG_CURRENT (-1): the current language's folder name. Any other value: empty.
    CString GetLangString(LANG_TYPE type) const;
    CString GetLangString(int type) const { return GetLangString(static_cast<LANG_TYPE>(type)); }

    // The base folder holding lang.ini and the language folders (no trailing backslash).
    CString GetBaseFolder() const { return m_strBaseFolder; }

private:
    struct NoCaseLess {
        bool operator()(const CString& a, const CString& b) const { return a.CompareNoCase(b) < 0; }
    };

    CString m_strBaseFolder;
    CString m_strLanguage;
    std::map<CString, std::unique_ptr<CLangProRC>, NoCaseLess> m_mapModules;
    std::mutex m_lock; // guards m_mapModules
};
