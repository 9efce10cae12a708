// Completion from its own list as the user types, for any editable combo box
// (the main window's input box, the Mini window's): switched on and off as
// the completion setting says.
#pragma once

#include <string>

#include "framework/controls.h"
#include "framework/subclass.h"

namespace vyr {

class CompletingInputBox final : private framework::Subclass {
 public:
  CompletingInputBox() = default;
  explicit CompletingInputBox(framework::ComboBox box) : box_(box) {}
  void Attach(framework::ComboBox box);

  // The box's edit is subclassed only while completion is on, so that
  // nothing stands between the keyboard and the box otherwise.
  void SetOn(bool on);
  bool on() const { return installed(); }

 private:
  LRESULT OnMessage(UINT message, WPARAM wparam, LPARAM lparam) override;
  // The character a WM_CHAR brings, in Shift-JIS.
  static std::string TypedCharacter(WPARAM wparam);
  bool CompleteTyped(const std::string& typed);

  framework::ComboBox box_;
};

}  // namespace vyr
