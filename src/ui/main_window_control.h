// The one thing the jump controllers do to the main window.
#pragma once

namespace vyr {

class MainWindowControl {
 public:
  virtual ~MainWindowControl() = default;
  // Closes the main window, which ends the program with the exit save.
  virtual void Close() = 0;
};

}  // namespace vyr
