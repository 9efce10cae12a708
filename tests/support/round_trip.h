// Whether a Shift-JIS character reaches Unicode and comes back as itself.
#pragma once

#include <string>

namespace vyr::test {

bool SurvivesCodePageRoundTrip(const std::string& character);

}  // namespace vyr::test
