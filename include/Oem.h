// COem: the settings of the client edition (OEM branding): edition and product texts, the three
// interface fonts, icons, logos and the addresses of the service's web pages and servers. The
// global OEM holds built-in defaults until the host calls OEM.load() once at start.
#pragma once

#include "VoDef.h"
#include "WBitmap.h"

#include <afxgdi.h>
#include <afxlite/CImageList.h>

// Font chosen for chat messages (SetFontCurrChatMsg): any other value selects the medium font.
enum FONT_SIZE {
    FONT_SMALL = 0,
    FONT_MEDIUM = 1,
    FONT_BIG = 2,
};

// Gender code of a contact as the service sends it ("0", "1", "2").
enum SEX_ {
    SEX_FEMALE = 0,
    SEX_MALE = 1,
    SEX_UNKNOWN = 2,
};

class VO_API COem {
public:
    // Built-in defaults: empty fonts, pictures and texts, the default service addresses.
    COem();
    // Releases the fonts, bitmaps and image lists. The icons are not destroyed: hosts set them as
    // window, class and tray icons that may outlive this object, so they live as long as the
    // process (the edition is loaded once, by the global OEM).
    ~COem();

    COem(const COem&) = delete;
    COem& operator=(const COem&) = delete;

    // Reads the edition's files below the current directory (Lang\<language>\oem.ini,
    // CONFIG\OEM\WebServer.ini and the pictures of CONFIG\OEM\), the library's own resources
    // filling in what is missing, and obtains the library's texts from the language library.
    // Only the first call does anything.
    void load();

    CFont* GetFontSmall() { return &m_fontSmall; }
    CFont* GetFontMedium() { return &m_fontMedium; }
    CFont* GetFontBig() { return &m_fontBig; }
    // The font chosen for chat messages; the medium font until another is chosen.
    CFont* GetFontCurrChatMsg();
    void SetFontCurrChatMsg(FONT_SIZE size);

    CImageList* GetImageList() { return &m_imageList; }
    CImageList* GetImageList2() { return &m_imageList2; }
    CImageList* GetImageList3() { return &m_imageList3; }
    // Draws the logo (its image list's first image) transparently at point; nothing when the
    // logo could not be loaded.
    void DrawLogo(CDC* pDC, CPoint point);
    void DrawLogo2(CDC* pDC, CPoint point);
    void DrawLogo3(CDC* pDC, CPoint point);

    // Adds the friends' head-image strip to list with m_nFriendImage as mask colour. The
    // masked add turns the strip's masked pixels black, so later adds use black (0).
    void FriendImageAdd(CImageList* list);

    // Both lower-case m_strAppName in place. Nonzero unless the edition is "corvala" itself.
    int IsOEMVersion();
    // Nonzero for the partner edition "zx".
    int IsOEMZX();
    // The edition identifier the host sends to the services as its client type.
    CString GetClientType() const { return m_strAppName; }

    // Service addresses; %s and %d placeholders are filled by the host.
    CString UrlGetHomePage() const { return m_strUrlHomePage; }
    CString UrlGetAd() const { return m_strUrlAd; }
    CString UrlGetHelp() const { return m_strUrlHelp; }
    CString UrlGetFindPwd() const { return m_strUrlGetPwd; }
    CString UrlGetMoreDomain() const { return m_strUrlMoreDomain; }
    CString UrlGetBuyVoipCard() const { return m_strUrlVoipPay; }
    CString UrlGetBuyVoipPrice() const { return m_strUrlVoipPrice; }
    CString UrlGetBindMobile() const { return m_strUrlBindMobile; }
    CString UrlGetProfessionalEmail() const { return m_strUrlGetEmail; }
    CString UrlGetProfessionalSendEmail() const { return m_strUrlSendEmail; }
    CString UrlGetForum() const { return m_strUrlForum; }
    CString UrlGetFileProxy() const { return m_strUrlFileProxy; }
    CString UrlGetVNCProxy() const { return m_strUrlAppShareProxy; }
    CString UrlGetStun() const { return m_strUrlStun; }
    CString UrlGetMediaProxy() const { return m_strUrlMediaProxy; }
    CString UrlGetSip() const { return m_strUrlSip; }
    CString UrlGetUserManager() const { return m_strUrlUserManager; }
    CString UrlGetVoip() const { return m_strUrlVoip; }
    CString UrlGetVoip2() const { return m_strUrlVoip2; }
    CString UrlGetP2PPage() const { return m_strUrlP2PPage; }
    CString UrlGetGroupPage() const { return m_strUrlGroup; }
    CString UrlGetGroupChatHallHead() const { return m_strUrlChatHallHead; }
    CString UrlGetDynDnsPage() const { return m_strUrlDynDnsPage; }
    CString UrlGetSearchVoip() const { return m_strUrlVoipSearch; }
    CString UrlGetNetFairyPage() const { return m_strUrlNetFairyPage; }
    CString UrlGetMyTelAccess() const { return m_strUrlMyTelAccess; }
    CString GetUpdateIniRul() const { return m_strUrlUpdateCfg; }
    CString GetDomain() const { return m_strProductionDomain; }

    CFont* m_pFontCurrChatMsg; // null until a chat font is chosen
    CFont m_fontSmall;         // 8.5 points
    CFont m_fontMedium;        // 9 points
    CFont m_fontBig;           // 12 points
    int m_bLoaded;
    CImageList m_imageList; // one image each, made from the three logos
    CImageList m_imageList2;
    CImageList m_imageList3;
    int m_nSpecifyDomain; // kept for the host
    CString m_strAppName; // edition identifier and client type
    CString m_strName;    // product name; also replaces %OEM% in the addresses
    CString m_strDescription;
    CString m_strWebsite;
    CString m_strCompanyName;
    CString m_strCopyright;
    CString m_strMoneyName; // name of the service's money unit
    CString m_strReceiveFolder;
    // The edition's icons, never destroyed by the library (see the destructor).
    HICON m_hMainIcon32; // application icon, 32 by 32
    HICON m_hMainIcon;   // application icon at the file's own size
    HICON m_hChatIcon;   // 28 by 28
    HICON m_hHistIcon;
    CWBitmap m_bmpSearchHead;
    CWBitmap m_bmpLogo;
    CWBitmap m_bmpLogo2;
    CWBitmap m_bmpLogo3;
    CBitmap m_bmpFriendFace; // strip of friends' head images

    // Service addresses, in the order of the keys of CONFIG\OEM\WebServer.ini.
    CString m_strUrlHomePage;
    CString m_strUrlAd;
    CString m_strUrlHelp;
    CString m_strUrlGetPwd;
    CString m_strUrlMoreDomain;
    CString m_strUrlVoipPay;
    CString m_strUrlVoipPrice;
    CString m_strUrlBindMobile;
    CString m_strUrlGetEmail;
    CString m_strUrlSendEmail;
    CString m_strUrlForum;
    CString m_strUrlFileProxy;
    CString m_strUrlAppShareProxy;
    CString m_strUrlStun;
    CString m_strUrlMediaProxy;
    CString m_strUrlSip;
    CString m_strServerName;
    CString m_strUrlUserManager;
    CString m_strUrlVoip;
    CString m_strUrlVoip2;
    CString m_strUrlP2PPage;
    CString m_strUrlGroup;
    CString m_strUrlChatHallHead;
    CString m_strUrlDynDnsPage;
    CString m_strUrlVoipSearch;
    CString m_strUrlNetFairyPage;
    CString m_strUrlMyTelAccess;
    CString m_strUrlUpdateCfg;
    CString m_strProductionDomain;

    // Mask colour of the next FriendImageAdd; magenta at first.
    static unsigned int m_nFriendImage;

private:
    void LoadFonts(LPCTSTR oemFile);
    void LoadTexts(LPCTSTR oemFile);
    void LoadIcons(const CString& pictureFolder);
    void LoadBitmaps(const CString& pictureFolder);
};

// The edition settings of the process.
extern VO_API COem OEM;

// Gender code of a contact's text: "0", "1" and "2" give their number, the localised word for
// male or "M" gives SEX_MALE, anything else SEX_FEMALE; the partner edition "zx" always
// gives SEX_FEMALE.
VO_API SEX_ GetGender(const wchar_t* text);
