// The about box: shown modally, it returns when the user closes it.
#pragma once

namespace vyr {

class AboutBoxView {
 public:
  virtual ~AboutBoxView() = default;
  virtual void ShowAbout() = 0;
};

}  // namespace vyr
