// IStream over a global memory block. Each stream object counts its own references; the block
// behind it is shared with its clones and freed, when asked for, once the last of them goes.

#include <algorithm>
#include <atomic>
#include <cstddef>
#include <cstring>
#include <limits>
#include <memory>

#include "platform/com/Com.h"
#include "platform/win32/Memory.h"

namespace com {
namespace {

// The block and its logical size, shared by a stream and its clones.
struct SharedBlock {
  HGLOBAL memory{nullptr};
  bool deleteOnRelease{false};
  std::uint64_t size{0};

  SharedBlock(HGLOBAL block, bool deleteIt, std::uint64_t bytes)
      : memory(block), deleteOnRelease(deleteIt), size(bytes) {}
  ~SharedBlock() {
    if (deleteOnRelease) win32::GlobalFree(memory);
  }
  SharedBlock(const SharedBlock&) = delete;
  SharedBlock& operator=(const SharedBlock&) = delete;
};

struct StreamObject;

// The interface handed out; every call goes to the object it is the first member of.
class StreamInterface final : public IStream {
 public:
  HRESULT QueryInterface(REFIID iid, void** object) override;
  ULONG AddRef() override;
  ULONG Release() override;
  HRESULT Read(void* buffer, ULONG size, ULONG* read) override;
  HRESULT Write(const void* buffer, ULONG size, ULONG* written) override;
  HRESULT Seek(LARGE_INTEGER move, DWORD origin, ULARGE_INTEGER* newPosition) override;
  HRESULT SetSize(ULARGE_INTEGER newSize) override;
  HRESULT CopyTo(IStream* target, ULARGE_INTEGER size, ULARGE_INTEGER* read,
                 ULARGE_INTEGER* written) override;
  HRESULT Commit(DWORD flags) override;
  HRESULT Revert() override;
  HRESULT LockRegion(ULARGE_INTEGER offset, ULARGE_INTEGER size, DWORD type) override;
  HRESULT UnlockRegion(ULARGE_INTEGER offset, ULARGE_INTEGER size, DWORD type) override;
  HRESULT Stat(STATSTG* stat, DWORD flags) override;
  HRESULT Clone(IStream** clone) override;

 private:
  StreamObject& Self();
};

struct StreamObject {
  StreamInterface iface;  // first member: the object and its interface share one address
  std::atomic<ULONG> references{1};
  std::shared_ptr<SharedBlock> block;
  std::uint64_t position{0};

  explicit StreamObject(std::shared_ptr<SharedBlock> shared) : block(std::move(shared)) {}
};

// COM's layout rule, checked once: the interface pointer is the object's address.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Winvalid-offsetof"
static_assert(offsetof(StreamObject, iface) == 0);
#pragma GCC diagnostic pop

StreamObject& StreamInterface::Self() {
  return *reinterpret_cast<StreamObject*>(this);
}

IStream* NewStream(std::shared_ptr<SharedBlock> block, std::uint64_t position) {
  auto* object = new StreamObject(std::move(block));
  object->position = position;
  return &object->iface;
}

// Makes the block hold `size` bytes; false when it cannot.
bool ResizeBlock(SharedBlock& block, std::uint64_t size) {
  if (size > std::numeric_limits<ULONG>::max()) return false;  // a stream's block is 32-bit
  if (size != win32::GlobalSize(block.memory) &&
      win32::GlobalReAlloc(block.memory, win32::SIZE_T(size), win32::GMEM_MOVEABLE) == nullptr) {
    return false;
  }
  block.size = size;
  return true;
}

// The block's bytes for the duration of one call.
class Locked {
 public:
  explicit Locked(HGLOBAL memory)
      : memory_(memory), bytes_(static_cast<std::byte*>(win32::GlobalLock(memory))) {}
  ~Locked() {
    if (bytes_ != nullptr) win32::GlobalUnlock(memory_);
  }
  Locked(const Locked&) = delete;
  Locked& operator=(const Locked&) = delete;
  std::byte* bytes() const { return bytes_; }

 private:
  HGLOBAL memory_;
  std::byte* bytes_;
};

HRESULT StreamInterface::QueryInterface(REFIID iid, void** object) {
  if (object == nullptr) return E_POINTER;
  if (iid == IID_IUnknown || iid == IID_ISequentialStream || iid == IID_IStream) {
    *object = static_cast<IStream*>(this);
    AddRef();
    return S_OK;
  }
  *object = nullptr;
  return E_NOINTERFACE;
}

ULONG StreamInterface::AddRef() {
  return ++Self().references;
}

ULONG StreamInterface::Release() {
  StreamObject& self = Self();
  ULONG left = --self.references;
  if (left == 0) delete &self;  // the last stream over a delete-on-release block frees it
  return left;
}

HRESULT StreamInterface::Read(void* buffer, ULONG size, ULONG* read) {
  StreamObject& self = Self();
  if (read != nullptr) *read = 0;
  if (buffer == nullptr) return STG_E_INVALIDPOINTER;
  // The block may have been cut behind the stream's back; never read past what it holds.
  std::uint64_t end =
      std::min<std::uint64_t>(self.block->size, win32::GlobalSize(self.block->memory));
  ULONG count = 0;
  if (self.position < end) count = ULONG(std::min<std::uint64_t>(size, end - self.position));
  if (count > 0) {
    Locked locked(self.block->memory);
    if (locked.bytes() == nullptr) return E_FAIL;
    std::memcpy(buffer, locked.bytes() + self.position, count);
  }
  self.position += count;
  if (read != nullptr) *read = count;
  return S_OK;  // a short read at the end is still a success
}

HRESULT StreamInterface::Write(const void* buffer, ULONG size, ULONG* written) {
  StreamObject& self = Self();
  if (written != nullptr) *written = 0;
  if (buffer == nullptr) return STG_E_INVALIDPOINTER;
  if (size == 0) return S_OK;
  std::uint64_t end = self.position + size;
  if (end > self.block->size && !ResizeBlock(*self.block, end)) return STG_E_MEDIUMFULL;
  if (win32::GlobalSize(self.block->memory) < end) return STG_E_MEDIUMFULL;
  {
    Locked locked(self.block->memory);
    if (locked.bytes() == nullptr) return E_FAIL;
    std::memcpy(locked.bytes() + self.position, buffer, size);
  }
  self.position = end;
  if (written != nullptr) *written = size;
  return S_OK;
}

// Moving before the start is an error and leaves the position alone; past the end is allowed.
HRESULT StreamInterface::Seek(LARGE_INTEGER move, DWORD origin, ULARGE_INTEGER* newPosition) {
  StreamObject& self = Self();
  std::int64_t base = 0;
  switch (origin) {
    case STREAM_SEEK_SET:
      base = 0;
      break;
    case STREAM_SEEK_CUR:
      base = std::int64_t(self.position);
      break;
    case STREAM_SEEK_END:
      base = std::int64_t(self.block->size);
      break;
    default:
      return STG_E_INVALIDFUNCTION;
  }
  std::int64_t target = 0;
  if (__builtin_add_overflow(base, move.QuadPart, &target) || target < 0) {
    return STG_E_INVALIDFUNCTION;
  }
  self.position = std::uint64_t(target);
  if (newPosition != nullptr) newPosition->QuadPart = self.position;
  return S_OK;
}

HRESULT StreamInterface::SetSize(ULARGE_INTEGER newSize) {
  StreamObject& self = Self();
  if (newSize.QuadPart > std::numeric_limits<ULONG>::max()) return STG_E_INVALIDFUNCTION;
  if (!ResizeBlock(*self.block, newSize.QuadPart)) return E_OUTOFMEMORY;
  return S_OK;
}

HRESULT StreamInterface::CopyTo(IStream* target, ULARGE_INTEGER size, ULARGE_INTEGER* read,
                                ULARGE_INTEGER* written) {
  if (read != nullptr) read->QuadPart = 0;
  if (written != nullptr) written->QuadPart = 0;
  if (target == nullptr) return STG_E_INVALIDPOINTER;
  std::byte chunk[4096];
  std::uint64_t left = size.QuadPart;
  std::uint64_t totalRead = 0;
  std::uint64_t totalWritten = 0;
  HRESULT result = S_OK;
  while (left > 0) {
    ULONG got = 0;
    result = Read(chunk, ULONG(std::min<std::uint64_t>(left, sizeof chunk)), &got);
    if (FAILED(result) || got == 0) break;
    totalRead += got;
    ULONG put = 0;
    result = target->Write(chunk, got, &put);
    totalWritten += put;
    if (FAILED(result)) break;
    left -= got;
  }
  if (read != nullptr) read->QuadPart = totalRead;
  if (written != nullptr) written->QuadPart = totalWritten;
  return result;
}

// A memory stream has no transactions: there is nothing to commit or revert.
HRESULT StreamInterface::Commit(DWORD) {
  return S_OK;
}
HRESULT StreamInterface::Revert() {
  return S_OK;
}

// Region locking is not supported by streams over global memory.
HRESULT StreamInterface::LockRegion(ULARGE_INTEGER, ULARGE_INTEGER, DWORD) {
  return STG_E_INVALIDFUNCTION;
}
HRESULT StreamInterface::UnlockRegion(ULARGE_INTEGER, ULARGE_INTEGER, DWORD) {
  return STG_E_INVALIDFUNCTION;
}

// A memory stream has no name, so pwcsName is null whatever the flags ask for.
HRESULT StreamInterface::Stat(STATSTG* stat, DWORD) {
  if (stat == nullptr) return STG_E_INVALIDPOINTER;
  *stat = STATSTG{};
  stat->type = STGTY_STREAM;
  stat->cbSize.QuadPart = Self().block->size;
  return S_OK;
}

HRESULT StreamInterface::Clone(IStream** clone) {
  if (clone == nullptr) return STG_E_INVALIDPOINTER;
  StreamObject& self = Self();
  *clone = NewStream(self.block, self.position);
  return S_OK;
}

}  // namespace

HRESULT CreateStreamOnHGlobal(HGLOBAL memory, BOOL deleteOnRelease, IStream** stream) {
  if (stream == nullptr) return E_INVALIDARG;
  if (memory == nullptr) {
    memory = win32::GlobalAlloc(win32::GMEM_MOVEABLE, 0);
    if (memory == nullptr) return E_OUTOFMEMORY;
  }
  // The stream starts at the start of the block and is as long as the whole block.
  auto block = std::make_shared<SharedBlock>(memory, deleteOnRelease != win32::FALSE,
                                             win32::GlobalSize(memory));
  *stream = NewStream(std::move(block), 0);
  return S_OK;
}

HRESULT GetHGlobalFromStream(IStream* stream, HGLOBAL* memory) {
  if (memory == nullptr) return E_INVALIDARG;
  *memory = nullptr;
  auto* ours = dynamic_cast<StreamInterface*>(stream);
  if (ours == nullptr) return E_INVALIDARG;  // null, or a stream not made over global memory
  *memory = reinterpret_cast<StreamObject*>(ours)->block->memory;
  return S_OK;
}

}  // namespace com
