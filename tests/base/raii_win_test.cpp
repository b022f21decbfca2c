// The owners give back what they hold exactly once, and what they no longer hold is gone: asked
// of the system itself after each owner ends.
#include "base/raii_win.h"

#include <gtest/gtest.h>

#include <utility>

namespace {

bool IsOpen(HANDLE handle) {
  DWORD flags = 0;
  return GetHandleInformation(handle, &flags) != FALSE;
}

HANDLE NewEvent() { return CreateEventW(nullptr, TRUE, FALSE, nullptr); }

TEST(RaiiWinTest, AScopedHandleClosesWhatItHoldsOnceWhereverItMoved) {
  HANDLE first = NewEvent(), second = NewEvent();
  ASSERT_TRUE(IsOpen(first));
  {
    ScopedHandle held(first);
    ScopedHandle moved(std::move(held));
    EXPECT_FALSE(held);
    EXPECT_EQ(moved.Get(), first);
    ScopedHandle other(second);
    other = std::move(moved);  // the second is closed, the first now owned here
    EXPECT_FALSE(IsOpen(second));
    EXPECT_TRUE(IsOpen(first));
  }
  EXPECT_FALSE(IsOpen(first));
}

TEST(RaiiWinTest, AFailedCreateFileIsAnEmptyHandle) {
  const ScopedHandle missing(CreateFileW(L"C:\\no such folder\\x.txt", GENERIC_READ, 0, nullptr,
                                         OPEN_EXISTING, 0, nullptr));
  EXPECT_FALSE(missing);
  EXPECT_EQ(missing.Get(), nullptr);
}

TEST(RaiiWinTest, AGdiObjectResetDeletesTheOneBefore) {
  const HBRUSH red = CreateSolidBrush(RGB(255, 0, 0)), blue = CreateSolidBrush(RGB(0, 0, 255));
  {
    OwnedGdiObject<HBRUSH> brush(red);
    brush.Reset(blue);
    EXPECT_EQ(GetObjectType(red), 0u);
    EXPECT_EQ(GetObjectType(blue), static_cast<DWORD>(OBJ_BRUSH));
  }
  EXPECT_EQ(GetObjectType(blue), 0u);
}

HICON NewIcon() {
  const BYTE andMask[32 * 4] = {}, xorMask[32 * 4] = {};
  return CreateIcon(GetModuleHandleW(nullptr), 32, 32, 1, 1, andMask, xorMask);
}

TEST(RaiiWinTest, AnOwnedIconIsDestroyedWhenReplacedAndAtTheEnd) {
  const HICON first = NewIcon(), second = NewIcon();
  ICONINFO info = {};
  ASSERT_TRUE(GetIconInfo(first, &info));
  DeleteObject(info.hbmMask);
  {
    OwnedIcon icon(first);
    icon.Reset(second);
    EXPECT_FALSE(GetIconInfo(first, &info));
    ASSERT_TRUE(GetIconInfo(second, &info));
    DeleteObject(info.hbmMask);
  }
  EXPECT_FALSE(GetIconInfo(second, &info));
}

TEST(RaiiWinTest, AnOleSessionEndsWhatItBegan) {
  {
    const OleSession session;
    EXPECT_TRUE(session.Ok());
    const HRESULT nested = OleInitialize(nullptr);
    EXPECT_EQ(nested, S_FALSE) << "already initialised by the session";
    OleUninitialize();
  }
  // Uninitialised by the session's end: a new initialisation is the first again.
  EXPECT_EQ(OleInitialize(nullptr), S_OK);
  OleUninitialize();
}

}  // namespace
