// The scoped owners and guards: each handle is released exactly once by exactly one owner, the
// two "no handle" values are never released, and a selection guard that ends out of order is
// caught in a debug build.
#include <afxgdi.h>

#include <gtest/gtest.h>

#include <vector>

namespace {

std::vector<HANDLE> g_closed;

struct CountingTraits {
    using Handle = HANDLE;
    static void Close(HANDLE h) { g_closed.push_back(h); }
};
using CCountedHandle = CScopedHandle<CountingTraits>;

HANDLE H(INT_PTR value)
{
    return reinterpret_cast<HANDLE>(value);
}

TEST(ScopedHandleTest, EveryHandleIsClosedOnceByItsLastOwnerAndNoHandleNever)
{
    g_closed.clear();
    {
        EXPECT_FALSE(CCountedHandle());
        EXPECT_FALSE(CCountedHandle(INVALID_HANDLE_VALUE));
        CCountedHandle first(H(0x10));
        CCountedHandle moved(std::move(first));
        EXPECT_FALSE(first);
        EXPECT_EQ(H(0x10), moved.Get());
        CCountedHandle assigned(H(0x20));
        assigned = std::move(moved); // 0x20 goes, 0x10 moves on
        EXPECT_EQ((std::vector<HANDLE>{H(0x20)}), g_closed);

        CCountedHandle released(H(0x30));
        EXPECT_EQ(H(0x30), released.Release());
        released.Reset(H(0x40));
        released.Reset(H(0x50));
    }
    EXPECT_EQ((std::vector<HANDLE>{H(0x20), H(0x40), H(0x50), H(0x10)}), g_closed);

    HANDLE event = ::CreateEventW(nullptr, TRUE, FALSE, nullptr);
    ASSERT_NE(nullptr, event);
    (void)CKernelHandle(event); // closed with the temporary owner
    DWORD flags = 0;
    EXPECT_FALSE(::GetHandleInformation(event, &flags)) << "a kernel handle is really closed";
}

// A selection made inside a guard's lifetime and left in place would be swapped out silently
// by the guard's restore; the guard stops the program instead.
TEST(DCSelectDeathTest, AGuardEndingOverAnotherSelectionEndsTheProcess)
{
    EXPECT_DEATH(
        {
            CScopedCreateDC dc(nullptr);
            CPen red(PS_SOLID, 1, RGB(255, 0, 0));
            CPen blue(PS_SOLID, 1, RGB(0, 0, 255));
            CDCSelect guard(dc, red.m_hObject);
            ::SelectObject(dc, blue.m_hObject);
        },
        "Assertion failed: .*AfxGdiScoped\\.h");
}

} // namespace
