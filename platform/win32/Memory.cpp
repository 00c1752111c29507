// Global memory: a table of blocks keyed by handle. A handle is a number, not an address, so a
// freed handle can be recognised as invalid and is never handed out again.

#include "platform/win32/Memory.h"

#include <cstring>
#include <memory>
#include <mutex>
#include <new>
#include <unordered_map>

#include "platform/win32/Kernel.h"

namespace win32 {
namespace {

constexpr DWORD kErrorNotLocked = 158;  // ERROR_NOT_LOCKED
constexpr UINT kLockCountMax = 0xFF;    // a moveable block's lock count saturates here

struct Block {
  std::unique_ptr<std::byte[]> bytes;  // null for a moveable block of 0 bytes (discarded)
  SIZE_T size{0};
  SIZE_T capacity{0};
  bool moveable{false};
  UINT locks{0};
};

// Worker threads may allocate too, so the table has its own lock.
struct Table {
  std::mutex mutex;
  std::unordered_map<std::uintptr_t, Block> blocks;
  std::uintptr_t next{0x10000};
};

// Never destroyed: other tables may free their blocks while the process runs its exit code.
Table& Blocks() {
  static Table* table = new Table;
  return *table;
}

// Every byte is zeroed, GMEM_ZEROINIT or not: the flag is honoured and the rest is simply
// deterministic. Null when the memory cannot be had.
std::unique_ptr<std::byte[]> NewBytes(SIZE_T size) {
  return std::unique_ptr<std::byte[]>(new (std::nothrow) std::byte[size == 0 ? 1 : size]());
}

Block* Find(Table& table, HGLOBAL memory) {
  auto it = table.blocks.find(reinterpret_cast<std::uintptr_t>(memory));
  return it == table.blocks.end() ? nullptr : &it->second;
}

// Resizes `block` to `size` bytes; in place only when `mayMove` is false.
bool Resize(Block& block, SIZE_T size, bool mayMove) {
  if (size <= block.capacity && block.bytes) {
    if (size > block.size) std::memset(block.bytes.get() + block.size, 0, size - block.size);
    block.size = size;
    return true;
  }
  if (!mayMove) return false;
  auto bytes = NewBytes(size);
  if (!bytes) return false;
  if (block.bytes) std::memcpy(bytes.get(), block.bytes.get(), block.size);
  block.bytes = std::move(bytes);
  block.size = size;
  block.capacity = size;
  return true;
}

}  // namespace

HGLOBAL GlobalAlloc(UINT flags, SIZE_T bytes) {
  Block block;
  block.moveable = (flags & GMEM_MOVEABLE) != 0;
  // A moveable block of 0 bytes is allocated already discarded: it has a handle but no memory.
  if (!(block.moveable && bytes == 0)) {
    block.bytes = NewBytes(bytes);
    if (!block.bytes) {
      SetLastError(ERROR_NOT_ENOUGH_MEMORY);
      return nullptr;
    }
    block.size = bytes;
    block.capacity = bytes;
  }
  Table& table = Blocks();
  std::lock_guard lock(table.mutex);
  std::uintptr_t handle = table.next;
  table.next += 8;
  table.blocks.emplace(handle, std::move(block));
  return reinterpret_cast<HGLOBAL>(handle);
}

HGLOBAL GlobalReAlloc(HGLOBAL memory, SIZE_T bytes, UINT flags) {
  Table& table = Blocks();
  std::lock_guard lock(table.mutex);
  Block* block = Find(table, memory);
  if (block == nullptr) {
    SetLastError(ERROR_INVALID_HANDLE);
    return nullptr;
  }
  bool ok = false;
  if (block->moveable) {
    // A moveable block may move unless it is locked; 0 bytes discards an unlocked one.
    if (bytes == 0 && block->locks == 0) {
      block->bytes.reset();
      block->size = 0;
      block->capacity = 0;
      ok = true;
    } else {
      ok = Resize(*block, bytes, block->locks == 0);
    }
  } else {
    // A fixed block moves only when the caller allows it with GMEM_MOVEABLE.
    ok = Resize(*block, bytes, (flags & GMEM_MOVEABLE) != 0);
  }
  if (!ok) {
    SetLastError(ERROR_NOT_ENOUGH_MEMORY);
    return nullptr;
  }
  return memory;
}

LPVOID GlobalLock(HGLOBAL memory) {
  Table& table = Blocks();
  std::lock_guard lock(table.mutex);
  Block* block = Find(table, memory);
  if (block == nullptr) {
    SetLastError(ERROR_INVALID_HANDLE);
    return nullptr;
  }
  if (!block->moveable) return block->bytes.get();
  if (!block->bytes) return nullptr;  // discarded: nothing to lock
  if (block->locks < kLockCountMax) ++block->locks;
  return block->bytes.get();
}

BOOL GlobalUnlock(HGLOBAL memory) {
  Table& table = Blocks();
  std::lock_guard lock(table.mutex);
  Block* block = Find(table, memory);
  if (block == nullptr) {
    SetLastError(ERROR_INVALID_HANDLE);
    return FALSE;
  }
  if (!block->moveable) return TRUE;  // a fixed block has no lock count; it stays usable
  if (block->locks == 0) {
    SetLastError(kErrorNotLocked);
    return FALSE;
  }
  --block->locks;
  if (block->locks == 0) {
    SetLastError(ERROR_SUCCESS);  // FALSE with NO_ERROR: the block is now unlocked
    return FALSE;
  }
  return TRUE;
}

SIZE_T GlobalSize(HGLOBAL memory) {
  Table& table = Blocks();
  std::lock_guard lock(table.mutex);
  Block* block = Find(table, memory);
  if (block == nullptr) {
    SetLastError(ERROR_INVALID_HANDLE);
    return 0;
  }
  return block->size;
}

HGLOBAL GlobalFree(HGLOBAL memory) {
  if (memory == nullptr) return nullptr;
  Table& table = Blocks();
  std::unique_ptr<std::byte[]> freed;  // released after the lock is given back
  std::lock_guard lock(table.mutex);
  auto it = table.blocks.find(reinterpret_cast<std::uintptr_t>(memory));
  if (it == table.blocks.end()) {
    SetLastError(ERROR_INVALID_HANDLE);
    return memory;
  }
  // A locked block is freed as well, as the system does.
  freed = std::move(it->second.bytes);
  table.blocks.erase(it);
  return nullptr;
}

}  // namespace win32
