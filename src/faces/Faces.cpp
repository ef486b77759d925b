// CFaces: the emoticon catalogue read from faces.ini.

#include <Faces.h>
#include <VoHelpers.h>

#include <afxlite/AfxProfile.h>

#include <LangDB.h>

#include <new>

namespace {

const wchar_t kSection[] = L"FACE";
const wchar_t kCountKey[] = L"facenum";
const unsigned int kMaxFaces = 255;
const unsigned int kDefaultFaces = 49;
// Values are read into buffers of 256 characters: longer ones keep their first 255.
const DWORD kMaxValueChars = 255;

// The number of positions: a missing (or empty) value reads as -1 and a value above 255 gives
// 49; a value that is not a number gives 0.
unsigned int ReadFaceCount(const wchar_t* path)
{
    const CString value = AfxGetProfileText(path, kSection, kCountKey, L"", kMaxValueChars);
    const unsigned int count = value.IsEmpty()
                                   ? static_cast<unsigned int>(-1)
                                   : static_cast<unsigned int>(AfxGetProfileNumber(path, kSection, kCountKey, 0));
    return count > kMaxFaces ? kDefaultFaces : count;
}

CString ReadValue(const wchar_t* path, const wchar_t* format, unsigned int position)
{
    CString key;
    key.Format(format, position);
    return AfxGetProfileText(path, kSection, key, L"", kMaxValueChars);
}

} // namespace

void CFaces::Init()
{
    if (m_ppfaces != nullptr)
        return;
    CString folder;
    GetExePath(folder);
    const CString path = folder + L"\\lang\\" + CLangDB::Instance()->GetLangString(-1) + L"\\faces.ini";
    LoadFrom(path);
}

void CFaces::LoadFrom(const wchar_t* path)
{
    if (m_ppfaces != nullptr)
        return;
    m_nNum = ReadFaceCount(path);
    m_ppfaces = new (std::nothrow) COneFace*[m_nNum]();
    if (m_ppfaces == nullptr)
        return;
    for (unsigned int i = 0; i < m_nNum; ++i) {
        CString keys = ReadValue(path, L"key%03u", i + 1);
        if (keys.IsEmpty())
            continue;
        COneFace* face = new COneFace(static_cast<int>(i));
        face->SetKey(keys);
        face->SetTip(ReadValue(path, L"tip%03u", i + 1));
        m_ppfaces[i] = face;
    }
}

void CFaces::Release()
{
    if (m_ppfaces == nullptr)
        return;
    for (unsigned int i = 0; i < m_nNum; ++i)
        delete m_ppfaces[i];
    delete[] m_ppfaces;
    m_ppfaces = nullptr;
}

COneFace* CFaces::GetFace(const wchar_t* text, int* length)
{
    if (m_ppfaces == nullptr || text == nullptr || *text == L'\0' || COneFace::g_strFirsts.Find(*text) < 0)
        return nullptr;
    for (unsigned int i = 0; i < m_nNum; ++i) {
        COneFace* face = m_ppfaces[i];
        if (face != nullptr && face->HasKey(text, length))
            return face;
    }
    return nullptr;
}

COneFace* CFaces::GetFace(unsigned int index)
{
    if (m_ppfaces == nullptr || index >= m_nNum)
        return nullptr;
    return m_ppfaces[index];
}

unsigned int CFaces::GetFaceNum()
{
    return m_nNum;
}
