// The short-message store tests' fixture: COM, base folder, controls, file and tree helpers.
#include "SmsTestSupport.h"

#include <fstream>
#include <iterator>

namespace {

const UINT kListId = 201;
const UINT kTreeId = 202;

// Deletes a folder with everything below it.
void RemoveFolder(const std::wstring& folder)
{
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW((folder + L"\\*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            const std::wstring name = found.cFileName;
            if (name == L"." || name == L"..")
                continue;
            const std::wstring path = folder + L"\\" + name;
            if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                RemoveFolder(path);
            else
                DeleteFileW(path.c_str());
        } while (FindNextFileW(search, &found));
        FindClose(search);
    }
    RemoveDirectoryW(folder.c_str());
}

} // namespace

void SmsStoreTest::SetUp()
{
    ASSERT_TRUE(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)));
    wchar_t temp[MAX_PATH] = {};
    ASSERT_NE(0u, GetTempPathW(MAX_PATH, temp));
    std::wstring folder = temp;
    if (!folder.empty() && folder.back() == L'\\')
        folder.pop_back();
    const char* test = ::testing::UnitTest::GetInstance()->current_test_info()->name();
    m_base = folder + L"\\vo_sms_" + std::to_wstring(GetCurrentProcessId()) + L"_" +
             std::wstring(test, test + strlen(test));
    RemoveFolder(m_base);
    ASSERT_TRUE(CreateDirectoryW(m_base.c_str(), nullptr));
    ASSERT_TRUE(CreateDirectoryW(PathOf(L"sms").c_str(), nullptr));

    ASSERT_TRUE(m_frame.CreateEx(0, AfxRegisterWndClass(0), L"sms test", WS_OVERLAPPEDWINDOW, 0, 0, 400, 300,
                                 nullptr, nullptr));
    ASSERT_TRUE(m_list.Create(WS_VISIBLE | LVS_REPORT, CRect(0, 0, 380, 140), &m_frame, kListId));
    for (int column = 0; column < 5; ++column)
        ASSERT_EQ(column, m_list.InsertColumn(column, L"column", LVCFMT_LEFT, 60));
    ASSERT_TRUE(m_tree.Create(WS_VISIBLE | TVS_HASLINES, CRect(0, 140, 380, 280), &m_frame, kTreeId));
}

void SmsStoreTest::TearDown()
{
    if (m_tree.GetSafeHwnd()) {
        EXPECT_EQ(0, FreeTree());  // every folder item carried its map
    }
    m_frame.DestroyWindow();
    AfxDeleteTempMaps();
    RemoveFolder(m_base);
    CoUninitialize();
}

IXMLDOMDocumentPtr SmsStoreTest::Parse(const std::wstring& text)
{
    IXMLDOMDocumentPtr doc;
    EXPECT_EQ(S_OK, CConvertXml::CStringToXml(text.c_str(), doc)) << "does not parse: " << testing::PrintToString(text);
    return doc;
}

ULONG SmsStoreTest::References(IXMLDOMDocumentPtr& doc)
{
    doc->AddRef();
    return doc->Release();
}

bool SmsStoreTest::Exists(const std::wstring& relative) const
{
    return GetFileAttributesW(PathOf(relative).c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::string SmsStoreTest::ReadBytes(const std::wstring& relative) const
{
    std::ifstream file(PathOf(relative).c_str(), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

std::vector<std::wstring> SmsStoreTest::FilesIn(const std::wstring& relative) const
{
    std::vector<std::wstring> names;
    const std::wstring folder = relative.empty() ? m_base : PathOf(relative);
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW((folder + L"\\*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return names;
    do {
        const std::wstring name = found.cFileName;
        if (name != L"." && name != L"..")
            names.push_back(name);
    } while (FindNextFileW(search, &found));
    FindClose(search);
    return names;
}

std::wstring SmsStoreTest::TreeText(HTREEITEM first) const
{
    std::wstring out;
    for (HTREEITEM item = first ? first : m_tree.GetRootItem(); item; item = m_tree.GetNextSiblingItem(item)) {
        if (!out.empty())
            out += L",";
        out += m_tree.GetItemText(item).GetString();
        if (HTREEITEM child = m_tree.GetChildItem(item))
            out += L"(" + TreeText(child) + L")";
    }
    return out;
}

std::wstring SmsStoreTest::MapValue(HTREEITEM item, const wchar_t* name) const
{
    auto* map = reinterpret_cast<CMapStringToPtr*>(m_tree.GetItemData(item));
    void* value = nullptr;
    if (!map || !map->Lookup(name, value))
        return L"(none)";
    return static_cast<CString*>(value)->GetString();
}

INT_PTR SmsStoreTest::MapCount(HTREEITEM item) const
{
    auto* map = reinterpret_cast<CMapStringToPtr*>(m_tree.GetItemData(item));
    return map ? map->GetCount() : -1;
}

// Walks with an explicit stack: the trees of the deep-document tests are thousands of levels deep.
int SmsStoreTest::FreeTree()
{
    int withoutMap = 0;
    std::vector<HTREEITEM> pending;
    for (HTREEITEM item = m_tree.GetRootItem(); item; item = m_tree.GetNextSiblingItem(item))
        pending.push_back(item);
    while (!pending.empty()) {
        HTREEITEM item = pending.back();
        pending.pop_back();
        for (HTREEITEM child = m_tree.GetChildItem(item); child; child = m_tree.GetNextSiblingItem(child))
            pending.push_back(child);
        auto* map = reinterpret_cast<CMapStringToPtr*>(m_tree.GetItemData(item));
        if (!map) {
            ++withoutMap;
            continue;
        }
        CString name;
        void* value = nullptr;
        for (POSITION pos = map->GetStartPosition(); pos;) {
            map->GetNextAssoc(pos, name, value);
            delete static_cast<CString*>(value);
        }
        delete map;
        m_tree.SetItemData(item, 0);
    }
    m_tree.DeleteAllItems();
    return withoutMap;
}
