#include "ExchangeSignal.h"

CExchangeSignal::CExchangeSignal()
{
    ::InitializeCriticalSection(&m_cs);
    ::InitializeConditionVariable(&m_changed);
}

CExchangeSignal::~CExchangeSignal()
{
    ::DeleteCriticalSection(&m_cs);
}

void CExchangeSignal::Cancel()
{
    Notify([this] { m_bCancelled = true; });
}

void CExchangeSignal::Reset()
{
    CCriticalSectionLock lock(m_cs);
    m_bCancelled = false;
}

bool CExchangeSignal::Cancelled()
{
    CCriticalSectionLock lock(m_cs);
    return m_bCancelled;
}
