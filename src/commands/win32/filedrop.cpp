#include "commands/win32/filedrop.h"

#include "framework/scoped_handles.h"
#include "framework/window.h"

namespace vyr {
namespace {

// The component and the procedure it stands in front of, kept on the window,
// so that the procedure finds both from the handle alone.
constexpr char kComponent[] = "VyrFileDrop";
constexpr char kPrevious[] = "VyrFileDropPrevious";

}  // namespace

void TFileDrop::Attach(HWND owner) {
  Detach();
  if (owner == nullptr || GetPropA(owner, kPrevious) != nullptr) return;
  owner_ = owner;
  previous_ = reinterpret_cast<WNDPROC>(GetWindowLongPtrA(owner, GWLP_WNDPROC));
  SetPropA(owner, kPrevious, reinterpret_cast<HANDLE>(previous_));
  SetPropA(owner, kComponent, this);
  SetWindowLongPtrA(owner, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(Procedure));
  SetEnabled(enabled_);
}

void TFileDrop::Detach() {
  if (owner_ == nullptr) return;
  RemovePropA(owner_, kComponent);
  // Whoever stood in front of us since keeps our procedure in the chain,
  // which then only passes messages on.
  if (reinterpret_cast<WNDPROC>(GetWindowLongPtrA(owner_, GWLP_WNDPROC)) == Procedure) {
    SetWindowLongPtrA(owner_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previous_));
    RemovePropA(owner_, kPrevious);
  }
  owner_ = nullptr;
  previous_ = nullptr;
}

void TFileDrop::SetEnabled(bool enabled) {
  enabled_ = enabled;
  if (owner_ != nullptr) DragAcceptFiles(owner_, enabled ? TRUE : FALSE);
}

void TFileDrop::DropFiles(HDROP drop) {
  std::vector<std::string> fnames;
  POINT at = {};
  {
    // Released before the handler runs: it may open a modal window.
    framework::ScopedDrop held(drop);
    DragQueryPoint(drop, &at);
    fnames = framework::DroppedPaths(drop);
  }
  if (on_drop_files_) on_drop_files_(at.x, at.y, fnames);
}

LRESULT CALLBACK TFileDrop::Procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  auto* component = static_cast<TFileDrop*>(GetPropA(window, kComponent));
  const auto previous = reinterpret_cast<WNDPROC>(GetPropA(window, kPrevious));
  if (message == WM_NCDESTROY) {
    if (component != nullptr) component->Detach();
    RemovePropA(window, kPrevious);
    return CallWindowProcA(previous, window, message, wparam, lparam);
  }
  // The drop is ours alone: it is released here, and the window behind would
  // read and release it again.
  if (message == WM_DROPFILES && component != nullptr) {
    component->DropFiles(reinterpret_cast<HDROP>(wparam));
    return 0;
  }
  return CallWindowProcA(previous, window, message, wparam, lparam);
}

}  // namespace vyr
