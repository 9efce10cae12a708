#include "desktop/tray_menus.h"

#include "settings/shortcut_text.h"

namespace vyr {

std::vector<LaunchItem> LaunchItems(const CommandList& commands) {
  std::vector<LaunchItem> items;
  items.push_back({"-", "", kLaunchSeparatorTag, "", true});
  for (std::size_t n = 0; n < commands.size(); ++n) {
    const CommandEntry& entry = commands[n];
    LaunchItem item;
    item.caption = entry.title;
    item.tag = kLaunchMenuTagBase + static_cast<int>(n);
    item.separator = entry.IsSeparator();
    if (!item.separator) {
      // Shown in the written form whatever form the file holds ("^S" reads Ctrl+S).
      item.shortcut = ShortcutToText(TextToShortcut(entry.hot_key));
      item.program = entry.program;
    }
    items.push_back(std::move(item));
  }
  return items;
}

void TrayMenus::FillHistoryMenu() {
  if (history_.empty()) return;
  const std::vector<std::string>& entries = history_.Entries();
  menus_.FillHistoryMenu(std::vector<std::string>(entries.rbegin(), entries.rend()));
  mini_.ShowHistoryList(entries);
}

void TrayMenus::EmptyHistoryMenu() {
  menus_.EmptyHistoryMenu();
  mini_.ShowHistoryList({});
}

}  // namespace vyr
