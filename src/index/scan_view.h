// What the scan shows: the scan progress window and the screen cursor.
#pragma once

#include <string_view>

namespace vyr {

class ScanView {
 public:
  virtual ~ScanView() = default;
  virtual void SetDriveLetter(char upper_letter) = 0;
  virtual void SetBarRange(int maximum, bool visible) = 0;
  virtual void SetBarPosition(int position) = 0;
  virtual void SetPathText(std::string_view text) = 0;
  virtual void SetCountText(std::string_view text) = 0;
  virtual void Show() = 0;
  virtual void Hide() = 0;
  // Paints the window now: no message loop runs while a scan does.
  virtual void Repaint() = 0;
  // Paints the window with the latest texts as a directory is entered; a
  // window may skip some of these, but never the last state before Repaint.
  virtual void ShowProgress() = 0;
  virtual void SetBusyCursor(bool busy) = 0;
};

}  // namespace vyr
