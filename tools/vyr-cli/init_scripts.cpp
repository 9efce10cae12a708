#include "tools/vyr-cli/init_scripts.h"

#include "base/sjis.h"

namespace vyr::cli {
namespace {

// The bytes of vj.cmd beside this file, put here by the build.
constexpr char kVjCmd[] = {
#include "vj_cmd_bytes.inc"
};

// Each character of `text` for which `escape` gives something is replaced
// by that; characters are Shift-JIS, so that no trail byte is taken for one.
template <typename Escape>
std::string Escaped(std::string_view text, Escape escape) {
  std::string result;
  for (std::size_t pos = 0; pos < text.size();) {
    const std::size_t length = CharLength(text, pos);
    const std::string_view character = text.substr(pos, length);
    const std::string_view replacement = escape(character);
    result.append(replacement.empty() ? character : replacement);
    pos += length;
  }
  return result;
}

// bash: inside single quotes nothing is special but the quote itself.
std::string BashQuoted(std::string_view text) {
  return "'" +
         Escaped(text,
                 [](std::string_view c) -> std::string_view { return c == "'" ? "'\\''" : ""; }) +
         "'";
}

// PowerShell takes the typographic single quotes for quotes too (‘ and ’,
// 0x8165 and 0x8166); each is doubled inside a single-quoted string.
std::string PowerShellQuoted(std::string_view text) {
  return "'" +
         Escaped(text,
                 [](std::string_view c) -> std::string_view {
                   if (c == "'") return "''";
                   if (c == "\x81\x65") return "\x81\x65\x81\x65";
                   if (c == "\x81\x66") return "\x81\x66\x81\x66";
                   return "";
                 }) +
         "'";
}

// What each script runs, followed by the words it was given; vj.cmd runs the
// same.
constexpr std::string_view kPickCall = " find --all-drives --native --pick -- ";

std::string BashScript(std::string_view program) {
  return "vj() {\n"
         "  local vyr_dir\n"
         "  vyr_dir=$(" + BashQuoted(program) + std::string(kPickCall) + "\"$@\") || return\n"
         "  cd -- \"$vyr_dir\"\n"
         "}\n";
}

// "global:" keeps the function after Invoke-Expression defined it inside a
// profile script's own scope. The words go one by one (@args, "$@" in bash)
// and vyr-cli joins them after "--", so that none is taken for a flag.
std::string PowerShellScript(std::string_view program) {
  return "function global:vj {\n"
         "  $vyrDir = & " + PowerShellQuoted(program) + std::string(kPickCall) + "@args\n"
         "  if ($LASTEXITCODE -eq 0) { Set-Location -LiteralPath $vyrDir }\n"
         "}\n";
}

// vj.cmd finds the program beside itself; printed for another folder it
// names the program. A "%" of the path is doubled, as a batch file needs.
std::string CmdScript(std::string_view program) {
  constexpr std::string_view kBeside = "%~dp0vyr-cli.exe";
  std::string script = ShippedVjCmd();
  const std::size_t at = script.find(kBeside);
  if (at == std::string::npos) return script;
  const std::string named =
      Escaped(program, [](std::string_view c) -> std::string_view { return c == "%" ? "%%" : ""; });
  return script.replace(at, kBeside.size(), named);
}

struct Shell {
  std::string_view name;
  std::string (*script)(std::string_view program);
};

constexpr Shell kShells[] = {
    {"bash", BashScript}, {"powershell", PowerShellScript}, {"cmd", CmdScript}};

}  // namespace

bool HasInitScript(std::string_view shell) {
  for (const Shell& known : kShells) {
    if (known.name == shell) return true;
  }
  return false;
}

std::string InitScript(std::string_view shell, std::string_view program_path) {
  for (const Shell& known : kShells) {
    if (known.name == shell) return known.script(program_path);
  }
  return {};
}

std::string ShippedVjCmd() {
  std::string text;
  for (const char byte : std::string_view(kVjCmd, sizeof kVjCmd)) {
    if (byte != '\r') text += byte;
  }
  return text;
}

}  // namespace vyr::cli
