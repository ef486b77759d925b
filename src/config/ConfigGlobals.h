// Module-wide state of the configuration subsystem, defined in the library's load order in
// module/Globals.cpp. The branding object OEM is public (Oem.h).
#pragma once

class CMultiConfig;

// The process-wide multi-party chat configuration (CMultiConfig::GetConfig).
extern CMultiConfig g_MultiConfig;
