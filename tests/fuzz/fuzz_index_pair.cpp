// Any bytes as a names file and a paths file: the load must give two lists of
// one length or none, and a lookup over them must stay in bounds.
#include <cstdint>
#include <string>

#include "fakes/fake_file_system.h"
#include "index/index_store.h"
#include "jump/lookup.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  const std::size_t split = bytes.empty() ? 0 : static_cast<unsigned char>(bytes[0]) * size / 256;
  vyr::test::FakeFileSystem files;
  files.files["d\\Vyr_L.dir"] = bytes.substr(0, split);
  files.files["d\\Vyr_L.path"] = bytes.substr(split);
  vyr::IndexStore store(files, "d\\");
  vyr::LoadedIndex index;
  store.Load("L", index);
  if (index.names.size() != index.paths.size()) __builtin_trap();
  std::vector<std::string> results;
  for (const char* text : {"A", "\\\\X", "\\", "A\\B", ""}) vyr::Search(text, index, 'c', results);
  return 0;
}
