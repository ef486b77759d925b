// The language database: current language from <base>\lang.ini, module sets loaded from
// <base>\<language>\<module>.xml.
#include "vo_lang/CLangDB.h"

#include "CLangXmlReader.h"

#include <afxlite/AfxPath.h>
#include <afxlite/AfxProfile.h>

#include <algorithm>

namespace {

const wchar_t kDefaultLanguage[] = L"chs";
const wchar_t kSettingsFile[] = L"lang.ini";
const wchar_t kSettingsSection[] = L"Language";
const wchar_t kSettingsKey[] = L"current";
const wchar_t kLangFolder[] = L"lang";

// The longest language name read from the settings file (a buffer of MAX_PATH characters).
const DWORD kMaxLanguageChars = MAX_PATH - 1;

bool FolderExists(const CString& path)
{
    const DWORD attributes = GetFileAttributesW(path);
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

CString ReadLanguage(const CString& baseFolder)
{
    const CString settings = baseFolder + L"\\" + kSettingsFile;
    CString language = AfxGetProfileText(settings, kSettingsSection, kSettingsKey, L"", kMaxLanguageChars);
    language.Trim();
    // A language must name a folder directly below the base folder: no path, no wildcards.
    if (!AfxIsPlainFileName(language) || !FolderExists(baseFolder + L"\\" + language))
        return kDefaultLanguage;
    return language;
}

// "vo_share.xml" (or "some\path\vo_share.xml") gives "vo_share"; null gives "".
CString ModuleNameOf(LPCTSTR file)
{
    if (file == nullptr)
        return CString();
    CString name(file);
    name = name.Mid(std::max(name.ReverseFind(L'\\'), name.ReverseFind(L'/')) + 1);
    const int dot = name.ReverseFind(L'.');
    return dot < 0 ? name : name.Left(dot);
}

} // namespace

CLangDB* CLangDB::Instance()
{
    // Built on first use; destroyed, with every module set it loaded, when the DLL unloads.
    static CLangDB database(nullptr);
    return &database;
}

CLangDB::CLangDB(LPCTSTR baseFolder)
    : m_strBaseFolder(baseFolder != nullptr ? CString(baseFolder) : AfxGetModuleFolder(nullptr) + L"\\" + kLangFolder)
{
    m_strBaseFolder.TrimRight(L'\\');
    m_strLanguage = ReadLanguage(m_strBaseFolder);
}

CLangDB::~CLangDB() = default;

int CLangDB::load(LPCTSTR file, int /*reserved1*/, int /*reserved2*/)
{
    const CString module = ModuleNameOf(file);
    if (module.IsEmpty())
        return 0;
    const std::lock_guard<std::mutex> guard(m_lock);
    if (m_mapModules.count(module) != 0)
        return 1;
    auto set = std::make_unique<CLangProRC>();
    if (!CLangXmlReader::Read(m_strBaseFolder + L"\\" + m_strLanguage + L"\\" + file, *set))
        return 0;
    m_mapModules.emplace(module, std::move(set));
    return 1;
}

CLangProRC* CLangDB::get(LPCTSTR module)
{
    if (module == nullptr)
        return nullptr;
    const std::lock_guard<std::mutex> guard(m_lock);
    const auto it = m_mapModules.find(CString(module));
    return it == m_mapModules.end() ? nullptr : it->second.get();
}

CString CLangDB::GetLangString(LANG_TYPE type) const
{
    return type == LANG_CURRENT ? m_strLanguage : CString();
}
