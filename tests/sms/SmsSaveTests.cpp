// CXMLBase::SaveSMS: the file key the document names, the GBK declaration exactly once at the
// start, Chinese texts through the GBK file and back, documents that name no file, keys that
// would leave the "sms" folder, a missing "sms" folder.
#include "SmsTestSupport.h"

#include <utility>

namespace {

std::wstring SmsDocument(const std::wstring& value, const std::wstring& content = L"<node a=\"x\">hello</node>")
{
    return L"<tavo><sms value=\"" + value + L"\">" + content + L"</sms></tavo>";
}

size_t Occurrences(const std::string& bytes, const std::string& part)
{
    size_t count = 0;
    for (size_t at = bytes.find(part); at != std::string::npos; at = bytes.find(part, at + 1))
        ++count;
    return count;
}

} // namespace

TEST_F(SmsStoreTest, SavesUnderTheFileKeyTheDocumentNamesAndNothingWhenItNamesNone)
{
    CXMLBase store;
    CString folder;               // documents that name no file are not saved
    EXPECT_EQ(-102, Save(store)); // no document at all
    ASSERT_EQ(0, store.Load(Parse(L"<answer><sms value=\"1\"/></answer>")));
    EXPECT_EQ(-102, Save(store));
    for (const wchar_t* text :
         {L"<tavo/>", L"<tavo><other value=\"1\"/><sms value=\"2\"/></tavo>", L"<tavo><sms key=\"3\"/></tavo>"}) {
        ASSERT_EQ(0, store.Load(Parse(text)));
        EXPECT_EQ(0, Save(store, &folder));
        EXPECT_EQ(m_base, folder.GetString()) << "nothing named: the caller's folder is untouched";
    }
    ASSERT_EQ(0, store.Load(Parse(L"<tavo><sms value=\"\"/></tavo>")));
    EXPECT_EQ(0, Save(store, &folder));
    EXPECT_STREQ(L"", folder); // the (empty) key the document names
    EXPECT_TRUE(FilesIn(L"sms").empty());

    const std::pair<const wchar_t*, const wchar_t*> keys[] = {
        {L"tree", L"smstree.xml"}, {L"1234", L"1234.xml"}, {L"Tree", L"Tree.xml"}}; // only "tree" names the tree
    for (const auto& key : keys) {
        ASSERT_EQ(0, store.Load(Parse(SmsDocument(key.first))));
        EXPECT_EQ(0, Save(store, &folder));
        EXPECT_STREQ(key.first, folder);
        const std::string bytes = ReadBytes(L"sms\\" + std::wstring(key.second));
        EXPECT_NE(std::string::npos, bytes.find("value=\"" + std::string(key.first, key.first + wcslen(key.first))))
            << key.second;
    }
    EXPECT_EQ(3u, FilesIn(L"sms").size());

    // The sms element is found behind white space and comments, which the file keeps.
    IXMLDOMDocumentPtr doc;
    VARIANT_BOOL loaded = VARIANT_FALSE;
    ASSERT_TRUE(SUCCEEDED(doc.CreateInstance(__uuidof(DOMDocument))) &&
                SUCCEEDED(doc->put_preserveWhiteSpace(VARIANT_TRUE)) &&
                SUCCEEDED(doc->loadXML(
                    _bstr_t(L"<tavo>\r\n <!-- kept -->\r\n <sms value=\"5\"><node>t</node></sms></tavo>"), &loaded)));
    ASSERT_EQ(VARIANT_TRUE, loaded);
    ASSERT_EQ(0, store.Load(doc));
    EXPECT_EQ(0, Save(store));
    EXPECT_NE(std::string::npos, ReadBytes(L"sms\\5.xml").find("<!-- kept -->"));
}

TEST_F(SmsStoreTest, WritesOneGbkDeclarationAtTheStartAndChineseComesBack)
{
    // The document arrives with a declaration of its own, as an answer text would.
    CXMLBase store;
    ASSERT_EQ(0, store.Load(Parse(L"<?xml version=\"1.0\" encoding=\"utf-8\"?>" +
                                  SmsDocument(L"77", L"<node from=\"\u77ed\u4fe1\" id=\"3\">\u4f60\u597d</node>"))));
    ASSERT_EQ(0, Save(store));
    ASSERT_EQ(0, Save(store)); // a second save replaces the declaration again
    CXMLBase reader;
    for (int round = 0; round < 2; ++round) { // saved by the first store, then loaded and saved again
        const std::string bytes = ReadBytes(L"sms\\77.xml");
        ASSERT_EQ(0u, bytes.find("<?xml ")) << round;
        EXPECT_EQ(1u, Occurrences(bytes, "<?xml")) << round;
        EXPECT_NE(std::string::npos, bytes.substr(0, bytes.find("?>")).find("gbk")) << round;
        EXPECT_NE(std::string::npos, bytes.find("\xC4\xE3\xBA\xC3")) << round; // 你好 in GBK
        EXPECT_NE(std::string::npos, bytes.find("\xB6\xCC\xD0\xC5")) << round; // 短信 in GBK
        EXPECT_EQ(std::string::npos, bytes.find("\xE4\xBD\xA0")) << round;     // 你 in UTF-8
        ASSERT_EQ(0, reader.Load(PathOf(L"sms\\77.xml").c_str()));
        ASSERT_EQ(0, Save(reader));
    }
    ASSERT_EQ(0, reader.Out(&m_list));
    ASSERT_EQ(1, m_list.GetItemCount());
    EXPECT_STREQ(L"\u77ed\u4fe1", m_list.GetItemText(0, 0));
    EXPECT_STREQ(L"\u4f60\u597d", m_list.GetItemText(0, 1));
    EXPECT_STREQ(L"3", m_list.GetItemText(0, 2));
}

TEST_F(SmsStoreTest, KeysThatAreNoFileNameAndAMissingSmsFolderAreRefused)
{
    CXMLBase store;
    // Which names are plain is the framework's check (tests/afx); here a few of each kind, and a
    // tab the document's text carries as a character reference.
    const std::pair<const wchar_t*, const wchar_t*> keys[] = {{L"..\\escaped", L"..\\escaped"},
                                                              {L"../escaped", L"../escaped"},
                                                              {L"c:1", L"c:1"},
                                                              {L"a*b", L"a*b"},
                                                              {L"a&#9;b", L"a\tb"},
                                                              {L"CON", L"CON"},
                                                              {L"LPT1.bak", L"LPT1.bak"}};
    for (const auto& key : keys) {
        ASSERT_EQ(0, store.Load(Parse(SmsDocument(key.first))));
        CString folder;
        EXPECT_EQ(-1, Save(store, &folder)) << testing::PrintToString(std::wstring(key.first));
        EXPECT_STREQ(key.second, folder);
    }
    EXPECT_TRUE(FilesIn(L"sms").empty());
    EXPECT_EQ(std::vector<std::wstring>{L"sms"}, FilesIn(L""));

    // A missing sms folder is reported and not created.
    ASSERT_TRUE(RemoveDirectoryW(PathOf(L"sms").c_str()));
    ASSERT_EQ(0, store.Load(Parse(SmsDocument(L"9"))));
    CString folder;
    EXPECT_EQ(-1, Save(store, &folder));
    EXPECT_STREQ(L"9", folder);
    folder = PathOf(L"not there").c_str();
    EXPECT_EQ(-1, store.SaveSMS(folder));
    EXPECT_TRUE(FilesIn(L"").empty());
}

// What the store accepts it must read back exactly: characters the GBK file cannot hold travel as
// character references, characters no XML file can hold are refused before anything is written,
// and a folder in the file's place is no stored message.
TEST_F(SmsStoreTest, EveryCharacterSavedComesBackOrTheSaveIsRefused)
{
    const std::wstring foreign = L"\U0001F600 \u0E01\u0151 \u4f60"; // emoji, Thai, o double acute, Chinese
    CXMLBase store;
    ASSERT_EQ(0, store.Load(Parse(SmsDocument(L"8", L"<node from=\"x\">old</node>"))));
    ASSERT_EQ(0, Save(store));
    IXMLDOMDocumentPtr doc = Parse(SmsDocument(L"8", L"<node/>"));
    IXMLDOMNodePtr node;
    ASSERT_EQ(S_OK, doc->selectSingleNode(_bstr_t(L"tavo/sms/node"), &node));
    const IXMLDOMElementPtr element = node;
    ASSERT_EQ(S_OK, element->setAttribute(_bstr_t(L"from"), _variant_t(foreign.c_str())));
    ASSERT_EQ(S_OK, element->put_text(_bstr_t(foreign.c_str())));
    ASSERT_EQ(0, store.Load(doc));
    ASSERT_EQ(0, Save(store));
    const std::string bytes = ReadBytes(L"sms\\8.xml");
    EXPECT_NE(std::string::npos, bytes.find("\xC4\xE3")) << "still a GBK file";
    CXMLBase reader;
    ASSERT_EQ(0, reader.Load(PathOf(L"sms\\8.xml").c_str()));
    ASSERT_EQ(0, reader.Out(&m_list));
    ASSERT_EQ(1, m_list.GetItemCount());
    EXPECT_EQ(foreign, std::wstring(m_list.GetItemText(0, 0).GetString()));
    EXPECT_EQ(foreign, std::wstring(m_list.GetItemText(0, 1).GetString()));

    for (const wchar_t* bad : {L"nick\x1B", L"vt\x0B", L"\xFFFE"}) {
        ASSERT_EQ(S_OK, element->setAttribute(_bstr_t(L"from"), _variant_t(bad)));
        EXPECT_EQ(-1, Save(store)) << testing::PrintToString(std::wstring(bad));
        EXPECT_EQ(bytes, ReadBytes(L"sms\\8.xml")) << "the stored file stays as it was";
    }

    ASSERT_TRUE(CreateDirectoryW(PathOf(L"sms\\9.xml").c_str(), nullptr));
    ASSERT_EQ(0, store.Load(Parse(SmsDocument(L"9"))));
    EXPECT_EQ(-1, Save(store)) << "a folder where the file belongs";
}
