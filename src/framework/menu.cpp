#include "framework/menu.h"

namespace vyr::framework {
namespace {

MENUITEMINFOA ItemInfo(const MenuItem& item, std::string& text) {
  MENUITEMINFOA info = {};
  info.cbSize = sizeof info;
  if (item.caption == "-") {
    // A separator keeps its tag too, so that it can be found and taken out.
    info.fMask = MIIM_FTYPE | MIIM_ID;
    info.fType = MFT_SEPARATOR;
    info.wID = static_cast<UINT>(item.tag);
    return info;
  }
  text = item.shortcut.empty() ? item.caption : item.caption + "\t" + item.shortcut;
  info.fMask = MIIM_STRING | MIIM_ID | (item.picture ? MIIM_BITMAP : 0);
  info.wID = static_cast<UINT>(item.tag);
  info.dwTypeData = text.data();
  info.hbmpItem = item.picture;
  return info;
}

}  // namespace

PopupMenu::PopupMenu() : menu_(CreatePopupMenu()) {}

void PopupMenu::Add(const MenuItem& item) { Insert(Count(), item); }

void PopupMenu::Insert(int position, const MenuItem& item) {
  std::string text;
  MENUITEMINFOA info = ItemInfo(item, text);
  InsertMenuItemA(handle(), static_cast<UINT>(position), TRUE, &info);
}

void PopupMenu::AddSubmenu(const std::string& caption, PopupMenu& submenu) {
  AppendMenuA(handle(), MF_POPUP | MF_STRING, reinterpret_cast<UINT_PTR>(submenu.handle()),
              caption.c_str());
}

void PopupMenu::RemoveAt(int position) { RemoveMenu(handle(), static_cast<UINT>(position), MF_BYPOSITION); }

int PopupMenu::TagAt(int position) const {
  MENUITEMINFOA info = {};
  info.cbSize = sizeof info;
  info.fMask = MIIM_ID | MIIM_SUBMENU;
  if (!GetMenuItemInfoA(handle(), static_cast<UINT>(position), TRUE, &info)) return 0;
  // A submenu's item carries no tag of ours.
  return info.hSubMenu != nullptr ? 0 : static_cast<int>(info.wID);
}

void PopupMenu::Clear() {
  while (Count() > 0) RemoveAt(0);
}

int PopupMenu::Track(HWND owner, POINT at) const {
  // The owner must be in front, or the menu does not close when the user
  // clicks elsewhere.
  SetForegroundWindow(owner);
  const int tag = static_cast<int>(TrackPopupMenu(handle(), TPM_RETURNCMD | TPM_RIGHTBUTTON, at.x,
                                                  at.y, 0, owner, nullptr));
  PostMessageA(owner, WM_NULL, 0, 0);
  return tag;
}

}  // namespace vyr::framework
