// Owning wrappers for Win32 handles.
#pragma once

#include <windows.h>

namespace vyr::win32 {

template <typename Traits>
class ScopedHandle {
 public:
  explicit ScopedHandle(HANDLE handle = Traits::Invalid()) : handle_(handle) {}
  ~ScopedHandle() {
    if (valid()) Traits::Close(handle_);
  }
  ScopedHandle(const ScopedHandle&) = delete;
  ScopedHandle& operator=(const ScopedHandle&) = delete;
  bool valid() const { return handle_ != Traits::Invalid(); }
  HANDLE get() const { return handle_; }

 private:
  HANDLE handle_;
};

struct FileHandleTraits {
  static HANDLE Invalid() { return INVALID_HANDLE_VALUE; }
  static void Close(HANDLE h) { CloseHandle(h); }
};

struct FindHandleTraits {
  static HANDLE Invalid() { return INVALID_HANDLE_VALUE; }
  static void Close(HANDLE h) { FindClose(h); }
};

using ScopedFile = ScopedHandle<FileHandleTraits>;
using ScopedFind = ScopedHandle<FindHandleTraits>;

}  // namespace vyr::win32
