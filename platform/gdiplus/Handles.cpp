// The object table of the GDI+ stand-in.

#include "platform/gdiplus/Handles.h"

#include <unordered_map>

namespace gdiplus::internal {
namespace {

struct Table {
  std::unordered_map<std::uintptr_t, std::unique_ptr<Object>> objects;
  std::uintptr_t next{0x20000};
};

// Never destroyed: an image still alive at exit keeps a stream whose memory table may already be
// gone, so the objects are not torn down behind the process's back.
Table& Objects() {
  static Table* table = new Table;
  return *table;
}

}  // namespace

std::uintptr_t AddObject(std::unique_ptr<Object> object) {
  Table& table = Objects();
  std::uintptr_t handle = table.next;
  table.next += 8;
  table.objects.emplace(handle, std::move(object));
  return handle;
}

Object* FindObject(const void* handle) {
  Table& table = Objects();
  auto it = table.objects.find(reinterpret_cast<std::uintptr_t>(handle));
  return it == table.objects.end() ? nullptr : it->second.get();
}

bool RemoveObject(const void* handle) {
  Table& table = Objects();
  auto it = table.objects.find(reinterpret_cast<std::uintptr_t>(handle));
  if (it == table.objects.end()) return false;
  // Out of the table first, so the object's destructor never sees itself as alive.
  std::unique_ptr<Object> object = std::move(it->second);
  table.objects.erase(it);
  return true;
}

void RemoveAllObjects() {
  Table& table = Objects();
  auto objects = std::move(table.objects);
  table.objects.clear();
}

}  // namespace gdiplus::internal
