// The message map of the tests' menu owner.
#include "ControlsTestSupport.h"

namespace ctltest {

BEGIN_MESSAGE_MAP(CMenuOwner, CWnd)
    ON_WM_MENUCHAR()
    ON_MESSAGE(WM_ENTERIDLE, &CMenuOwner::OnEnterIdle)
END_MESSAGE_MAP()

} // namespace ctltest
