// Resource and control identifiers of the emoticon picker (PopFaces.rc).
#pragma once

#define IDC_VO_HAND 6138      // pointing-hand cursor of the page buttons
#define IDC_POPFACE_PREV 6000 // previous-page button
#define IDC_POPFACE_NEXT 6001 // next-page button
