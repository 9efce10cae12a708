// The Mini window, as the controllers see it: a one-line input box whose text
// the commands' "%d" macros receive, shown for one command at a time.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace vyr {

class MiniWindowView {
 public:
  virtual ~MiniWindowView() = default;
  virtual std::string InputText() const = 0;
  virtual void SetCaption(std::string_view caption) = 0;
  // Shows the window and brings it to the foreground.
  virtual void ShowInFront() = 0;
  // Hides the window; a hidden one stays hidden.
  virtual void Hide() = 0;
  // The input box's drop-down list, newest first; its typed text stays.
  virtual void ShowHistoryList(const std::vector<std::string>& entries) = 0;
  virtual void SetCompletion(bool on) = 0;
  // Whether the input box closes the input method each time it takes the focus.
  virtual void SetCloseInputMethod(bool on) = 0;
};

}  // namespace vyr
