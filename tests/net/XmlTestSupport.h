// Helpers of the XML tree and conversion tests: the names of a sibling list, a fixture that
// initialises COM on the test thread and gives a temporary folder, and short ways to parse a
// text into a tree and to read it back.
#pragma once

#include <ConvertXml.h>

#include "../common/TempFolder.h"

#include <gtest/gtest.h>

#include <string>

// Names of the sibling list that starts at first, joined with commas, checking that every prev
// link points back.
inline std::wstring Names(const CXmlTreeItem* first)
{
    std::wstring names;
    const CXmlTreeItem* before = first ? first->GetPrev() : nullptr;
    for (const CXmlTreeItem* item = first; item; before = item, item = item->GetNext()) {
        EXPECT_EQ(before, item->GetPrev()) << "prev link of " << item->GetName().GetString();
        names += (names.empty() ? L"" : L",") + std::wstring(item->GetName().GetString());
    }
    return names;
}

class ConvertXmlTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))); }
    void TearDown() override { CoUninitialize(); }

    // A path in the test's own temporary folder, removed when the test ends.
    std::wstring TempFile(const wchar_t* name) const { return m_folder.Path(name); }

    // Parses text and converts it into tree; the conversion's result, or the parse's when it fails.
    static HRESULT Parse(const std::wstring& text, CXmlTreeCtrl& tree)
    {
        IXMLDOMDocumentPtr doc;
        const HRESULT hr = CConvertXml::CStringToXml(text.c_str(), doc);
        return hr != S_OK ? hr : CConvertXml::ConvertXmlToTree(doc, &tree);
    }

    static std::wstring XmlOf(IXMLDOMDocumentPtr& doc)
    {
        _bstr_t xml;
        if (!doc || FAILED(doc->get_xml(xml.GetAddress())) || !xml)
            return std::wstring();
        return std::wstring(xml, xml.length());
    }

    static std::wstring Attribute(const CXmlTreeItem* item, const wchar_t* name)
    {
        CString value;
        if (!item->GetAttri() || !item->GetAttri()->Lookup(name, value))
            return L"(none)";
        return value.GetString();
    }

private:
    CTempFolder m_folder;
};
