// The line format of both files of an index pair.
#pragma once

#include <string>

#include "base/string_list.h"

namespace vyr {

// Splits at CR LF, a lone CR or a lone LF; a NUL byte ends the content and a
// last line without a line end is still taken. Works inside `content`.
StringList SplitLines(std::string&& content);

// Every entry followed by CR LF.
std::string JoinLines(const StringList& lines);

}  // namespace vyr
