// Owning, movable wrappers for the handles of the platform: each frees its
// handle when it goes out of scope, so nothing acquired is forgotten on an
// early return. Header-only, so that the platform's own files use them too.
#pragma once

#include <windows.h>
#include <commctrl.h>
#include <shellapi.h>

#include <utility>

namespace vyr::framework {

// One handle of type T, freed by Traits::Free unless it is Traits::Empty().
template <typename T, typename Traits>
class Scoped {
 public:
  Scoped() = default;
  explicit Scoped(T handle) : handle_(handle) {}
  ~Scoped() { Free(); }
  Scoped(const Scoped&) = delete;
  Scoped& operator=(const Scoped&) = delete;
  Scoped(Scoped&& other) noexcept : handle_(other.release()) {}
  Scoped& operator=(Scoped&& other) noexcept {
    if (this != &other) reset(other.release());
    return *this;
  }

  T get() const { return handle_; }
  bool valid() const { return Traits::Valid(handle_); }
  explicit operator bool() const { return valid(); }
  // Gives up the handle without freeing it.
  T release() { return std::exchange(handle_, Traits::Empty()); }
  void reset(T handle = Traits::Empty()) {
    Free();
    handle_ = handle;
  }

 private:
  void Free() {
    if (Traits::Valid(handle_)) Traits::Free(handle_);
    handle_ = Traits::Empty();
  }

  T handle_ = Traits::Empty();
};

namespace handle_traits {

// Kernel objects: some calls answer failure with null, others with
// INVALID_HANDLE_VALUE; neither is closed.
struct Kernel {
  static HANDLE Empty() { return nullptr; }
  static bool Valid(HANDLE h) { return h != nullptr && h != INVALID_HANDLE_VALUE; }
  static void Free(HANDLE h) { CloseHandle(h); }
};

struct Find {
  static HANDLE Empty() { return INVALID_HANDLE_VALUE; }
  static bool Valid(HANDLE h) { return h != nullptr && h != INVALID_HANDLE_VALUE; }
  static void Free(HANDLE h) { FindClose(h); }
};

template <typename T>
struct Gdi {
  static T Empty() { return nullptr; }
  static bool Valid(T h) { return h != nullptr; }
  static void Free(T h) { DeleteObject(h); }
};

struct Icon {
  static HICON Empty() { return nullptr; }
  static bool Valid(HICON h) { return h != nullptr; }
  static void Free(HICON h) { DestroyIcon(h); }
};

struct Menu {
  static HMENU Empty() { return nullptr; }
  static bool Valid(HMENU h) { return h != nullptr; }
  static void Free(HMENU h) { DestroyMenu(h); }
};

struct ImageList {
  static HIMAGELIST Empty() { return nullptr; }
  static bool Valid(HIMAGELIST h) { return h != nullptr; }
  static void Free(HIMAGELIST h) { ImageList_Destroy(h); }
};

struct CreatedDc {
  static HDC Empty() { return nullptr; }
  static bool Valid(HDC h) { return h != nullptr; }
  static void Free(HDC h) { DeleteDC(h); }
};

// A drop is released once it has been read, whatever came of it.
struct Drop {
  static HDROP Empty() { return nullptr; }
  static bool Valid(HDROP h) { return h != nullptr; }
  static void Free(HDROP h) { DragFinish(h); }
};

}  // namespace handle_traits

using ScopedHandle = Scoped<HANDLE, handle_traits::Kernel>;
using ScopedFile = ScopedHandle;
using ScopedFind = Scoped<HANDLE, handle_traits::Find>;
using ScopedBitmap = Scoped<HBITMAP, handle_traits::Gdi<HBITMAP>>;
using ScopedBrush = Scoped<HBRUSH, handle_traits::Gdi<HBRUSH>>;
using ScopedFont = Scoped<HFONT, handle_traits::Gdi<HFONT>>;
using ScopedIcon = Scoped<HICON, handle_traits::Icon>;
using ScopedMenu = Scoped<HMENU, handle_traits::Menu>;
using ScopedImageList = Scoped<HIMAGELIST, handle_traits::ImageList>;
using ScopedCreatedDc = Scoped<HDC, handle_traits::CreatedDc>;
using ScopedDrop = Scoped<HDROP, handle_traits::Drop>;

// A window's device context from GetDC, given back with ReleaseDC.
class ScopedWindowDc {
 public:
  explicit ScopedWindowDc(HWND window) : window_(window), dc_(GetDC(window)) {}
  ~ScopedWindowDc() {
    if (dc_ != nullptr) ReleaseDC(window_, dc_);
  }
  ScopedWindowDc(const ScopedWindowDc&) = delete;
  ScopedWindowDc& operator=(const ScopedWindowDc&) = delete;
  ScopedWindowDc(ScopedWindowDc&& other) noexcept
      : window_(other.window_), dc_(std::exchange(other.dc_, nullptr)) {}
  ScopedWindowDc& operator=(ScopedWindowDc&&) = delete;
  HDC get() const { return dc_; }

 private:
  HWND window_;
  HDC dc_;
};

// An object selected into a device context for a while; the one it replaced
// goes back in at the end.
class ScopedSelect {
 public:
  ScopedSelect(HDC dc, HGDIOBJ object) : dc_(dc), old_(SelectObject(dc, object)) {}
  ~ScopedSelect() {
    if (old_ != nullptr && old_ != HGDI_ERROR) SelectObject(dc_, old_);
  }
  ScopedSelect(const ScopedSelect&) = delete;
  ScopedSelect& operator=(const ScopedSelect&) = delete;

 private:
  HDC dc_;
  HGDIOBJ old_;
};

// A global hot key held by a window: released with UnregisterHotKey.
class ScopedHotKey {
 public:
  ScopedHotKey() = default;
  // Registers the key; registered() tells whether the platform gave it.
  ScopedHotKey(HWND window, int id, UINT modifiers, UINT key)
      : window_(window), id_(id), registered_(RegisterHotKey(window, id, modifiers, key) != 0) {}
  ~ScopedHotKey() { Release(); }
  ScopedHotKey(const ScopedHotKey&) = delete;
  ScopedHotKey& operator=(const ScopedHotKey&) = delete;
  ScopedHotKey(ScopedHotKey&& other) noexcept
      : window_(other.window_), id_(other.id_), registered_(std::exchange(other.registered_, false)) {}
  ScopedHotKey& operator=(ScopedHotKey&& other) noexcept {
    if (this != &other) {
      Release();
      window_ = other.window_;
      id_ = other.id_;
      registered_ = std::exchange(other.registered_, false);
    }
    return *this;
  }
  bool registered() const { return registered_; }
  int id() const { return id_; }
  void Release() {
    if (registered_) UnregisterHotKey(window_, id_);
    registered_ = false;
  }

 private:
  HWND window_ = nullptr;
  int id_ = 0;
  bool registered_ = false;
};

}  // namespace vyr::framework
