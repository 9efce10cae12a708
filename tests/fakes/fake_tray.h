// The tray icon with the task-bar button ("tray: ..."), the two tray menus
// ("menus: ...", their items kept as state) and the about box ("about").
#pragma once

#include <string>
#include <vector>

#include "desktop/tray_icon_view.h"
#include "desktop/tray_menus.h"
#include "fakes/effect_log.h"
#include "ui/about_box_view.h"

namespace vyr::test {

class FakeTrayIcon final : public TrayIconView, LogsEffects {
 public:
  using LogsEffects::LogsEffects;
  bool icon_on = false;
  void SetTrayIconOn(bool on) override {
    icon_on = on;
    Log(on ? "tray: icon on" : "tray: icon off");
  }
  void HideTaskBarButton() override { Log("tray: hide task-bar button"); }
  void RestoreTaskBarButton() override { Log("tray: restore task-bar button"); }
  void AssignTrayMenus(TrayMenu left, TrayMenu right) override {
    auto name = [](TrayMenu menu) { return menu == TrayMenu::kLaunch ? "launch" : "history"; };
    Log(std::string("tray: left ") + name(left) + ", right " + name(right));
  }
};

class FakeTrayMenus final : public TrayMenusView, LogsEffects {
 public:
  using LogsEffects::LogsEffects;
  std::vector<LaunchItem> launch;
  std::vector<std::string> history;  // top to bottom
  void FillLaunchMenu(const std::vector<LaunchItem>& items) override {
    launch.insert(launch.end(), items.begin(), items.end());
    Log("menus: fill launch");
  }
  void EmptyLaunchMenu() override {
    launch.clear();
    Log("menus: empty launch");
  }
  void FillHistoryMenu(const std::vector<std::string>& captions) override {
    history.insert(history.end(), captions.begin(), captions.end());
    Log("menus: fill history");
  }
  void EmptyHistoryMenu() override {
    history.clear();
    Log("menus: empty history");
  }
};

class FakeAboutBox final : public AboutBoxView, LogsEffects {
 public:
  using LogsEffects::LogsEffects;
  void ShowAbout() override { Log("about"); }
};

}  // namespace vyr::test
