// Passing over the paths that cannot hold a path fragment, without
// upper-casing them: a search over a million paths then upper-cases only the
// few that might match.
#pragma once

#include <string>
#include <string_view>

namespace vyr {

class FragmentFilter {
 public:
  // `fragment` is upper-cased already.
  explicit FragmentFilter(std::string_view fragment);

  // False only when the upper-cased `path` cannot hold the fragment.
  bool MayHold(std::string_view path) const;

 private:
  // The longest run of the fragment's characters that an upper-cased path can
  // only hold where the path itself held them, ASCII letters in either case.
  std::string anchor_;
  bool anchor_has_letters_ = false;
};

}  // namespace vyr
