// TForm1's tray menus: the launch menu's items for the Command list and the
// history menu's items, and what choosing an item of either does.
#include "app/win32/main_window.h"

#include "app/win32/program_icon_picture.h"

namespace vyr {

void TForm1::FillLaunchMenu(const std::vector<LaunchItem>& items) {
  int position = 1;  // below "隠れるのはやめる(&T)"
  for (const LaunchItem& item : items) {
    framework::MenuItem menu_item{item.separator ? "-" : item.caption, item.shortcut, item.tag};
    if (!item.separator) {
      launch_pictures_.push_back(ProgramIconPicture(item.program));
      menu_item.picture = launch_pictures_.back().get();
    }
    pop_launch_.Insert(position++, menu_item);
  }
}

void TForm1::EmptyLaunchMenu() {
  for (int position = 0; position < pop_launch_.Count();) {
    if (pop_launch_.TagAt(position) >= kLaunchMenuTagBase) {
      pop_launch_.RemoveAt(position);
    } else {
      ++position;
    }
  }
  launch_pictures_.clear();
}

void TForm1::FillHistoryMenu(const std::vector<std::string>& captions) {
  for (const std::string& caption : captions) {
    pop_history_.Add({caption, "", kHistoryTag + static_cast<int>(history_captions_.size())});
    history_captions_.push_back(caption);
  }
}

void TForm1::EmptyHistoryMenu() {
  pop_history_.Clear();
  history_captions_.clear();
}

void TForm1::OnTrayMenuChoice(TrayMenu menu, int tag) {
  if (application_ == nullptr || tag == 0) return;
  if (menu == TrayMenu::kHistory) {
    PopHistoryClick(tag);
  } else {
    PopLaunchClick(tag);
  }
}

void TForm1::PopLaunchClick(int tag) {
  if (OpenHelpItem(tag)) return;
  switch (tag) {
    case kStopHidingTag:
      application_->tray_mode().Leave();
      return;
    case kAboutFromTrayTag:
      application_->tray_mode().ShowAboutFromTray();
      return;
    case kSettingsTag:
      application_->settings_dialog().Open();
      return;
    case kExitTag:
      Close();
      return;
    default:
      if (tag >= kLaunchMenuTagBase) {
        application_->mini_window().ShowForCommand(tag - kLaunchMenuTagBase);
      }
      return;
  }
}

void TForm1::PopHistoryClick(int tag) {
  if (tag < kHistoryTag) return;
  const auto k = static_cast<std::size_t>(tag - kHistoryTag);
  if (k >= history_captions_.size()) return;
  // GO may refill the menu meanwhile: the text is taken first.
  const std::string text = history_captions_[k];
  application_->tray_mode().OnHistoryItem(text);
}

}  // namespace vyr
