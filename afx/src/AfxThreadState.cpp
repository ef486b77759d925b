// Per-thread window state. Plain data only, so the thread-local block needs no destructor.
#include "AfxThreadState.h"

AFX_THREAD_STATE* AfxGetThreadState()
{
    static thread_local AFX_THREAD_STATE state = {};
    return &state;
}
