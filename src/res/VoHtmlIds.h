// Resource identifiers of the HTML dialog.
#pragma once

#define IDD_VO_HTML 6358
