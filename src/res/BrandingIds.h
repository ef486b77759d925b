// Identifiers of the library's branding resources (Branding.rc): the defaults the edition
// settings fall back on when the edition ships no file of its own.
#pragma once

// Icons
#define IDI_VO_MAIN 6128    // application icon (32 and 16 pixels)
#define IDI_VO_CHAT 6129    // chat window icon (32, 28 and 16 pixels)
#define IDI_VO_HISTORY 6253 // message history icon (32 and 16 pixels)

// Bitmaps (magenta 0xFF00FF is transparent in the masked ones)
#define IDB_VO_FRIEND_FACES 6019 // friends' head images, 16 by 16 each, masked
#define IDB_VO_LOGO 6004         // logo: mark and name, masked
#define IDB_VO_SEARCH_HEAD 6355  // header picture of the search window
#define IDB_VO_LOGO2 6323        // second logo: the mark alone, masked
#define IDB_VO_LOGO3 6359        // third logo: the name alone, masked

// Strings
#define IDS_VO_MONEY_NAME 171    // name of the service's money unit
#define IDS_VO_DESCRIPTION 6015  // product description
#define IDS_VO_WEBSITE 6016      // product web site, shown as text
#define IDS_VO_COMPANY_NAME 6017 // company name
#define IDS_VO_COPYRIGHT 6018    // copyright line
#define IDS_VO_PRODUCT_NAME 6128 // product short name
