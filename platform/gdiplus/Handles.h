#pragma once
// Inside the GDI+ stand-in only: the table that owns every GDI+ object from its creation to its
// deletion. A handle is a key of the table, never an address: a handle that was never made, or
// whose object is gone, finds nothing. Used from the GUI thread only, as the kit uses GDI+.

#include <cstdint>
#include <memory>

namespace gdiplus::internal {

// Every GDI+ object of the table derives from this.
struct Object {
  virtual ~Object() = default;
};

// True between a successful GdiplusStartup and the matching last GdiplusShutdown.
bool Started();

// Takes `object` into the table and returns its new handle, never handed out before.
std::uintptr_t AddObject(std::unique_ptr<Object> object);
// The object of `handle`, or null.
Object* FindObject(const void* handle);
// Deletes the object of `handle`; false when there is none.
bool RemoveObject(const void* handle);
// Deletes every object (the last GdiplusShutdown).
void RemoveAllObjects();

template <class Handle, class T>
Handle* Add(std::unique_ptr<T> object) {
  return reinterpret_cast<Handle*>(AddObject(std::move(object)));
}

// The object of `handle` when it is a T, else null.
template <class T>
T* Find(const void* handle) {
  return dynamic_cast<T*>(FindObject(handle));
}

// Deletes the object of `handle` when it is a T; false otherwise.
template <class T>
bool Remove(const void* handle) {
  return Find<T>(handle) != nullptr && RemoveObject(handle);
}

}  // namespace gdiplus::internal
