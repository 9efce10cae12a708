// Texts of the settings file, in Shift-JIS.
#pragma once

namespace vyr::texts {

// %s に書き込めません
inline constexpr char kCannotWriteFormat[] =
    "%s \x82\xC9\x8F\x91\x82\xAB\x8D\x9E\x82\xDF\x82\xDC\x82\xB9\x82\xF1";

}  // namespace vyr::texts
