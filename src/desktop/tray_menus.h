// The tray's launch and history menus as data, and the one place that fills
// and empties them (with the Mini window's list, which follows the history
// menu).
#pragma once

#include <string>
#include <vector>

#include "commands/command_list.h"
#include "jump/history.h"
#include "ui/mini_window_view.h"

namespace vyr {

// The separator that opens the launch items, below "隠れるのはやめる(&T)".
inline constexpr int kLaunchSeparatorTag = 9999;

// One item of the launch menu.
struct LaunchItem {
  std::string caption;   // the entry's title, "&" marking its accelerator
  std::string shortcut;  // the entry's hot key in its written form; "" for none
  int tag = 0;           // kLaunchMenuTagBase + position, or kLaunchSeparatorTag
  std::string program;   // whose icon the item shows; "" for a separator
  bool separator = false;

  bool operator==(const LaunchItem&) const = default;
};

// The launch items in menu order: the 9999 separator, then entry 0, 1, ...
std::vector<LaunchItem> LaunchItems(const CommandList& commands);

// The tray's two popup menus, as the window layer builds them.
class TrayMenusView {
 public:
  virtual ~TrayMenusView() = default;
  // Puts `items` below the launch menu's first item, in their order.
  virtual void FillLaunchMenu(const std::vector<LaunchItem>& items) = 0;
  // Takes every item of tag 9000 or more out; the designed items stay.
  virtual void EmptyLaunchMenu() = 0;
  // One item per text, top to bottom.
  virtual void FillHistoryMenu(const std::vector<std::string>& captions) = 0;
  virtual void EmptyHistoryMenu() = 0;
};

class TrayMenus {
 public:
  TrayMenus(const CommandList& commands, const History& history, TrayMenusView& menus,
            MiniWindowView& mini)
      : commands_(commands), history_(history), menus_(menus), mini_(mini) {}

  void FillLaunchMenu() { menus_.FillLaunchMenu(LaunchItems(commands_)); }
  void EmptyLaunchMenu() { menus_.EmptyLaunchMenu(); }
  // The oldest entry at the top of the menu; the Mini window's list newest first.
  void FillHistoryMenu();
  void EmptyHistoryMenu();

 private:
  const CommandList& commands_;
  const History& history_;
  TrayMenusView& menus_;
  MiniWindowView& mini_;
};

}  // namespace vyr
