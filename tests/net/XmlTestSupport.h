// Helpers of the XML conversion tests: a fixture that initialises COM on the test thread and
// removes the files a test wrote, and short ways to parse a text into a tree.
#pragma once

#include <ConvertXml.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

class ConvertXmlTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))); }
    void TearDown() override
    {
        for (const std::wstring& path : m_files)
            DeleteFileW(path.c_str());
        CoUninitialize();
    }

    // A path in the temporary folder, deleted when the test ends.
    std::wstring TempFile(const wchar_t* name)
    {
        wchar_t folder[MAX_PATH] = {};
        GetTempPathW(MAX_PATH, folder);
        m_files.push_back(std::wstring(folder) + L"vo_xml_" + name);
        return m_files.back();
    }

    // Parses text and converts it into tree; the conversion's result, or the parse's when it fails.
    static HRESULT Parse(const std::wstring& text, CXmlTreeCtrl& tree)
    {
        IXMLDOMDocumentPtr doc;
        const HRESULT hr = CConvertXml::CStringToXml(text.c_str(), doc);
        return hr != S_OK ? hr : CConvertXml::ConvertXmlToTree(doc, &tree);
    }

    // The document's XML text.
    static std::wstring XmlOf(IXMLDOMDocumentPtr& doc)
    {
        BSTR xml = nullptr;
        if (!doc || FAILED(doc->get_xml(&xml)) || !xml)
            return std::wstring();
        std::wstring text(xml, SysStringLen(xml));
        SysFreeString(xml);
        return text;
    }

    // Names of the sibling list that starts at first, joined with commas.
    static std::wstring Names(const CXmlTreeItem* first)
    {
        std::wstring names;
        for (const CXmlTreeItem* item = first; item; item = item->GetNext())
            names += (names.empty() ? L"" : L",") + std::wstring(item->GetName().GetString());
        return names;
    }

    static std::wstring Attribute(const CXmlTreeItem* item, const wchar_t* name)
    {
        CString value;
        if (!item->GetAttri() || !item->GetAttri()->Lookup(name, value))
            return L"(none)";
        return value.GetString();
    }

private:
    std::vector<std::wstring> m_files;
};
