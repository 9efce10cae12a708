// Popup menus whose items carry a caption, a shortcut text, a tag and a
// picture.
#pragma once

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "framework/scoped_handles.h"

namespace vyr::framework {

struct MenuItem {
  std::string caption;   // "-" for a separator line
  std::string shortcut = {};  // shown at the right, as text only
  int tag = 0;           // what Track returns when the item is chosen
  HBITMAP picture = nullptr;
};

class PopupMenu {
 public:
  PopupMenu();
  // A submenu is its own PopupMenu's to destroy: the items go first, so that
  // destroying this menu leaves the submenus alone.
  ~PopupMenu() { Clear(); }
  PopupMenu(const PopupMenu&) = delete;
  PopupMenu& operator=(const PopupMenu&) = delete;

  HMENU handle() const { return menu_.get(); }
  int Count() const { return GetMenuItemCount(menu_.get()); }
  void Add(const MenuItem& item);
  void Insert(int position, const MenuItem& item);
  void AddSubmenu(const std::string& caption, PopupMenu& submenu);
  void RemoveAt(int position);
  // The tag of the item at `position`; 0 for a submenu.
  int TagAt(int position) const;
  void Clear();

  // Shows the menu at a screen point for `owner`; the chosen item's tag, or 0.
  int Track(HWND owner, POINT at) const;

 private:
  ScopedMenu menu_;
};

}  // namespace vyr::framework
