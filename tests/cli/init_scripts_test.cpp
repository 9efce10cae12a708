#include "tools/vyr-cli/init_scripts.h"

#include <gtest/gtest.h>

#include "base/sjis.h"
#include "cli/run_cli.h"
#include "platform/volumes.h"

namespace vyr::cli {
namespace {

constexpr char kCall[] = " find --all-drives --native --pick -- ";

// Reads back the quoted program each shell would run: what the shell makes
// of the quoting, and the text that follows it.
struct Unquoted {
  std::string program;
  std::string rest;
};

// bash: '...' takes every byte as it is; \' outside is a quote.
Unquoted BashWord(std::string_view text) {
  Unquoted word;
  std::size_t pos = 0;
  while (pos < text.size() && text[pos] != ' ') {
    if (text[pos] == '\'') {
      const std::size_t end = text.find('\'', pos + 1);
      if (end == std::string_view::npos) return {"(unclosed)", ""};
      word.program.append(text.substr(pos + 1, end - pos - 1));
      pos = end + 1;
    } else if (text[pos] == '\\' && pos + 1 < text.size()) {
      word.program += text[pos + 1];
      pos += 2;
    } else {
      word.program += text[pos++];
    }
  }
  word.rest = text.substr(pos);
  return word;
}

// PowerShell: '...' where ' ‘ ’ all close it and any two of them make one.
Unquoted PowerShellWord(std::string_view text) {
  const auto quote_at = [&](std::size_t pos) {
    const std::string_view c = text.substr(pos, CharLength(text, pos));
    return c == "'" || c == "\x81\x65" || c == "\x81\x66" ? c.size() : 0;
  };
  if (text.empty() || quote_at(0) == 0) return {"(no quote)", ""};
  Unquoted word;
  std::size_t pos = quote_at(0);
  while (pos < text.size()) {
    const std::size_t length = CharLength(text, pos);
    if (const std::size_t quote = quote_at(pos); quote != 0) {
      if (pos + quote >= text.size() || quote_at(pos + quote) == 0) {
        word.rest = text.substr(pos + quote);
        return word;
      }
      word.program.append(text.substr(pos + quote, quote_at(pos + quote)));
      pos += quote + quote_at(pos + quote);
      continue;
    }
    word.program.append(text.substr(pos, length));
    pos += length;
  }
  return {"(unclosed)", ""};
}

// A batch file: "%%" is one "%".
Unquoted CmdWord(std::string_view text) {
  Unquoted word;
  const std::size_t end = text.find('"');
  if (end == std::string_view::npos) return {"(unclosed)", ""};
  for (std::size_t pos = 0; pos < end; ++pos) {
    word.program += text[pos];
    if (text[pos] == '%' && pos + 1 < end && text[pos + 1] == '%') ++pos;
  }
  word.rest = text.substr(end);
  return word;
}

struct ShellCase {
  std::string shell;
  std::string before;  // what comes right before the program's quoted path
  Unquoted (*word)(std::string_view text);
  std::string after;  // what the rest of the line begins with
};

const ShellCase kShells[] = {
    {"bash", "vyr_dir=$(", BashWord, std::string(kCall) + "\"$@\") || return\n"},
    {"powershell", "$vyrDir = & ", PowerShellWord, std::string(kCall) + "@args\n"},
    {"cmd", "set \"vj_cli=", CmdWord, "\"\n"},
};

TEST(InitScripts, EachShellGetsTheProgramBack) {
  const std::string programs[] = {
      "/opt/vyr/vyr-cli",
      "C:\\Users\\O'Brien\\Vyr (x86)\\vyr-cli.exe",
      "C:\\\x81\x65quoted\x81\x66 100%\\vyr-cli.exe",  // ‘quoted’: quotes to PowerShell
      "C:\\\x8A\x81"
      "e\\\x83\x5C\\vyr-cli.exe",  // 梶 then "e": 0x81 0x65 across two characters; ソ
      "C:\\a\\%PATH%\\'\\vyr-cli.exe",
  };
  for (const ShellCase& shell : kShells) {
    for (const std::string& program : programs) {
      const std::string script = InitScript(shell.shell, program);
      const std::size_t at = script.find(shell.before);
      ASSERT_NE(at, std::string::npos) << shell.shell << "\n" << script;
      const Unquoted word = shell.word(std::string_view(script).substr(at + shell.before.size()));
      EXPECT_EQ(word.program, program) << shell.shell;
      EXPECT_TRUE(word.rest.starts_with(shell.after)) << shell.shell << ": " << word.rest;
    }
  }
}

TEST(InitScripts, ChangeToWhatThePickPrintsOnlyWhenItSucceeded) {
  const std::string bash = InitScript("bash", "/v");
  EXPECT_EQ(bash,
            "vj() {\n"
            "  local vyr_dir\n"
            "  vyr_dir=$('/v' find --all-drives --native --pick -- \"$@\") || return\n"
            "  cd -- \"$vyr_dir\"\n"
            "}\n");
  const std::string powershell = InitScript("powershell", "C:\\v.exe");
  EXPECT_EQ(powershell,
            "function global:vj {\n"
            "  $vyrDir = & 'C:\\v.exe' find --all-drives --native --pick -- @args\n"
            "  if ($LASTEXITCODE -eq 0) { Set-Location -LiteralPath $vyrDir }\n"
            "}\n");
}

TEST(InitScripts, CmdIsTheShippedFileNamingTheProgram) {
  const std::string shipped = ShippedVjCmd();
  ASSERT_NE(shipped.find("set \"vj_cli=%~dp0vyr-cli.exe\"\n"), std::string::npos);
  EXPECT_EQ(shipped.find('\r'), std::string::npos);
  const std::string printed = InitScript("cmd", "C:\\Vyr\\vyr-cli.exe");
  std::string expected = shipped;
  expected.replace(expected.find("%~dp0vyr-cli.exe"), 16, "C:\\Vyr\\vyr-cli.exe");
  EXPECT_EQ(printed, expected);
  EXPECT_NE(shipped.find("\"%vj_cli%\"" + std::string(kCall) + "%*"), std::string::npos);
}

TEST(InitScripts, InitPrintsTheScriptForThisProgram) {
  for (const ShellCase& shell : kShells) {
    const Output output = RunCli({"init", shell.shell});
    EXPECT_EQ(output.status, kExitFound);
    EXPECT_EQ(output.out, InitScript(shell.shell, platform::ProgramPath()));
    EXPECT_EQ(output.err, "");
  }
}

}  // namespace
}  // namespace vyr::cli
