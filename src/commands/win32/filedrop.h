// TFileDrop (unit filedrop): files dragged from the shell and dropped on a
// window, handed whole to a handler. It stands in front of the owner's
// window procedure, takes the drops and leaves every other message to it.
#pragma once

#include <windows.h>
// After windows.h, whose types it uses.
#include <shellapi.h>

#include <functional>
#include <string>
#include <vector>

namespace vyr {

class TFileDrop {
 public:
  // The drop point (as DragQueryPoint gives it, in the owner's client area)
  // and every file of the drop, in the platform's order.
  using DropFilesEvent = std::function<void(int x, int y, const std::vector<std::string>& fnames)>;

  TFileDrop() = default;
  ~TFileDrop() { Detach(); }
  TFileDrop(const TFileDrop&) = delete;
  TFileDrop& operator=(const TFileDrop&) = delete;

  // Stands in front of `owner`'s window procedure and applies Enabled.
  void Attach(HWND owner);
  // Puts the previous window procedure back.
  void Detach();

  bool Enabled() const { return enabled_; }
  // Whether the owner accepts dropped files (DragAcceptFiles).
  void SetEnabled(bool enabled);
  void SetOnDropFiles(DropFilesEvent handler) { on_drop_files_ = std::move(handler); }

 private:
  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
  void DropFiles(HDROP drop);

  HWND owner_ = nullptr;
  WNDPROC previous_ = nullptr;
  bool enabled_ = false;
  DropFilesEvent on_drop_files_;
};

}  // namespace vyr
