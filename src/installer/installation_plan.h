#pragma once

#include <cstdint>
#include <span>
#include <string_view>
#include <variant>

#include "installer/file_copies.h"
#include "installer/register_lists.h"
#include "installer/setup_lists.h"

namespace tavi::installer {

// The installation, written once as its steps in the order in which they run. The installer
// walks it to install and to size its progress bar; the demo medium walks it for the files
// that a medium holds.

// Folders created where missing, parents first.
struct CreateFolders {
  std::span<const std::string_view> folders;
};
struct CopyFolders {
  std::span<const FolderCopy> folders;
};
struct CopyFiles {
  std::span<const FileCopy> files;
};
struct RemoveFiles {
  std::span<const FileAt> files;
};
// The language file: the medium's when it holds a readable one, else the language chosen.
struct StoreLanguage {};
struct PlaceDesktopShortcuts {
  std::span<const DesktopShortcut> shortcuts;
};
struct PlaceDesktopManuals {
  std::span<const std::string_view> manuals;
};
// The generator's manual in Czech for Czech, else in English.
struct PlaceGeneratorManual {
  FileCopy czech;
  FileCopy english;
};
struct SetFlag {
  std::string_view flag;
};
using StepAction =
    std::variant<CreateFolders, CopyFolders, CopyFiles, RemoveFiles, StoreLanguage,
                 PlaceDesktopShortcuts, PlaceDesktopManuals, PlaceGeneratorManual, SetFlag>;

enum class Stage : std::uint8_t {
  Setup,             // every run
  FullInstallation,  // a first installation only: an upgrade keeps the user's settings
  Register,          // every run, after the setup; the Register button runs it on its own
  DriverSetup,       // the first installation of the program that needs the USB-serial driver
};

struct Step {
  Stage stage;
  StepAction action;
};

inline constexpr Step kInstallationPlan[] = {
    {Stage::Setup, CreateFolders{kTargetFolders}},
    {Stage::Setup, CopyFolders{kAlwaysCopied}},
    {Stage::FullInstallation, CopyFolders{{&kDefaultSettings, 1}}},
    {Stage::FullInstallation, StoreLanguage{}},
    {Stage::Setup, CopyFolders{{&kPictures, 1}}},
    {Stage::Setup, CopyFolders{{&kProgramLists, 1}}},

    {Stage::Register, RemoveFiles{kEarlierVersions}},
    {Stage::Register, CopyFolders{{&kIcons, 1}}},
    {Stage::Register, CopyFolders{{&kShortcuts, 1}}},
    {Stage::Register, PlaceDesktopShortcuts{kDesktopShortcuts}},
    {Stage::Register, PlaceDesktopManuals{kDesktopManuals}},
    {Stage::Register, CopyFolders{{&kGlobalSettings, 1}}},
    {Stage::Register, CopyFolders{kManuals}},
    {Stage::Register, PlaceGeneratorManual{kCzechGeneratorManual, kEnglishGeneratorManual}},
    {Stage::Register, RemoveFiles{kReplacedPrograms}},
    {Stage::Register, CopyFolders{kPrograms}},
    {Stage::Register, CreateFolders{kDriverFolders}},
    {Stage::Register, CopyFolders{kDriverSet}},
    {Stage::Register, CopyFolders{{&kDetoxDocuments, 1}}},

    {Stage::DriverSetup, SetFlag{kGeneratorColourFlag}},
    {Stage::DriverSetup, CreateFolders{kGeneratorFolders}},
    {Stage::DriverSetup, CopyFiles{kDriverStepCopies}},
    {Stage::DriverSetup, CreateFolders{{&kSettingsFolder, 1}}},
};

// How many files a step handles: each is one step of the progress, whether it is copied,
// removed, written or skipped.
constexpr int fileCount(const StepAction& action) {
  struct Counter {
    constexpr int operator()(const CreateFolders&) const { return 0; }
    constexpr int operator()(const CopyFolders& step) const {
      int count = 0;
      for (const FolderCopy& folder : step.folders)
        count += nameCount(folder.names);
      return count;
    }
    constexpr int operator()(const CopyFiles& step) const {
      return static_cast<int>(step.files.size());
    }
    constexpr int operator()(const RemoveFiles& step) const {
      return static_cast<int>(step.files.size());
    }
    constexpr int operator()(const StoreLanguage&) const { return 1; }
    constexpr int operator()(const PlaceDesktopShortcuts& step) const {
      return static_cast<int>(step.shortcuts.size());
    }
    constexpr int operator()(const PlaceDesktopManuals& step) const {
      return static_cast<int>(step.manuals.size());
    }
    constexpr int operator()(const PlaceGeneratorManual&) const { return 1; }
    constexpr int operator()(const SetFlag&) const { return 1; }
  };
  return std::visit(Counter{}, action);
}

// How many files the installation handles with and without its full-installation and driver
// stages.
constexpr int plannedFiles(bool fullInstallation, bool driverSetup) {
  int count = 0;
  for (const Step& step : kInstallationPlan) {
    if (step.stage == Stage::FullInstallation && !fullInstallation) continue;
    if (step.stage == Stage::DriverSetup && !driverSetup) continue;
    count += fileCount(step.action);
  }
  return count;
}

}  // namespace tavi::installer
