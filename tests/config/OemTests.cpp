// COem::load: fonts, edition texts and service addresses from the current directory's files,
// the single load, the edition checks, the chat font and GetGender.
#include "OemTestSupport.h"

#include <string>

namespace {

using configtest::LogFontOf;
using configtest::OemFolder;

LOGFONT PointLogFont(int tenthsOfPoint, LPCTSTR face)
{
    CFont font;
    EXPECT_TRUE(font.CreatePointFont(tenthsOfPoint, face));
    return LogFontOf(font);
}

LOGFONT CaptionLogFont()
{
    NONCLIENTMETRICSW metrics = {};
    metrics.cbSize = sizeof(metrics);
    EXPECT_TRUE(SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0));
    return metrics.lfCaptionFont;
}

void ExpectFont(const LOGFONT& expected, CFont& actual, const char* which)
{
    const LOGFONT got = LogFontOf(actual);
    EXPECT_STREQ(expected.lfFaceName, got.lfFaceName) << which;
    EXPECT_EQ(expected.lfHeight, got.lfHeight) << which;
}

CString LibraryString(UINT id)
{
    CString text;
    EXPECT_TRUE(text.LoadString(id)) << "string resource " << id << " of the library";
    EXPECT_FALSE(text.IsEmpty()) << "string resource " << id << " of the library";
    return text;
}

TEST_F(OemFolder, FontsComeFromOemIniWithCaptionFontAndDefaultFaceFallbacks)
{
    WriteOemIni(L"fontsmall=Tahoma\r\nfontbig=\r\n");
    COem oem;
    oem.load();
    ExpectFont(PointLogFont(85, L"Tahoma"), oem.m_fontSmall, "small: named face at 8.5 points");
    ExpectFont(PointLogFont(90, L"宋体"), oem.m_fontMedium, "medium: absent key, default face at 9 points");
    ExpectFont(CaptionLogFont(), oem.m_fontBig, "big: empty value, the caption font");
    EXPECT_EQ(&oem.m_fontSmall, oem.GetFontSmall());
    EXPECT_EQ(&oem.m_fontMedium, oem.GetFontMedium());
    EXPECT_EQ(&oem.m_fontBig, oem.GetFontBig());
}

TEST_F(OemFolder, MissingFilesGiveEveryDefault)
{
    COem defaults;
    COem oem;
    oem.load();
    EXPECT_EQ(1, oem.m_bLoaded);
    ExpectFont(PointLogFont(85, L"宋体"), oem.m_fontSmall, "small");
    ExpectFont(PointLogFont(120, L"宋体"), oem.m_fontBig, "big: absent key, default face at 12 points");
    EXPECT_STREQ(L"Corvala", oem.m_strAppName);
    EXPECT_EQ(LibraryString(6128), oem.m_strName);
    EXPECT_EQ(LibraryString(6015), oem.m_strDescription);
    EXPECT_EQ(LibraryString(6016), oem.m_strWebsite);
    EXPECT_EQ(LibraryString(6017), oem.m_strCompanyName);
    EXPECT_EQ(LibraryString(6018), oem.m_strCopyright);
    EXPECT_EQ(LibraryString(171), oem.m_strMoneyName);
    EXPECT_EQ(0, oem.m_nSpecifyDomain);
    EXPECT_STREQ(L"My Receives", oem.m_strReceiveFolder);
    EXPECT_EQ(defaults.UrlGetHomePage(), oem.UrlGetHomePage());
    EXPECT_EQ(defaults.UrlGetProfessionalSendEmail(), oem.UrlGetProfessionalSendEmail());
    EXPECT_EQ(defaults.GetUpdateIniRul(), oem.GetUpdateIniRul());
}

TEST_F(OemFolder, EditionTextsReplaceTheResourceTexts)
{
    WriteOemIni(L"appname=Partner\r\nname=Acme Talk\r\ndescription=Calls for everyone\r\n"
                L"website=www.acme.test\r\ncompanyname=Acme\r\ncopyright=(c) Acme\r\n"
                L"moneyname=Beans\r\nspecifydomain=2\r\n");
    COem oem;
    oem.load();
    EXPECT_STREQ(L"Partner", oem.m_strAppName);
    EXPECT_STREQ(L"Partner", oem.GetClientType());
    EXPECT_STREQ(L"Acme Talk", oem.m_strName);
    EXPECT_STREQ(L"Calls for everyone", oem.m_strDescription);
    EXPECT_STREQ(L"www.acme.test", oem.m_strWebsite);
    EXPECT_STREQ(L"Acme", oem.m_strCompanyName);
    EXPECT_STREQ(L"(c) Acme", oem.m_strCopyright);
    EXPECT_STREQ(L"Beans", oem.m_strMoneyName);
    EXPECT_EQ(2, oem.m_nSpecifyDomain);
}

TEST_F(OemFolder, EmptyTextsFallBackAndMalformedNumbersGiveTheDefault)
{
    WriteOemIni(L"appname=\r\nname=\r\nmoneyname=\r\nspecifydomain=many\r\n");
    COem oem;
    oem.load();
    EXPECT_STREQ(L"Corvala", oem.m_strAppName);
    EXPECT_EQ(LibraryString(6128), oem.m_strName);
    EXPECT_EQ(LibraryString(171), oem.m_strMoneyName);
    EXPECT_EQ(0, oem.m_nSpecifyDomain);
}

TEST_F(OemFolder, OverLongValuesAreKeptWholeOrCutSafely)
{
    const std::wstring longName(5000, L'N');
    const std::wstring longFace(300, L'F');
    WriteOemIni(L"name=" + longName + L"\r\nfontsmall=" + longFace + L"\r\n");
    WriteWebServerIni(L"Help=http://help.example.test/" + std::wstring(3000, L'h') + L"/%LANG%/\r\n");
    COem oem;
    oem.load();
    EXPECT_STREQ(longName.c_str(), oem.m_strName);
    // A face name longer than a font can hold is cut to the longest one it can.
    EXPECT_STREQ(longFace.substr(0, LF_FACESIZE - 1).c_str(), LogFontOf(oem.m_fontSmall).lfFaceName);
    const CString expectedHelp = L"http://help.example.test/" + CString(L'h', 3000) + L"/" + Language() + L"/";
    EXPECT_EQ(expectedHelp, oem.UrlGetHelp());
}

TEST_F(OemFolder, AddressesAreReadAndTheirPlaceholdersReplaced)
{
    WriteOemIni(L"name=AcmeTalk\r\n");
    WriteWebServerIni(L"Help=help/%LANG%/index.htm\r\n"
                      L"Forum=http://forum.acme.test/%OEM%/%LANG%/?f=%d\r\n"
                      L"Stun=\r\n"
                      L"Sip=sip.acme.test\r\n"
                      L"ProductionDomain=acme.test\r\n");
    COem defaults;
    COem oem;
    oem.load();
    EXPECT_EQ(L"help/" + Language() + L"/index.htm", oem.UrlGetHelp());
    EXPECT_EQ(L"http://forum.acme.test/AcmeTalk/" + Language() + L"/?f=%d", oem.UrlGetForum());
    EXPECT_EQ(defaults.UrlGetStun(), oem.UrlGetStun()) << "an empty value keeps the default";
    EXPECT_FALSE(oem.UrlGetStun().IsEmpty());
    EXPECT_STREQ(L"sip.acme.test", oem.UrlGetSip());
    EXPECT_STREQ(L"acme.test", oem.GetDomain());
    EXPECT_EQ(defaults.m_strServerName, oem.m_strServerName);
    EXPECT_EQ(defaults.UrlGetVoip(), oem.UrlGetVoip());
}

TEST(OemDefaults, ConstructionSetsTheAddressesAndLoadsNothing)
{
    COem oem;
    EXPECT_TRUE(oem.GetDomain().IsEmpty());
    EXPECT_EQ(oem.UrlGetProfessionalEmail() + L"&to=%s", oem.UrlGetProfessionalSendEmail());
    EXPECT_EQ(oem.UrlGetSip(), oem.m_strServerName);
    EXPECT_NE(-1, oem.UrlGetVNCProxy().Find(L" 5500 5900"));
    EXPECT_NE(-1, oem.UrlGetVoip().Find(L":5060"));

    EXPECT_EQ(0, oem.m_bLoaded);
    EXPECT_EQ(nullptr, oem.m_fontMedium.GetSafeHandle());
    EXPECT_EQ(nullptr, oem.m_hMainIcon);
    EXPECT_TRUE(oem.m_strAppName.IsEmpty());
}

TEST_F(OemFolder, OnlyTheFirstLoadReadsTheFiles)
{
    WriteOemIni(L"name=First\r\nfontsmall=Tahoma\r\n");
    WriteWebServerIni(L"Sip=first.example.test\r\n");
    COem oem;
    oem.load();
    const HGDIOBJ smallFont = oem.m_fontSmall.GetSafeHandle();
    const HICON mainIcon = oem.m_hMainIcon;

    WriteOemIni(L"name=Second\r\nfontsmall=Arial\r\n");
    WriteWebServerIni(L"Sip=second.example.test\r\n");
    oem.load();
    EXPECT_STREQ(L"First", oem.m_strName);
    EXPECT_STREQ(L"first.example.test", oem.UrlGetSip());
    EXPECT_EQ(smallFont, oem.m_fontSmall.GetSafeHandle());
    EXPECT_EQ(mainIcon, oem.m_hMainIcon);
}

TEST_F(OemFolder, EditionChecksLowerCaseTheIdentifier)
{
    WriteOemIni(L"appname=ZX\r\n");
    COem partner;
    partner.load();
    EXPECT_STREQ(L"ZX", partner.m_strAppName);
    EXPECT_NE(0, partner.IsOEMZX());
    EXPECT_STREQ(L"zx", partner.m_strAppName);
    EXPECT_NE(0, partner.IsOEMVersion());

    COem own;
    own.m_strAppName = L"CorVala";
    EXPECT_EQ(0, own.IsOEMVersion());
    EXPECT_STREQ(L"corvala", own.m_strAppName);
    EXPECT_EQ(0, own.IsOEMZX());

    COem other;
    other.m_strAppName = L"zx2";
    EXPECT_EQ(0, other.IsOEMZX());
    EXPECT_NE(0, other.IsOEMVersion());
}

TEST(OemChatFont, MediumUntilAnotherIsChosen)
{
    COem oem;
    EXPECT_EQ(nullptr, oem.m_pFontCurrChatMsg);
    EXPECT_EQ(&oem.m_fontMedium, oem.GetFontCurrChatMsg());
    oem.SetFontCurrChatMsg(FONT_SMALL);
    EXPECT_EQ(&oem.m_fontSmall, oem.GetFontCurrChatMsg());
    oem.SetFontCurrChatMsg(FONT_BIG);
    EXPECT_EQ(&oem.m_fontBig, oem.GetFontCurrChatMsg());
    for (int other : {1, 3, -1}) {
        oem.SetFontCurrChatMsg(FONT_BIG);
        oem.SetFontCurrChatMsg(static_cast<FONT_SIZE>(other));
        EXPECT_EQ(&oem.m_fontMedium, oem.GetFontCurrChatMsg()) << other;
    }
}

// Makes the global edition the partner edition "zx" for the lifetime of the object.
class ScopedGlobalAppName
{
public:
    explicit ScopedGlobalAppName(LPCTSTR name) : m_previous(OEM.m_strAppName) { OEM.m_strAppName = name; }
    ~ScopedGlobalAppName() { OEM.m_strAppName = m_previous; }

private:
    CString m_previous;
};

TEST_F(OemFolder, GenderCodesOfTheServiceAndTheLocalisedWord)
{
    COem loader;
    loader.load(); // obtains the library's texts
    CLangProRC* texts = CLangDB::Instance()->get(L"vo_share");
    ASSERT_NE(nullptr, texts);
    const CString male = texts->GetString(L"IDS_MALE");
    ASSERT_FALSE(male.IsEmpty());

    const ScopedGlobalAppName own(L"Corvala");
    EXPECT_EQ(SEX_UNKNOWN, GetGender(L"2"));
    EXPECT_EQ(SEX_MALE, GetGender(L"1"));
    EXPECT_EQ(SEX_FEMALE, GetGender(L"0"));
    EXPECT_EQ(SEX_MALE, GetGender(L"M"));
    EXPECT_EQ(SEX_MALE, GetGender(male));
    EXPECT_EQ(SEX_FEMALE, GetGender(L"F"));
    EXPECT_EQ(SEX_FEMALE, GetGender(L"m"));
    EXPECT_EQ(SEX_FEMALE, GetGender(L" 1"));
    EXPECT_EQ(SEX_FEMALE, GetGender(L""));
    EXPECT_EQ(SEX_FEMALE, GetGender(nullptr));
}

TEST(OemGender, PartnerEditionZxHasNoGenders)
{
    const ScopedGlobalAppName partner(L"ZX");
    for (LPCTSTR text : {L"0", L"1", L"2", L"M"})
        EXPECT_EQ(SEX_FEMALE, GetGender(text)) << text;
    EXPECT_STREQ(L"zx", OEM.m_strAppName);
}

TEST(OemInstallation, TheShippedFilesBrandTheInstallationFolder)
{
    // The installation keeps lang\ in lower case (the language library's folder); the
    // edition's files are asked for as Lang\ and CONFIG\, which the file system must match.
    const std::wstring folder = configtest::ProgramFolder();
    const configtest::ScopedCurrentDirectory current(folder);
    ASSERT_TRUE(current.Changed());
    const std::wstring language = CLangDB::Instance()->GetLangString(-1).GetString();
    const std::wstring oemIni = folder + L"\\Lang\\" + language + L"\\oem.ini";
    const std::wstring webServerIni = folder + L"\\CONFIG\\OEM\\WebServer.ini";
    ASSERT_NE(INVALID_FILE_ATTRIBUTES, GetFileAttributesW(oemIni.c_str())) << "data tree without oem.ini";
    ASSERT_NE(INVALID_FILE_ATTRIBUTES, GetFileAttributesW(webServerIni.c_str())) << "data tree without WebServer.ini";
    ASSERT_NE(INVALID_FILE_ATTRIBUTES,
              GetFileAttributesW((folder + L"\\lang\\" + language + L"\\vo_share.xml").c_str()));

    COem oem;
    oem.load();
    wchar_t name[256] = {};
    GetPrivateProfileStringW(L"OEM", L"name", L"", name, 256, oemIni.c_str());
    ASSERT_NE(L'\0', name[0]);
    EXPECT_STREQ(name, oem.m_strName);
    wchar_t help[256] = {};
    GetPrivateProfileStringW(L"WebServer", L"Help", L"", help, 256, webServerIni.c_str());
    CString expectedHelp = help;
    expectedHelp.Replace(L"%LANG%", language.c_str());
    ASSERT_FALSE(expectedHelp.IsEmpty());
    EXPECT_EQ(expectedHelp, oem.UrlGetHelp());
    EXPECT_EQ(-1, oem.UrlGetHelp().Find(L"%LANG%"));
}

} // namespace
