#include "installer/setup_command_line.h"

#include <string_view>

namespace tavi::installer {
namespace {

using command_line::SwitchStyle;

// The five languages of the suite, by their index.
std::optional<texts::LanguageIndex> languageIndex(std::string_view text) {
  if (text.size() != 1 || text[0] < '0' || text[0] > '4') return std::nullopt;
  return text[0] - '0';
}

// A value in quotes as a shell that keeps them passes it: /LOG="C:\setup.log".
std::string_view unquoted(std::string_view value) {
  if (value.size() >= 2 && value.front() == '"' && value.back() == '"') {
    return value.substr(1, value.size() - 2);
  }
  return value;
}

// "/LANG=2" with the name "/LANG=": the value, when the argument starts with the name.
std::optional<std::string_view> valueAfter(std::string_view argument, std::string_view name,
                                           SwitchStyle style) {
  if (argument.size() < name.size()) return std::nullopt;
  const std::string_view head = argument.substr(0, name.size());
  const bool matches =
      style == SwitchStyle::Windows ? command_line::sameSwitch(head, name) : head == name;
  if (!matches) return std::nullopt;
  return argument.substr(name.size());
}

class Reader {
 public:
  Reader(std::span<const std::string> arguments, SwitchStyle style)
      : arguments_(arguments), style_(style) {}

  SetupCommand read() {
    // On after a mistake: a silent command still finds its log to tell it to.
    for (next_ = 0; next_ < arguments_.size();) {
      const std::string_view argument = arguments_[next_++];
      if (style_ == SwitchStyle::Windows) {
        readWindows(argument);
      } else {
        readPosix(argument);
      }
    }
    if (!command_.silent && (command_.language || !command_.logFile.empty())) {
      fail(std::string(names().language) + " and " + std::string(names().log) +
           " belong to a silent installation (" + std::string(names().silent) + ").");
    }
    return command_;
  }

 private:
  struct Names {
    std::string_view silent, language, log;
  };
  Names names() const {
    if (style_ == SwitchStyle::Windows) return {"/SILENT", "/LANG", "/LOG"};
    return {"--silent", "--lang", "--log"};
  }

  void readWindows(std::string_view argument) {
    if (argument == "/?") {
      command_.help = true;
    } else if (command_line::isVersionSwitch(argument, style_)) {
      command_.version = true;
    } else if (command_line::sameSwitch(argument, "/SILENT")) {
      command_.silent = true;
    } else if (const auto language = valueAfter(argument, "/LANG=", style_)) {
      setLanguage(*language);
    } else if (const auto log = valueAfter(argument, "/LOG=", style_)) {
      setLog(unquoted(*log));
    } else {
      fail("Unknown switch: " + std::string(argument));
    }
  }

  void readPosix(std::string_view argument) {
    if (argument == "--help" || argument == "-h") {
      command_.help = true;
    } else if (command_line::isVersionSwitch(argument, style_)) {
      command_.version = true;
    } else if (argument == "--silent") {
      command_.silent = true;
    } else if (argument == "--lang" || argument == "--log") {
      if (next_ == arguments_.size()) {
        fail(std::string(argument) + " needs a value.");
      } else if (argument == "--lang") {
        setLanguage(arguments_[next_++]);
      } else {
        setLog(arguments_[next_++]);
      }
    } else if (const auto language = valueAfter(argument, "--lang=", style_)) {
      setLanguage(*language);
    } else if (const auto log = valueAfter(argument, "--log=", style_)) {
      setLog(*log);
    } else {
      fail("Unknown argument: " + std::string(argument));
    }
  }

  // The first mistake is the one told.
  void fail(std::string text) {
    if (command_.mistake.empty()) command_.mistake = std::move(text);
  }

  void setLanguage(std::string_view value) {
    command_.language = languageIndex(value);
    if (!command_.language) {
      fail("The language is a number from 0 to 4, not \"" + std::string(value) + "\".");
    }
  }

  void setLog(std::string_view value) {
    command_.logFile = std::string(value);
    if (value.empty()) fail(std::string(names().log) + " needs a file name.");
  }

  std::span<const std::string> arguments_;
  SwitchStyle style_;
  std::size_t next_ = 0;
  SetupCommand command_;
};

}  // namespace

SetupCommand parseSetupCommand(std::span<const std::string> arguments, SwitchStyle style) {
  return Reader(arguments, style).read();
}

std::string setupUsage(SwitchStyle style) {
  if (style == SwitchStyle::Windows) {
    return "setup [/SILENT [/LANG=n] [/LOG=\"file\"]]\n"
           "\n"
           "Without switches setup installs with its window.\n"
           "/SILENT      install without a window or a message box\n"
           "/LANG=n      language: 0 Czech, 1 English, 2 German, 3 Swedish, 4 Russian\n"
           "             (else the language file on the PC or the medium, else English)\n"
           "/LOG=\"file\"  write every folder and file handled, the messages and the result\n"
           "/VERSION     show the version\n"
           "/?           show this help\n"
           "\n"
           "Exit code: 0 installed, 1 the installation failed (the log says why),\n"
           "2 switches it cannot follow or a log it cannot write.";
  }
  return "Usage: tavi-setup [--silent [--lang N] [--log FILE]]\n"
         "\n"
         "Without arguments tavi-setup installs with its window.\n"
         "  --silent      install without a window or a message box\n"
         "  --lang N      language: 0 Czech, 1 English, 2 German, 3 Swedish, 4 Russian\n"
         "                (else the language file on the PC or the medium, else English)\n"
         "  --log FILE    write every folder and file handled, the messages and the result\n"
         "  --version     print the version\n"
         "  -h, --help    print this help\n"
         "\n"
         "Exit status: 0 installed, 1 the installation failed (the log says why),\n"
         "2 arguments it cannot follow or a log it cannot write.";
}

}  // namespace tavi::installer
