// IStream over global memory: creation, reference counts, the block's life, and each call with
// good and bad arguments.

#include <cstring>
#include <initializer_list>
#include <string>

#include <gtest/gtest.h>

#include "platform/com/Com.h"
#include "platform/win32/Memory.h"

namespace {

using namespace com;
using win32::GlobalAlloc;
using win32::GlobalFree;
using win32::GlobalLock;
using win32::GlobalSize;
using win32::GlobalUnlock;

constexpr ULONG kMarker = 0xdeadbeef;

// A handle that GlobalFree no longer knows has been freed already.
bool IsFreed(HGLOBAL h) {
  return GlobalLock(h) == nullptr && GlobalSize(h) == 0;
}

HGLOBAL BlockWith(const std::string& bytes, win32::UINT flags = win32::GMEM_MOVEABLE) {
  HGLOBAL h = GlobalAlloc(flags, bytes.size());
  std::memcpy(GlobalLock(h), bytes.data(), bytes.size());
  GlobalUnlock(h);
  return h;
}

std::string BlockBytes(HGLOBAL h) {
  std::string out(GlobalSize(h), '\0');
  if (!out.empty()) {
    std::memcpy(out.data(), GlobalLock(h), out.size());
    GlobalUnlock(h);
  }
  return out;
}

LARGE_INTEGER Move(std::int64_t v) {
  LARGE_INTEGER l;
  l.QuadPart = v;
  return l;
}

ULARGE_INTEGER Size(std::uint64_t v) {
  ULARGE_INTEGER u;
  u.QuadPart = v;
  return u;
}

std::uint64_t Position(IStream* s) {
  ULARGE_INTEGER p = Size(kMarker);
  EXPECT_EQ(s->Seek(Move(0), STREAM_SEEK_CUR, &p), S_OK);
  return p.QuadPart;
}

std::uint64_t StatSize(IStream* s) {
  STATSTG st{};
  EXPECT_EQ(s->Stat(&st, STATFLAG_NONAME), S_OK);
  return st.cbSize.QuadPart;
}

TEST(CreateStreamOnHGlobal, NullOutArgument) {
  HGLOBAL h = GlobalAlloc(win32::GMEM_MOVEABLE, 4);
  EXPECT_EQ(CreateStreamOnHGlobal(h, win32::FALSE, nullptr), E_INVALIDARG);
  EXPECT_EQ(GlobalSize(h), 4u);  // untouched
  GlobalFree(h);
}

TEST(CreateStreamOnHGlobal, NullMemoryMakesANewEmptyBlock) {
  IStream* s = nullptr;
  ASSERT_EQ(CreateStreamOnHGlobal(nullptr, win32::TRUE, &s), S_OK);
  ASSERT_NE(s, nullptr);
  HGLOBAL h = nullptr;
  ASSERT_EQ(GetHGlobalFromStream(s, &h), S_OK);
  ASSERT_NE(h, nullptr);
  EXPECT_EQ(GlobalSize(h), 0u);
  EXPECT_EQ(StatSize(s), 0u);
  EXPECT_EQ(Position(s), 0u);
  ULONG written = kMarker;
  ASSERT_EQ(s->Write("hello", 5, &written), S_OK);
  EXPECT_EQ(written, 5u);
  EXPECT_EQ(BlockBytes(h), "hello");  // the block grows with the stream
  EXPECT_EQ(s->Release(), 0u);
  EXPECT_TRUE(IsFreed(h));
}

// Over an existing block, the stream starts at 0 and is as long as the whole block.
TEST(CreateStreamOnHGlobal, ExistingBlockIsTheStreamsContent) {
  for (win32::UINT flags : {win32::GMEM_MOVEABLE, win32::GMEM_FIXED}) {
    HGLOBAL h = BlockWith("0123456789", flags);
    IStream* s = nullptr;
    ASSERT_EQ(CreateStreamOnHGlobal(h, win32::FALSE, &s), S_OK);
    EXPECT_EQ(StatSize(s), 10u);
    EXPECT_EQ(Position(s), 0u);
    char buffer[16] = {};
    ULONG read = kMarker;
    ASSERT_EQ(s->Read(buffer, sizeof buffer, &read), S_OK);
    EXPECT_EQ(read, 10u);
    EXPECT_EQ(std::string(buffer, read), "0123456789");
    HGLOBAL back = nullptr;
    EXPECT_EQ(GetHGlobalFromStream(s, &back), S_OK);
    EXPECT_EQ(back, h);
    s->Release();
    EXPECT_EQ(GlobalFree(h), nullptr);
  }
}

TEST(IStreamReferences, AddRefAndReleaseCount) {
  IStream* s = nullptr;
  ASSERT_EQ(CreateStreamOnHGlobal(nullptr, win32::TRUE, &s), S_OK);
  EXPECT_EQ(s->AddRef(), 2u);
  EXPECT_EQ(s->AddRef(), 3u);
  EXPECT_EQ(s->Release(), 2u);
  EXPECT_EQ(s->Release(), 1u);
  EXPECT_EQ(s->Release(), 0u);
}

// deleteOnRelease decides whether the last Release frees the block.
TEST(IStreamReferences, LastReleaseFreesTheBlockOnlyWhenAskedTo) {
  for (win32::BOOL deleteOnRelease : {win32::TRUE, win32::FALSE}) {
    SCOPED_TRACE(deleteOnRelease);
    HGLOBAL h = BlockWith("abc");
    IStream* s = nullptr;
    ASSERT_EQ(CreateStreamOnHGlobal(h, deleteOnRelease, &s), S_OK);
    s->AddRef();
    s->Release();
    EXPECT_EQ(GlobalSize(h), 3u);  // still referenced: the block is alive either way
    EXPECT_EQ(s->Release(), 0u);
    if (deleteOnRelease) {
      EXPECT_TRUE(IsFreed(h));
      EXPECT_EQ(GlobalFree(h), h);
    } else {
      EXPECT_EQ(BlockBytes(h), "abc");
      EXPECT_EQ(GlobalFree(h), nullptr);
    }
  }
}

// A clone shares the block, so the block goes with the last of the two.
TEST(IStreamReferences, CloneKeepsTheBlockAlive) {
  HGLOBAL h = BlockWith("shared");
  IStream* s = nullptr;
  ASSERT_EQ(CreateStreamOnHGlobal(h, win32::TRUE, &s), S_OK);
  ASSERT_EQ(s->Seek(Move(2), STREAM_SEEK_SET, nullptr), S_OK);
  IStream* clone = nullptr;
  ASSERT_EQ(s->Clone(&clone), S_OK);
  ASSERT_NE(clone, nullptr);
  ASSERT_NE(clone, s);
  EXPECT_EQ(Position(clone), 2u);  // starts where the original was
  HGLOBAL cloneBlock = nullptr;
  EXPECT_EQ(GetHGlobalFromStream(clone, &cloneBlock), S_OK);
  EXPECT_EQ(cloneBlock, h);
  ASSERT_EQ(clone->Seek(Move(0), STREAM_SEEK_END, nullptr), S_OK);
  ASSERT_EQ(clone->Write("!", 1, nullptr), S_OK);
  EXPECT_EQ(StatSize(s), 7u);  // the size is shared too
  EXPECT_EQ(Position(s), 2u);  // but each has its own position
  EXPECT_EQ(s->Release(), 0u);
  EXPECT_EQ(BlockBytes(h), "shared!");
  EXPECT_EQ(clone->Release(), 0u);
  EXPECT_TRUE(IsFreed(h));
}

TEST(IStreamQueryInterface, GivesTheStreamForItsThreeInterfaces) {
  IStream* s = nullptr;
  ASSERT_EQ(CreateStreamOnHGlobal(nullptr, win32::TRUE, &s), S_OK);
  for (const IID* iid : {&IID_IUnknown, &IID_ISequentialStream, &IID_IStream}) {
    void* out = reinterpret_cast<void*>(0x1);
    ASSERT_EQ(s->QueryInterface(*iid, &out), S_OK);
    EXPECT_EQ(out, static_cast<void*>(s));
    EXPECT_EQ(s->Release(), 1u);  // QueryInterface added one reference
  }
  void* out = reinterpret_cast<void*>(0x1);
  IID other = IID_IStream;
  other.Data1 = 0x12345678;
  EXPECT_EQ(s->QueryInterface(other, &out), E_NOINTERFACE);
  EXPECT_EQ(out, nullptr);
  EXPECT_EQ(s->QueryInterface(IID_IStream, nullptr), E_POINTER);
  EXPECT_EQ(s->Release(), 0u);
}

class StreamTest : public testing::Test {
 protected:
  void SetUp() override {
    memory = BlockWith("0123456789");
    ASSERT_EQ(CreateStreamOnHGlobal(memory, win32::TRUE, &stream), S_OK);
  }
  void TearDown() override {
    if (stream != nullptr) {
      EXPECT_EQ(stream->Release(), 0u);
    }
  }
  HGLOBAL memory{nullptr};
  IStream* stream{nullptr};
};

TEST_F(StreamTest, ReadAdvancesAndStopsAtTheEnd) {
  char buffer[8] = {};
  ULONG read = kMarker;
  ASSERT_EQ(stream->Read(buffer, 4, &read), S_OK);
  EXPECT_EQ(read, 4u);
  EXPECT_EQ(std::string(buffer, 4), "0123");
  ASSERT_EQ(stream->Read(buffer, 8, &read), S_OK);
  EXPECT_EQ(read, 6u);  // a short read at the end is still S_OK
  EXPECT_EQ(std::string(buffer, 6), "456789");
  read = kMarker;
  EXPECT_EQ(stream->Read(buffer, 8, &read), S_OK);
  EXPECT_EQ(read, 0u);
  EXPECT_EQ(stream->Read(buffer, 0, nullptr), S_OK);  // the count is optional
}

TEST_F(StreamTest, ReadPastTheEndGivesNothing) {
  ASSERT_EQ(stream->Seek(Move(100), STREAM_SEEK_SET, nullptr), S_OK);
  char buffer[4];
  ULONG read = kMarker;
  EXPECT_EQ(stream->Read(buffer, 4, &read), S_OK);
  EXPECT_EQ(read, 0u);
  EXPECT_EQ(Position(stream), 100u);
}

TEST_F(StreamTest, ReadAndWriteRefuseANullBuffer) {
  ULONG count = kMarker;
  EXPECT_EQ(stream->Read(nullptr, 4, &count), STG_E_INVALIDPOINTER);
  EXPECT_EQ(count, 0u);
  count = kMarker;
  EXPECT_EQ(stream->Write(nullptr, 4, &count), STG_E_INVALIDPOINTER);
  EXPECT_EQ(count, 0u);
  EXPECT_EQ(Position(stream), 0u);
  EXPECT_EQ(StatSize(stream), 10u);
}

TEST_F(StreamTest, WriteOverwritesThenGrowsTheBlock) {
  ASSERT_EQ(stream->Seek(Move(8), STREAM_SEEK_SET, nullptr), S_OK);
  ULONG written = kMarker;
  ASSERT_EQ(stream->Write("abcd", 4, &written), S_OK);
  EXPECT_EQ(written, 4u);
  EXPECT_EQ(Position(stream), 12u);
  EXPECT_EQ(StatSize(stream), 12u);
  EXPECT_EQ(BlockBytes(memory), "01234567abcd");
  written = kMarker;
  EXPECT_EQ(stream->Write("x", 0, &written), S_OK);
  EXPECT_EQ(written, 0u);
  EXPECT_EQ(StatSize(stream), 12u);
}

// Writing past the end fills the gap with zero bytes.
TEST_F(StreamTest, WritePastTheEndLeavesAZeroGap) {
  ASSERT_EQ(stream->Seek(Move(3), STREAM_SEEK_END, nullptr), S_OK);
  ASSERT_EQ(stream->Write("z", 1, nullptr), S_OK);
  EXPECT_EQ(BlockBytes(memory), std::string("0123456789\0\0\0z", 14));
}

TEST_F(StreamTest, SeekFromEachOrigin) {
  struct Case {
    std::int64_t move;
    DWORD origin;
    std::uint64_t expected;
  };
  for (Case c :
       {Case{3, STREAM_SEEK_SET, 3}, Case{2, STREAM_SEEK_CUR, 5}, Case{-1, STREAM_SEEK_CUR, 4},
        Case{0, STREAM_SEEK_END, 10}, Case{-4, STREAM_SEEK_END, 6}, Case{5, STREAM_SEEK_END, 15},
        Case{0, STREAM_SEEK_SET, 0}}) {
    SCOPED_TRACE(testing::Message() << c.move << " from " << c.origin);
    ULARGE_INTEGER now = Size(kMarker);
    ASSERT_EQ(stream->Seek(Move(c.move), c.origin, &now), S_OK);
    EXPECT_EQ(now.QuadPart, c.expected);
  }
  EXPECT_EQ(stream->Seek(Move(7), STREAM_SEEK_SET, nullptr), S_OK);  // the result is optional
  EXPECT_EQ(Position(stream), 7u);
}

// Before the start, or from an origin that does not exist: an error, and the position stays.
TEST_F(StreamTest, SeekRefusesNegativePositionsAndUnknownOrigins) {
  ASSERT_EQ(stream->Seek(Move(4), STREAM_SEEK_SET, nullptr), S_OK);
  struct Case {
    std::int64_t move;
    DWORD origin;
  };
  for (Case c : {Case{-1, STREAM_SEEK_SET}, Case{-5, STREAM_SEEK_CUR}, Case{-11, STREAM_SEEK_END},
                 Case{0, 3}, Case{0, 0xFFFFFFFF}}) {
    SCOPED_TRACE(testing::Message() << c.move << " from " << c.origin);
    ULARGE_INTEGER now = Size(kMarker);
    EXPECT_EQ(stream->Seek(Move(c.move), c.origin, &now), STG_E_INVALIDFUNCTION);
    EXPECT_EQ(now.QuadPart, kMarker);
    EXPECT_EQ(Position(stream), 4u);
  }
}

TEST_F(StreamTest, SetSizeResizesTheBlockAndKeepsThePosition) {
  ASSERT_EQ(stream->Seek(Move(6), STREAM_SEEK_SET, nullptr), S_OK);
  ASSERT_EQ(stream->SetSize(Size(4)), S_OK);
  EXPECT_EQ(StatSize(stream), 4u);
  EXPECT_EQ(GlobalSize(memory), 4u);
  EXPECT_EQ(Position(stream), 6u);
  char c = 0;
  ULONG read = kMarker;
  EXPECT_EQ(stream->Read(&c, 1, &read), S_OK);
  EXPECT_EQ(read, 0u);
  ASSERT_EQ(stream->SetSize(Size(8)), S_OK);
  EXPECT_EQ(BlockBytes(memory), std::string("0123\0\0\0\0", 8));
  EXPECT_EQ(stream->SetSize(Size(std::uint64_t(1) << 32)), STG_E_INVALIDFUNCTION);
  EXPECT_EQ(StatSize(stream), 8u);
}

TEST_F(StreamTest, StatDescribesAnUnnamedStream) {
  STATSTG st;
  std::memset(&st, 0xEE, sizeof st);
  ASSERT_EQ(stream->Stat(&st, STATFLAG_NONAME), S_OK);
  EXPECT_EQ(st.pwcsName, nullptr);
  EXPECT_EQ(st.type, STGTY_STREAM);
  EXPECT_EQ(st.cbSize.QuadPart, 10u);
  EXPECT_EQ(st.clsid, GUID{});
  std::memset(&st, 0xEE, sizeof st);
  ASSERT_EQ(stream->Stat(&st, STATFLAG_DEFAULT), S_OK);
  EXPECT_EQ(st.pwcsName, nullptr);  // a memory stream has no name to give
  EXPECT_EQ(stream->Stat(nullptr, STATFLAG_NONAME), STG_E_INVALIDPOINTER);
}

TEST_F(StreamTest, CopyToWritesIntoTheTargetFromThePosition) {
  IStream* target = nullptr;
  ASSERT_EQ(CreateStreamOnHGlobal(nullptr, win32::TRUE, &target), S_OK);
  ASSERT_EQ(stream->Seek(Move(2), STREAM_SEEK_SET, nullptr), S_OK);
  ULARGE_INTEGER read = Size(kMarker);
  ULARGE_INTEGER written = Size(kMarker);
  ASSERT_EQ(stream->CopyTo(target, Size(5), &read, &written), S_OK);
  EXPECT_EQ(read.QuadPart, 5u);
  EXPECT_EQ(written.QuadPart, 5u);
  EXPECT_EQ(Position(stream), 7u);
  ASSERT_EQ(stream->CopyTo(target, Size(1000), &read, &written), S_OK);
  EXPECT_EQ(read.QuadPart, 3u);  // only what is left
  HGLOBAL targetBlock = nullptr;
  ASSERT_EQ(GetHGlobalFromStream(target, &targetBlock), S_OK);
  EXPECT_EQ(BlockBytes(targetBlock), "23456789");
  EXPECT_EQ(stream->CopyTo(nullptr, Size(1), nullptr, nullptr), STG_E_INVALIDPOINTER);
  EXPECT_EQ(target->Release(), 0u);
}

TEST_F(StreamTest, TransactionsAndRegionLocks) {
  EXPECT_EQ(stream->Commit(0), S_OK);
  EXPECT_EQ(stream->Revert(), S_OK);
  EXPECT_EQ(stream->LockRegion(Size(0), Size(4), 0), STG_E_INVALIDFUNCTION);
  EXPECT_EQ(stream->UnlockRegion(Size(0), Size(4), 0), STG_E_INVALIDFUNCTION);
}

TEST_F(StreamTest, CloneRefusesANullOutArgument) {
  EXPECT_EQ(stream->Clone(nullptr), STG_E_INVALIDPOINTER);
}

// Some other object's stream: GetHGlobalFromStream must tell it is not a memory stream.
class ForeignStream final : public IStream {
 public:
  HRESULT QueryInterface(REFIID, void**) override { return E_NOINTERFACE; }
  ULONG AddRef() override { return 1; }
  ULONG Release() override { return 1; }
  HRESULT Read(void*, ULONG, ULONG*) override { return E_NOTIMPL; }
  HRESULT Write(const void*, ULONG, ULONG*) override { return E_NOTIMPL; }
  HRESULT Seek(LARGE_INTEGER, DWORD, ULARGE_INTEGER*) override { return E_NOTIMPL; }
  HRESULT SetSize(ULARGE_INTEGER) override { return E_NOTIMPL; }
  HRESULT CopyTo(IStream*, ULARGE_INTEGER, ULARGE_INTEGER*, ULARGE_INTEGER*) override {
    return E_NOTIMPL;
  }
  HRESULT Commit(DWORD) override { return E_NOTIMPL; }
  HRESULT Revert() override { return E_NOTIMPL; }
  HRESULT LockRegion(ULARGE_INTEGER, ULARGE_INTEGER, DWORD) override { return E_NOTIMPL; }
  HRESULT UnlockRegion(ULARGE_INTEGER, ULARGE_INTEGER, DWORD) override { return E_NOTIMPL; }
  HRESULT Stat(STATSTG*, DWORD) override { return E_NOTIMPL; }
  HRESULT Clone(IStream**) override { return E_NOTIMPL; }
};

TEST(GetHGlobalFromStream, RefusesNullAndForeignStreams) {
  HGLOBAL out = reinterpret_cast<HGLOBAL>(0x1);
  EXPECT_EQ(GetHGlobalFromStream(nullptr, &out), E_INVALIDARG);
  EXPECT_EQ(out, nullptr);
  ForeignStream foreign;
  out = reinterpret_cast<HGLOBAL>(0x1);
  EXPECT_EQ(GetHGlobalFromStream(&foreign, &out), E_INVALIDARG);
  EXPECT_EQ(out, nullptr);
  IStream* s = nullptr;
  ASSERT_EQ(CreateStreamOnHGlobal(nullptr, win32::TRUE, &s), S_OK);
  EXPECT_EQ(GetHGlobalFromStream(s, nullptr), E_INVALIDARG);
  s->Release();
}

}  // namespace
