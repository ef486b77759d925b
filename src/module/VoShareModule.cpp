#include "VoShareModule.h"

// The linker's symbol for the start of this module's image, i.e. its module handle.
extern "C" IMAGE_DOS_HEADER __ImageBase;

CVoShareModule::CVoShareModule(HMODULE module) : m_record(), m_bJoined(false)
{
    if (!AfxInitExtensionModule(m_record, module))
        return;
    // The framework keeps this object in its chain of libraries and deletes it when the
    // module is terminated below.
    new CDynLinkLibrary(m_record);
    m_bJoined = true;
}

CVoShareModule::~CVoShareModule()
{
    if (m_bJoined)
        AfxTermExtensionModule(m_record);
}

HMODULE CVoShareModule::ThisModule()
{
    return reinterpret_cast<HMODULE>(&__ImageBase);
}
