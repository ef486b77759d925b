// CXMLBase::SaveSMS: the file key the document names, the GBK declaration exactly once at the
// start, Chinese texts through the GBK file and back, documents that name no file, keys that
// would leave the "sms" folder, a missing "sms" folder.
#include "SmsTestSupport.h"

#include <utility>

namespace {

const char kGbkHello[] = "\xC4\xE3\xBA\xC3";   // 你好 in GBK
const char kUtf8Hello[] = "\xE4\xBD\xA0";      // 你 in UTF-8
const char kGbkMessage[] = "\xB6\xCC\xD0\xC5";  // 短信 in GBK

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

TEST_F(SmsStoreTest, SavesUnderTheFileKeyTheDocumentNames)
{
    CXMLBase store;
    ASSERT_EQ(0, store.Load(Parse(SmsDocument(L"tree"))));
    CString folder = m_base.c_str();
    EXPECT_EQ(0, store.SaveSMS(folder));
    EXPECT_STREQ(L"tree", folder);
    EXPECT_TRUE(Exists(L"sms\\smstree.xml"));

    ASSERT_EQ(0, store.Load(Parse(SmsDocument(L"1234"))));
    folder = m_base.c_str();
    EXPECT_EQ(0, store.SaveSMS(folder));
    EXPECT_STREQ(L"1234", folder);
    EXPECT_TRUE(Exists(L"sms\\1234.xml"));

    ASSERT_EQ(0, store.Load(Parse(SmsDocument(L"Tree"))));  // only "tree" itself names the folder tree
    folder = m_base.c_str();
    EXPECT_EQ(0, store.SaveSMS(folder));
    EXPECT_EQ(3u, FilesIn(L"sms").size());
    EXPECT_NE(std::string::npos, ReadBytes(L"sms\\Tree.xml").find("value=\"Tree\""));
    EXPECT_NE(std::string::npos, ReadBytes(L"sms\\smstree.xml").find("value=\"tree\""));
}

TEST_F(SmsStoreTest, WritesOneGbkDeclarationAtTheStartAndChineseComesBack)
{
    // The document arrives with a declaration of its own, as an answer text would.
    CXMLBase store;
    ASSERT_EQ(0, store.Load(Parse(L"<?xml version=\"1.0\" encoding=\"utf-8\"?>" +
                                  SmsDocument(L"77", L"<node from=\"\u77ed\u4fe1\" id=\"3\">\u4f60\u597d</node>"))));
    CString folder = m_base.c_str();
    ASSERT_EQ(0, store.SaveSMS(folder));
    folder = m_base.c_str();
    ASSERT_EQ(0, store.SaveSMS(folder));  // a second save replaces the declaration again

    const std::string bytes = ReadBytes(L"sms\\77.xml");
    ASSERT_EQ(0u, bytes.find("<?xml "));
    EXPECT_EQ(1u, Occurrences(bytes, "<?xml"));
    const std::string declaration = bytes.substr(0, bytes.find("?>"));
    EXPECT_NE(std::string::npos, declaration.find("gbk")) << declaration;
    EXPECT_NE(std::string::npos, bytes.find(kGbkHello));
    EXPECT_NE(std::string::npos, bytes.find(kGbkMessage));
    EXPECT_EQ(std::string::npos, bytes.find(kUtf8Hello));

    CXMLBase reader;
    ASSERT_EQ(0, reader.Load(PathOf(L"sms\\77.xml").c_str()));
    ASSERT_EQ(0, reader.Out(&m_list));
    ASSERT_EQ(1, m_list.GetItemCount());
    EXPECT_STREQ(L"\u77ed\u4fe1", m_list.GetItemText(0, 0));
    EXPECT_STREQ(L"\u4f60\u597d", m_list.GetItemText(0, 1));
    EXPECT_STREQ(L"3", m_list.GetItemText(0, 2));

    // Loaded from the store and saved again: still one declaration, still GBK.
    folder = m_base.c_str();
    ASSERT_EQ(0, reader.SaveSMS(folder));
    const std::string again = ReadBytes(L"sms\\77.xml");
    EXPECT_EQ(1u, Occurrences(again, "<?xml"));
    EXPECT_NE(std::string::npos, again.find(kGbkHello));
}

TEST_F(SmsStoreTest, DocumentsThatNameNoFileAreNotSaved)
{
    CXMLBase store;
    CString folder = m_base.c_str();
    EXPECT_EQ(-102, store.SaveSMS(folder));  // no document at all

    ASSERT_EQ(0, store.Load(Parse(L"<answer><sms value=\"1\"/></answer>")));
    EXPECT_EQ(-102, store.SaveSMS(folder));
    ASSERT_EQ(0, store.Load(Parse(L"<tavo/>")));
    EXPECT_EQ(0, store.SaveSMS(folder));
    ASSERT_EQ(0, store.Load(Parse(L"<tavo><other value=\"1\"/><sms value=\"2\"/></tavo>")));
    EXPECT_EQ(0, store.SaveSMS(folder));
    ASSERT_EQ(0, store.Load(Parse(L"<tavo><sms key=\"3\"/></tavo>")));
    EXPECT_EQ(0, store.SaveSMS(folder));
    EXPECT_EQ(m_base, folder.GetString());  // nothing named: the caller's folder is untouched

    ASSERT_EQ(0, store.Load(Parse(L"<tavo><sms value=\"\"/></tavo>")));
    EXPECT_EQ(0, store.SaveSMS(folder));
    EXPECT_STREQ(L"", folder);  // the (empty) key the document names
    EXPECT_TRUE(FilesIn(L"sms").empty());
}

TEST_F(SmsStoreTest, TheSmsElementIsFoundBehindWhiteSpaceAndComments)
{
    IXMLDOMDocumentPtr doc;
    ASSERT_TRUE(SUCCEEDED(doc.CreateInstance(__uuidof(DOMDocument))));
    ASSERT_TRUE(SUCCEEDED(doc->put_preserveWhiteSpace(VARIANT_TRUE)));
    VARIANT_BOOL loaded = VARIANT_FALSE;
    ASSERT_TRUE(SUCCEEDED(doc->loadXML(_bstr_t(L"<tavo>\r\n  <!-- kept -->\r\n  <sms value=\"5\"><node>t</node></sms>\r\n</tavo>"), &loaded)));
    ASSERT_EQ(VARIANT_TRUE, loaded);
    CXMLBase store;
    ASSERT_EQ(0, store.Load(doc));
    CString folder = m_base.c_str();
    EXPECT_EQ(0, store.SaveSMS(folder));
    EXPECT_STREQ(L"5", folder);
    EXPECT_NE(std::string::npos, ReadBytes(L"sms\\5.xml").find("<!-- kept -->"));
}

TEST_F(SmsStoreTest, KeysThatAreNoFileNameAreRefused)
{
    CXMLBase store;
    const std::pair<const wchar_t*, const wchar_t*> keys[] = {
        {L"..\\escaped", L"..\\escaped"}, {L"../escaped", L"../escaped"}, {L"sub\\1", L"sub\\1"},
        {L"c:1", L"c:1"}, {L"..", L".."}, {L"a*b", L"a*b"}, {L"a?b", L"a?b"}, {L"a|b", L"a|b"},
        {L"a&#9;b", L"a\tb"}};  // the document's text and the key it gives
    for (const auto& key : keys) {
        ASSERT_EQ(0, store.Load(Parse(SmsDocument(key.first))));
        CString folder = m_base.c_str();
        EXPECT_EQ(-1, store.SaveSMS(folder)) << testing::PrintToString(std::wstring(key.first));
        EXPECT_STREQ(key.second, folder);
    }
    EXPECT_TRUE(FilesIn(L"sms").empty());
    EXPECT_EQ(std::vector<std::wstring>{L"sms"}, FilesIn(L""));
    EXPECT_FALSE(Exists(L"..\\escaped.xml"));
}

TEST_F(SmsStoreTest, MissingSmsFolderIsReportedAndNotCreated)
{
    ASSERT_TRUE(RemoveDirectoryW(PathOf(L"sms").c_str()));
    CXMLBase store;
    ASSERT_EQ(0, store.Load(Parse(SmsDocument(L"9"))));
    CString folder = m_base.c_str();
    EXPECT_EQ(-1, store.SaveSMS(folder));
    EXPECT_STREQ(L"9", folder);
    EXPECT_TRUE(FilesIn(L"").empty());

    folder = (m_base + L"\\not there").c_str();
    EXPECT_EQ(-1, store.SaveSMS(folder));
    EXPECT_TRUE(FilesIn(L"").empty());
}
