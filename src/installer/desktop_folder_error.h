#pragma once

#include <stdexcept>

namespace tavi::installer {

// The user's desktop folder cannot be found; shown in every language with this Czech text.
class DesktopFolderError : public std::runtime_error {
 public:
  DesktopFolderError() : std::runtime_error("Nemůžu v registrech najít cestu k pracovní ploše.") {}
};

}  // namespace tavi::installer
