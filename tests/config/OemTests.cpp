// COem::load: fonts, edition texts and service addresses from the current directory's files,
// the single load, the edition checks, GetGender and the shipped files.
#include "ConfigTestSupport.h"

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

void ExpectFont(const LOGFONT& expected, CFont& actual, const char* which)
{
    const LOGFONT got = LogFontOf(actual);
    EXPECT_STREQ(expected.lfFaceName, got.lfFaceName) << which;
    EXPECT_EQ(expected.lfHeight, got.lfHeight) << which;
}

CString LibraryString(UINT id)
{
    CString text;
    EXPECT_TRUE(text.LoadString(id) && !text.IsEmpty()) << "string resource " << id << " of the library";
    return text;
}

TEST_F(OemFolder, FontsAndEditionTextsComeFromOemIni)
{
    WriteOemIni(L"fontsmall=Tahoma\r\nfontbig=\r\nappname=Partner\r\nname=Acme Talk\r\n"
                L"description=Calls\r\nwebsite=www.acme.test\r\ncompanyname=Acme\r\ncopyright=(c) Acme\r\n"
                L"moneyname=Beans\r\nspecifydomain=2\r\n");
    COem oem;
    oem.load();
    ExpectFont(PointLogFont(85, L"Tahoma"), oem.m_fontSmall, "small: named face at 8.5 points");
    ExpectFont(PointLogFont(90, L"宋体"), oem.m_fontMedium, "medium: absent key, default face at 9 points");
    NONCLIENTMETRICSW metrics = {};
    metrics.cbSize = sizeof(metrics);
    ASSERT_TRUE(SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0));
    ExpectFont(metrics.lfCaptionFont, oem.m_fontBig, "big: empty value, the caption font");
    EXPECT_STREQ(L"Partner", oem.GetClientType());
    const std::pair<CString, const wchar_t*> texts[] = {
        {oem.m_strName, L"Acme Talk"},   {oem.m_strDescription, L"Calls"},  {oem.m_strWebsite, L"www.acme.test"},
        {oem.m_strCompanyName, L"Acme"}, {oem.m_strCopyright, L"(c) Acme"}, {oem.m_strMoneyName, L"Beans"}};
    for (const auto& text : texts)
        EXPECT_STREQ(text.second, text.first);
    EXPECT_EQ(2, oem.m_nSpecifyDomain);
}

TEST_F(OemFolder, MissingFilesAndEmptyOrMalformedValuesGiveTheDefaults)
{
    const COem defaults;
    for (const wchar_t* oemIni : {L"", L"appname=\r\nname=\r\ndescription=\r\nwebsite=\r\ncompanyname=\r\n"
                                       L"copyright=\r\nmoneyname=\r\nspecifydomain=many\r\n"}) {
        if (*oemIni != L'\0')
            WriteOemIni(oemIni);
        COem oem;
        oem.load();
        EXPECT_EQ(1, oem.m_bLoaded);
        ExpectFont(PointLogFont(85, L"宋体"), oem.m_fontSmall, "small");
        ExpectFont(PointLogFont(120, L"宋体"), oem.m_fontBig, "big: absent key, default face at 12 points");
        EXPECT_STREQ(L"Corvala", oem.m_strAppName);
        const std::pair<CString, UINT> texts[] = {{oem.m_strName, 6128},      {oem.m_strDescription, 6015},
                                                  {oem.m_strWebsite, 6016},   {oem.m_strCompanyName, 6017},
                                                  {oem.m_strCopyright, 6018}, {oem.m_strMoneyName, 171}};
        for (const auto& text : texts)
            EXPECT_EQ(LibraryString(text.second), text.first) << text.second;
        EXPECT_EQ(0, oem.m_nSpecifyDomain);
        EXPECT_EQ(defaults.UrlGetHomePage(), oem.UrlGetHomePage());
        EXPECT_EQ(defaults.GetUpdateIniRul(), oem.GetUpdateIniRul());
    }
}

TEST_F(OemFolder, AddressesHaveTheirPlaceholdersReplacedLongValuesKeptAndRunawayOnesTheDefault)
{
    const std::wstring longName(5000, L'N');
    const std::wstring longFace(300, L'F');
    const std::wstring longPath = L"http://help.example.test/" + std::wstring(3000, L'h');
    WriteOemIni(L"name=" + longName + L"\r\nfontsmall=" + longFace + L"\r\n");
    WriteWebServerIni(L"Help=" + longPath +
                      L"/%LANG%/\r\nForum=http://forum.acme.test/%OEM%/%LANG%/?f=%d\r\n"
                      L"Stun=\r\nSip=sip.acme.test\r\nProductionDomain=acme.test\r\n");
    COem defaults;
    COem oem;
    oem.load();
    EXPECT_STREQ(longName.c_str(), oem.m_strName);
    // A face name longer than a font can hold is cut to the longest one it can.
    EXPECT_STREQ(longFace.substr(0, LF_FACESIZE - 1).c_str(), LogFontOf(oem.m_fontSmall).lfFaceName);
    EXPECT_EQ(CString(longPath.c_str()) + L"/" + Language() + L"/", oem.UrlGetHelp());
    EXPECT_EQ(L"http://forum.acme.test/" + CString(longName.c_str()) + L"/" + Language() + L"/?f=%d",
              oem.UrlGetForum());
    EXPECT_FALSE(oem.UrlGetStun().IsEmpty());
    EXPECT_EQ(defaults.UrlGetStun(), oem.UrlGetStun()) << "an empty value keeps the default";
    EXPECT_STREQ(L"sip.acme.test", oem.UrlGetSip());
    EXPECT_STREQ(L"acme.test", oem.GetDomain());

    // Placeholders repeated in a long value, each replaced by a long name, would multiply into
    // hundreds of megabytes.
    const std::wstring hugeName(30000, L'N');
    std::wstring repeated;
    for (int i = 0; i < 5000; ++i)
        repeated += L"%OEM%";
    WriteOemIni(L"name=" + hugeName + L"\r\n");
    WriteWebServerIni(L"Help=" + repeated + L"\r\nForum=x%OEM%\r\nSip=" + std::wstring(32000, L's') + L"%LANG%\r\n");
    COem runaway;
    runaway.load();
    EXPECT_EQ(defaults.UrlGetHelp(), runaway.UrlGetHelp());
    EXPECT_EQ(L"x" + CString(hugeName.c_str()), runaway.UrlGetForum()) << "30,001 characters fit";
    EXPECT_EQ(CString(std::wstring(32000, L's').c_str()) + Language(), runaway.UrlGetSip());
}

TEST_F(OemFolder, NothingIsDrawnBeforeOnlyTheFirstLoadReadsAndEditionChecksLowerCase)
{
    WriteOemIni(L"name=First\r\nfontsmall=Tahoma\r\n");
    WriteWebServerIni(L"Sip=first.example.test\r\n");
    COem oem;
    CDibTarget canvas(20, 20, kGreen); // an edition not loaded yet draws nothing
    for (auto draw : {&COem::DrawLogo, &COem::DrawLogo2, &COem::DrawLogo3})
        (oem.*draw)(canvas.GetDC(), CPoint(0, 0));
    oem.DrawLogo(nullptr, CPoint(0, 0));
    for (int x = 0; x < 20; x += 5)
        EXPECT_EQ(kGreen, canvas.Pixel(x, x));
    oem.load();
    WriteOemIni(L"name=Second\r\nfontsmall=Arial\r\n");
    WriteWebServerIni(L"Sip=second.example.test\r\n");
    oem.load();
    EXPECT_STREQ(L"First", oem.m_strName);
    EXPECT_STREQ(L"first.example.test", oem.UrlGetSip());

    // The edition checks lower-case the identifier.
    COem partner;
    const struct {
        const wchar_t* name;
        const wchar_t* lower;
        int zx;
        int oem;
    } editions[] = {{L"ZX", L"zx", 1, 1}, {L"CorVala", L"corvala", 0, 0}, {L"zx2", L"zx2", 0, 1}};
    for (const auto& edition : editions) {
        partner.m_strAppName = edition.name;
        EXPECT_EQ(edition.zx, partner.IsOEMZX() != 0) << edition.name;
        EXPECT_EQ(edition.oem, partner.IsOEMVersion() != 0) << edition.name;
        EXPECT_STREQ(edition.lower, partner.m_strAppName);
    }
}

TEST_F(OemFolder, GenderCodesOfTheServiceAndTheLocalisedWordExceptInEditionZx)
{
    COem loader;
    loader.load(); // obtains the library's texts
    CLangProRC* texts = CLangDB::Instance()->get(L"vo_share");
    ASSERT_NE(nullptr, texts);
    const CString male = texts->GetString(L"IDS_MALE");
    ASSERT_FALSE(male.IsEmpty());
    const CString previous = OEM.m_strAppName;
    const struct {
        const wchar_t* text;
        int gender;
    } own[] = {{L"2", SEX_UNKNOWN}, {L"1", SEX_MALE},   {L"0", SEX_FEMALE},  {L"M", SEX_MALE},  {male, SEX_MALE},
               {L"F", SEX_FEMALE},  {L"m", SEX_FEMALE}, {L" 1", SEX_FEMALE}, {L"", SEX_FEMALE}, {nullptr, SEX_FEMALE}};
    OEM.m_strAppName = L"Corvala";
    for (const auto& code : own)
        EXPECT_EQ(code.gender, GetGender(code.text)) << (code.text ? code.text : L"(null)");
    OEM.m_strAppName = L"ZX";
    for (LPCTSTR text : {L"0", L"1", L"2", L"M"})
        EXPECT_EQ(SEX_FEMALE, GetGender(text)) << text;
    EXPECT_STREQ(L"zx", OEM.m_strAppName);
    OEM.m_strAppName = previous;
}

TEST_F(OemFolder, TheShippedFilesBrandTheInstallationFolder)
{
    // The installation keeps lang\ in lower case (the language library's folder); the edition's
    // files are asked for as Lang\ and CONFIG\, which the file system must match.
    const std::wstring folder = ProgramFolder();
    ASSERT_TRUE(SetCurrentDirectoryW(folder.c_str()));
    COem oem;
    oem.load();
    wchar_t name[256] = {};
    const std::wstring oemIni = folder + L"\\Lang\\" + Language().GetString() + L"\\oem.ini";
    ASSERT_NE(0u, GetPrivateProfileStringW(L"OEM", L"name", L"", name, 256, oemIni.c_str())) << "no oem.ini";
    EXPECT_STREQ(name, oem.m_strName);
    wchar_t sip[256] = {};
    const std::wstring webServerIni = folder + L"\\CONFIG\\OEM\\WebServer.ini";
    ASSERT_NE(0u, GetPrivateProfileStringW(L"WebServer", L"Sip", L"", sip, 256, webServerIni.c_str()));
    EXPECT_STREQ(sip, oem.UrlGetSip());
}

} // namespace
