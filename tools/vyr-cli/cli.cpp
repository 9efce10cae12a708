#include "tools/vyr-cli/cli.h"

#include "index/index_store.h"
#include "jump/macro_expansion.h"
#include "jump/url_form.h"
#include "platform/file_system.h"
#include "platform/volumes.h"
#include "tools/vyr-cli/arguments.h"
#include "tools/vyr-cli/find_command.h"
#include "tools/vyr-cli/init_scripts.h"
#include "tools/vyr-cli/scan_command.h"

namespace vyr::cli {
namespace {

int Expand(const Options& options, std::ostream& out) {
  out << ExpandParameters(options.operands[0], options.directory, options.input) << '\n';
  return kExitFound;
}

int Encode(const Options& options, std::ostream& out) {
  out << UrlForm(options.form->bytes(options.operands[1])) << '\n';
  return kExitFound;
}

int Init(const Options& options, std::ostream& out) {
  out << InitScript(options.operands[0], platform::ProgramPath());
  return kExitFound;
}

}  // namespace

int Run(const std::vector<std::string>& args, const Console& console, const Machine& machine) {
  const std::optional<Options> options = Parse(args);
  if (!options) {
    console.err << kUsage;
    return kExitUsage;
  }
  if (options->command == "expand") return Expand(*options, console.out);
  if (options->command == "encode") return Encode(*options, console.out);
  if (options->command == "init") return Init(*options, console.out);
  const std::string directory = options->index_dir
                                    ? platform::WithTrailingSeparator(*options->index_dir)
                                    : platform::ProgramDirectory();
  const IndexStore store(platform::RealFileSystem(), directory);
  return options->command == "scan"
             ? Scan(*options, store, machine.drives, console.out, console.err)
             : Find(*options, store, machine, console);
}

int Run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  return Run(args, Console{out, err, {}}, Machine{platform::RealDrives(), platform::RealVolumes()});
}

}  // namespace vyr::cli
