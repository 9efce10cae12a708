// Any typed text against a small sorted index.
#include <cstdint>
#include <string>

#include "base/sjis.h"
#include "platform/upper_case.h"
#include "index/sort_lists.h"
#include "jump/lookup.h"

namespace {

vyr::LoadedIndex MakeIndex() {
  vyr::LoadedIndex index;
  const char* paths[] = {"c:\\WINDOWS", "c:\\WINDOWS\\SYSTEM32", "c:\\a\\b\\a\\bc",
                         "c:\\\x83\x5C\\x", "c:\\Program Files", "c:\\\x82\x81"};
  for (const char* path : paths) {
    std::string name(path);
    name = name.substr(name.rfind('\\') + 1);
    index.names.push_back(vyr::UpperCase(name));
    index.paths.push_back(path);
  }
  vyr::SortLists(index);
  index.no_index = false;
  return index;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const vyr::LoadedIndex index = MakeIndex();
  const vyr::LookupRequest request =
      vyr::ReadTypedText(std::string_view(reinterpret_cast<const char*>(data), size));
  std::vector<std::string> results;
  if (!request.direct_open) vyr::Search(request.text, index, 'c', results);
  return 0;
}
