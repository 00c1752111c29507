// Global memory: allocation kinds, locking, resizing and the life of a handle.

#include <cstring>
#include <initializer_list>

#include <gtest/gtest.h>

#include "platform/win32/Kernel.h"
#include "platform/win32/Memory.h"

namespace {

using namespace win32;

constexpr DWORD kErrorNotLocked = 158;

bool AllZero(const void* bytes, SIZE_T size) {
  auto* p = static_cast<const unsigned char*>(bytes);
  for (SIZE_T i = 0; i < size; ++i) {
    if (p[i] != 0) return false;
  }
  return true;
}

TEST(GlobalAlloc, GivesBlocksOfTheAskedSize) {
  struct Case {
    UINT flags;
    SIZE_T bytes;
  };
  for (Case c : {Case{GMEM_FIXED, 1}, Case{GMEM_FIXED, 100}, Case{GMEM_MOVEABLE, 1},
                 Case{GMEM_MOVEABLE, 4096}, Case{GHND, 17}, Case{GPTR, 33}}) {
    SCOPED_TRACE(testing::Message() << "flags " << c.flags << " bytes " << c.bytes);
    HGLOBAL h = GlobalAlloc(c.flags, c.bytes);
    ASSERT_NE(h, nullptr);
    EXPECT_EQ(GlobalSize(h), c.bytes);
    void* p = GlobalLock(h);
    ASSERT_NE(p, nullptr);
    std::memset(p, 0xAB, c.bytes);  // the whole block is writable (ASan checks the bounds)
    GlobalUnlock(h);
    EXPECT_EQ(GlobalFree(h), nullptr);
  }
}

TEST(GlobalAlloc, ZeroInitZeroesTheBlock) {
  for (UINT flags : {GHND, GPTR}) {
    HGLOBAL h = GlobalAlloc(flags, 256);
    void* p = GlobalLock(h);
    ASSERT_NE(p, nullptr);
    EXPECT_TRUE(AllZero(p, 256));
    GlobalUnlock(h);
    GlobalFree(h);
  }
}

TEST(GlobalAlloc, HandlesAreDistinctAndNeverReused) {
  HGLOBAL first = GlobalAlloc(GMEM_MOVEABLE, 8);
  GlobalFree(first);
  for (int i = 0; i < 64; ++i) {
    HGLOBAL h = GlobalAlloc(GMEM_MOVEABLE, 8);
    ASSERT_NE(h, first);
    GlobalFree(h);
  }
}

// A moveable block of 0 bytes is a valid handle with no memory behind it (discarded).
TEST(GlobalAlloc, MoveableZeroBytesHasAHandleButNothingToLock) {
  HGLOBAL h = GlobalAlloc(GMEM_MOVEABLE, 0);
  ASSERT_NE(h, nullptr);
  EXPECT_EQ(GlobalSize(h), 0u);
  EXPECT_EQ(GlobalLock(h), nullptr);
  ASSERT_NE(GlobalReAlloc(h, 10, GMEM_MOVEABLE), nullptr);
  EXPECT_EQ(GlobalSize(h), 10u);
  EXPECT_NE(GlobalLock(h), nullptr);
  GlobalUnlock(h);
  EXPECT_EQ(GlobalFree(h), nullptr);
}

TEST(GlobalLock, FixedBlockGivesTheSamePointerWithoutALockCount) {
  HGLOBAL h = GlobalAlloc(GMEM_FIXED, 16);
  void* p = GlobalLock(h);
  ASSERT_NE(p, nullptr);
  EXPECT_EQ(GlobalLock(h), p);
  EXPECT_EQ(GlobalUnlock(h), TRUE);
  EXPECT_EQ(GlobalUnlock(h), TRUE);  // nothing to count down: the block stays usable
  EXPECT_EQ(GlobalLock(h), p);
  GlobalFree(h);
}

// GlobalUnlock returns TRUE while locks remain, and FALSE with error 0 when the last one goes.
TEST(GlobalLock, MoveableBlockCountsLocks) {
  HGLOBAL h = GlobalAlloc(GMEM_MOVEABLE, 16);
  void* p = GlobalLock(h);
  ASSERT_NE(p, nullptr);
  EXPECT_EQ(GlobalLock(h), p);
  EXPECT_EQ(GlobalUnlock(h), TRUE);
  SetLastError(0xdeadbeef);
  EXPECT_EQ(GlobalUnlock(h), FALSE);
  EXPECT_EQ(GetLastError(), ERROR_SUCCESS);
  SetLastError(0xdeadbeef);
  EXPECT_EQ(GlobalUnlock(h), FALSE);
  EXPECT_EQ(GetLastError(), kErrorNotLocked);
  GlobalFree(h);
}

TEST(GlobalReAlloc, KeepsContentsAndZeroesGrowth) {
  for (UINT flags : {GMEM_MOVEABLE, GMEM_FIXED}) {
    HGLOBAL h = GlobalAlloc(flags, 4);
    auto* p = static_cast<unsigned char*>(GlobalLock(h));
    std::memcpy(p, "abcd", 4);
    GlobalUnlock(h);
    ASSERT_EQ(GlobalReAlloc(h, 4000, GMEM_MOVEABLE), h);  // the handle stays the same
    EXPECT_EQ(GlobalSize(h), 4000u);
    p = static_cast<unsigned char*>(GlobalLock(h));
    EXPECT_EQ(std::memcmp(p, "abcd", 4), 0);
    EXPECT_TRUE(AllZero(p + 4, 3996));
    GlobalUnlock(h);
    ASSERT_EQ(GlobalReAlloc(h, 2, 0), h);
    EXPECT_EQ(GlobalSize(h), 2u);
    GlobalFree(h);
  }
}

// Without GMEM_MOVEABLE a fixed block may only change in place, so it cannot grow.
TEST(GlobalReAlloc, FixedBlockGrowsOnlyWhenAllowedToMove) {
  HGLOBAL h = GlobalAlloc(GMEM_FIXED, 8);
  void* p = GlobalLock(h);
  EXPECT_EQ(GlobalReAlloc(h, 4, 0), h);
  EXPECT_EQ(GlobalLock(h), p);
  EXPECT_EQ(GlobalReAlloc(h, 8, 0), h);  // back within what it had: still in place
  EXPECT_EQ(GlobalReAlloc(h, 1 << 20, 0), nullptr);
  EXPECT_EQ(GlobalSize(h), 8u);
  GlobalFree(h);
}

// A locked moveable block cannot move, so it cannot grow past its memory either.
TEST(GlobalReAlloc, LockedMoveableBlockStaysWhereItIs) {
  HGLOBAL h = GlobalAlloc(GMEM_MOVEABLE, 8);
  void* p = GlobalLock(h);
  EXPECT_EQ(GlobalReAlloc(h, 1 << 20, GMEM_MOVEABLE), nullptr);
  EXPECT_EQ(GlobalSize(h), 8u);
  EXPECT_EQ(GlobalReAlloc(h, 4, GMEM_MOVEABLE), h);
  EXPECT_EQ(GlobalLock(h), p);
  GlobalUnlock(h);
  GlobalUnlock(h);
  GlobalFree(h);
}

TEST(GlobalReAlloc, MoveableToZeroBytesDiscards) {
  HGLOBAL h = GlobalAlloc(GMEM_MOVEABLE, 8);
  EXPECT_EQ(GlobalReAlloc(h, 0, GMEM_MOVEABLE), h);
  EXPECT_EQ(GlobalSize(h), 0u);
  EXPECT_EQ(GlobalLock(h), nullptr);
  EXPECT_EQ(GlobalFree(h), nullptr);
}

TEST(GlobalFree, AFreedHandleIsInvalidAtOnce) {
  for (UINT flags : {GMEM_FIXED, GMEM_MOVEABLE}) {
    HGLOBAL h = GlobalAlloc(flags, 32);
    GlobalLock(h);  // freeing a locked block frees it all the same
    ASSERT_EQ(GlobalFree(h), nullptr);
    EXPECT_EQ(GlobalSize(h), 0u);
    EXPECT_EQ(GlobalLock(h), nullptr);
    EXPECT_EQ(GlobalUnlock(h), FALSE);
    EXPECT_EQ(GlobalReAlloc(h, 64, GMEM_MOVEABLE), nullptr);
    SetLastError(0xdeadbeef);
    EXPECT_EQ(GlobalFree(h), h);
    EXPECT_EQ(GetLastError(), ERROR_INVALID_HANDLE);
  }
}

TEST(GlobalFree, NullAndForeignHandles) {
  EXPECT_EQ(GlobalFree(nullptr), nullptr);
  HGLOBAL bogus = reinterpret_cast<HGLOBAL>(0x1234);
  EXPECT_EQ(GlobalFree(bogus), bogus);
  EXPECT_EQ(GlobalSize(bogus), 0u);
  EXPECT_EQ(GlobalLock(bogus), nullptr);
  EXPECT_EQ(GlobalSize(nullptr), 0u);
  EXPECT_EQ(GlobalLock(nullptr), nullptr);
  EXPECT_EQ(GlobalReAlloc(nullptr, 8, GMEM_MOVEABLE), nullptr);
}

}  // namespace
