// The image stream object: its memory block, the stream over it, and who frees what.
#include "uikit/ImageStream.h"

#include <gtest/gtest.h>

#include <type_traits>

#include "platform/win32/Memory.h"

namespace {

using uikit::ImageStream;
using uikit::StreamKind;

const bytes::ByteBlock kFive("\x01\x02\x03\x04\x05");

static_assert(!std::is_copy_constructible_v<ImageStream>);
static_assert(!std::is_copy_assignable_v<ImageStream>);

TEST(ImageStream, NewObjectHoldsNothing) {
  ImageStream stream;
  EXPECT_EQ(stream.memory(), nullptr);
  EXPECT_EQ(stream.GetStream(), nullptr);
  EXPECT_EQ(stream.GetSize(), 0u);
  EXPECT_TRUE(stream.ReadBytes().empty());
}

TEST(ImageStream, CopyFormHoldsTheBytesAndStreamsThem) {
  ImageStream stream;
  com::IStream* s = stream.Create(kFive, StreamKind::CopyOfBytes);
  ASSERT_NE(s, nullptr);
  EXPECT_EQ(stream.GetStream(), s);
  EXPECT_EQ(stream.GetSize(), 5u);
  EXPECT_EQ(stream.ReadBytes(), kFive);

  std::uint8_t read[8] = {0};
  win32::ULONG count = 0xdeadbeef;
  EXPECT_EQ(s->Read(read, sizeof(read), &count), com::S_OK);
  EXPECT_EQ(count, 5u);
  EXPECT_EQ(bytes::ByteBlock(read, 5), kFive);

  // Releasing the stream leaves the block to the object: it was made without delete-on-release.
  win32::HGLOBAL memory = stream.memory();
  s->Release();
  EXPECT_EQ(win32::GlobalSize(memory), 5u);
  EXPECT_EQ(stream.ReadBytes(), kFive);
}

TEST(ImageStream, CopyFormOfAnEmptyBlockHoldsAnEmptyBlock) {
  ImageStream stream;
  com::IStream* s = stream.Create(bytes::ByteBlockView(), StreamKind::CopyOfBytes);
  EXPECT_NE(stream.memory(), nullptr);
  EXPECT_EQ(stream.GetSize(), 0u);
  EXPECT_TRUE(stream.ReadBytes().empty());
  if (s != nullptr) s->Release();
}

TEST(ImageStream, GrowableFormStartsEmptyAndGrowsWithWrites) {
  ImageStream stream;
  com::IStream* s = stream.Create(kFive, StreamKind::Growable);  // the bytes are not copied
  ASSERT_NE(s, nullptr);
  EXPECT_EQ(stream.GetSize(), 0u);
  win32::ULONG written = 0;
  EXPECT_EQ(s->Write("abc", 3, &written), com::S_OK);
  EXPECT_EQ(written, 3u);
  ASSERT_GE(stream.GetSize(), 3u);
  EXPECT_EQ(bytes::ByteBlock(stream.ReadBytes().data(), 3), bytes::ByteBlock("abc"));
  // This stream owns its block: releasing it frees the block (the object's later GlobalFree of
  // the same handle then fails harmlessly).
  win32::HGLOBAL memory = stream.memory();
  s->Release();
  EXPECT_EQ(win32::GlobalSize(memory), 0u);
}

TEST(ImageStream, CreateTwiceHoldsOnlyTheSecondBlock) {
  ImageStream stream;
  com::IStream* first = stream.Create(kFive, StreamKind::CopyOfBytes);
  win32::HGLOBAL firstMemory = stream.memory();
  com::IStream* second = stream.Create(bytes::ByteBlock("xy"), StreamKind::CopyOfBytes);
  EXPECT_NE(stream.memory(), firstMemory);
  EXPECT_EQ(win32::GlobalSize(firstMemory), 0u) << "the first block is freed";
  EXPECT_EQ(win32::GlobalFree(firstMemory), firstMemory) << "and no longer a handle";
  EXPECT_EQ(stream.GetStream(), second);
  EXPECT_EQ(stream.ReadBytes(), bytes::ByteBlock("xy"));
  first->Release();
  second->Release();
}

TEST(ImageStream, ReleaseFreesTheBlockAndKeepsTheStreamPointer) {
  ImageStream stream;
  com::IStream* s = stream.Create(kFive, StreamKind::CopyOfBytes);
  win32::HGLOBAL memory = stream.memory();
  stream.Release();
  EXPECT_EQ(stream.memory(), nullptr);
  EXPECT_EQ(win32::GlobalSize(memory), 0u);
  EXPECT_EQ(stream.GetStream(), s);
  EXPECT_EQ(stream.GetSize(), 0u);
  EXPECT_TRUE(stream.ReadBytes().empty());
  // Release on an object that holds no block does nothing.
  stream.Release();
  EXPECT_EQ(stream.memory(), nullptr);
  EXPECT_EQ(stream.GetStream(), s);
  s->Release();
}

TEST(ImageStream, DestructorFreesTheBlock) {
  win32::HGLOBAL memory = nullptr;
  com::IStream* s = nullptr;
  {
    ImageStream stream;
    s = stream.Create(kFive, StreamKind::CopyOfBytes);
    memory = stream.memory();
    ASSERT_EQ(win32::GlobalSize(memory), 5u);
  }
  EXPECT_EQ(win32::GlobalSize(memory), 0u);
  s->Release();
}

}  // namespace
