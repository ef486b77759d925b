#include "OemAddresses.h"

#include <Oem.h>

#include <afxlite/AfxProfile.h>

namespace {

struct OemAddress {
    LPCTSTR key;
    CString COem::*field;
    LPCTSTR defaultValue;
};

// The service's sites: the main web site, the mail service, the forum, the company's own site
// and the user-management host, then the servers the client connects to.
#define CORVALA_WWW L"http://www.corvala.net"
#define CORVALA_MAIL L"http://mail.corvala.net"
#define CORVALA_FORUM L"http://forum.corvala.net"
#define CORVALA_CORP L"http://corp.corvala.net"
#define CORVALA_UM L"http://um.corvala.net"
#define CORVALA_EMAIL_LOGON CORVALA_UM L"/jmcsweb/logon.do?corvala=yes&corvalaid=%s&firstpage=%d&username=%s"

const OemAddress kAddresses[] = {
    {L"HomePage", &COem::m_strUrlHomePage, CORVALA_WWW L"/"},
    {L"Ad", &COem::m_strUrlAd, CORVALA_WWW L"/ad_img/corvala_ad.jsp"},
    {L"Help", &COem::m_strUrlHelp, CORVALA_WWW L"/help/"},
    {L"GetPwd", &COem::m_strUrlGetPwd, CORVALA_MAIL L"/findPass."},
    {L"MoreDomain", &COem::m_strUrlMoreDomain, CORVALA_MAIL L"/"},
    {L"VoipPay", &COem::m_strUrlVoipPay, CORVALA_WWW L"/cardpay/"},
    {L"VoipPrice", &COem::m_strUrlVoipPrice, CORVALA_WWW L"/cardpay/vofee.jsp"},
    {L"BindMobile", &COem::m_strUrlBindMobile, CORVALA_WWW L"/help/article.shtml"},
    {L"GetEmail", &COem::m_strUrlGetEmail, CORVALA_EMAIL_LOGON},
    {L"SendEmail", &COem::m_strUrlSendEmail, CORVALA_EMAIL_LOGON L"&to=%s"},
    {L"Forum", &COem::m_strUrlForum, CORVALA_FORUM L"/phpBB2/viewforum.php?f=133"},
    {L"FileProxy", &COem::m_strUrlFileProxy, L"fileproxy.corvala.net"},
    {L"appShareProxy", &COem::m_strUrlAppShareProxy, L"vnc.corvala.net 5500 5900"},
    {L"Stun", &COem::m_strUrlStun, L"stun.corvala.net"},
    {L"MediaProxy", &COem::m_strUrlMediaProxy, L"media.corvala.net"},
    {L"Sip", &COem::m_strUrlSip, L"sip.corvala.net"},
    {L"ServerName", &COem::m_strServerName, L"sip.corvala.net"},
    {L"UserManager", &COem::m_strUrlUserManager, L"um.corvala.net"},
    {L"Voip", &COem::m_strUrlVoip, L"voip.corvala.net:5060"},
    {L"Voip2", &COem::m_strUrlVoip2, L"voip2.corvala.net"},
    {L"P2PPage", &COem::m_strUrlP2PPage, CORVALA_CORP L"/p2p/smallindex.jsp"},
    {L"Group", &COem::m_strUrlGroup, CORVALA_WWW L"/softpage/main/group.htm"},
    {L"ChatHallHead", &COem::m_strUrlChatHallHead, CORVALA_WWW L"/download/chat/chat_ad.htm"},
    {L"DynDnsPage", &COem::m_strUrlDynDnsPage, CORVALA_WWW L"/download/domain/domain.htm"},
    {L"VoipSearch", &COem::m_strUrlVoipSearch, CORVALA_WWW L"/help/fq003.shtml"},
    {L"netfairypage", &COem::m_strUrlNetFairyPage, CORVALA_WWW L"/help/netfairy.shtml"},
    {L"mytelaccess", &COem::m_strUrlMyTelAccess, CORVALA_WWW L"/newphone/signin.jsp?sip=%s&sid=%s"},
    {L"UpdateCfg", &COem::m_strUrlUpdateCfg, CORVALA_WWW L"/download/update2.ini"},
    {L"ProductionDomain", &COem::m_strProductionDomain, L""},
};

const wchar_t kSection[] = L"WebServer";

// Longest address an expansion may give: as long as a settings value can be. Placeholders
// repeated in a long value, each replaced by a long name, would otherwise multiply into
// hundreds of megabytes.
const long long kMaxAddressChars = 32767;

// Replaces every placeholder in text by value unless the result would be longer than an
// address may be; false, with text unchanged, then.
bool ReplaceBounded(CString& text, const CString& placeholder, const CString& value)
{
    long long count = 0;
    for (int at = text.Find(placeholder); at >= 0; at = text.Find(placeholder, at + placeholder.GetLength()))
        ++count;
    if (text.GetLength() + count * (value.GetLength() - placeholder.GetLength()) > kMaxAddressChars)
        return false;
    text.Replace(placeholder, value);
    return true;
}

// "%LANG%" replaced by the language, then "%OEM%" by the product name; false, with text
// unchanged, when the result would be longer than an address may be.
bool ExpandPlaceholders(CString& text, const CString& language, const CString& name)
{
    CString expanded = text;
    if (!ReplaceBounded(expanded, L"%LANG%", language) || !ReplaceBounded(expanded, L"%OEM%", name))
        return false;
    text = expanded;
    return true;
}

} // namespace

void SetDefaultAddresses(COem& oem)
{
    for (const OemAddress& address : kAddresses)
        oem.*address.field = address.defaultValue;
}

void ReadAddresses(COem& oem, LPCTSTR file, LPCTSTR language)
{
    for (const OemAddress& address : kAddresses) {
        const CString value = AfxGetProfileText(file, kSection, address.key);
        if (!value.IsEmpty())
            oem.*address.field = value;
    }
    for (const OemAddress& address : kAddresses) {
        CString& field = oem.*address.field;
        if (!ExpandPlaceholders(field, language, oem.m_strName))
            field = address.defaultValue; // the defaults hold no placeholder
    }
}
