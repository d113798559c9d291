#pragma once

#include <string_view>

#include "installer/file_copies.h"
#include "store/settings_catalogue.h"
#include "store/settings_paths.h"
#include "store/suite_files.h"

namespace tavi::installer {

inline constexpr std::string_view kProgramFolder = R"(C:\WinLUD)";
using store::kSettingsFolder;

// The program that needs the USB-serial driver, its shortcut, and where the medium holds it.
inline constexpr std::string_view kMediumPrograms = "DWin";
inline constexpr std::string_view kUniverseProgram = "Tavi Universe.exe";
inline constexpr std::string_view kUniverseShortcut = "Tavi Universe.lnk";
inline constexpr std::string_view kUniverseOnMedium =
    store::windowsPath<kMediumPrograms, kUniverseProgram>;
inline constexpr std::string_view kUniverseOnPc =
    store::windowsPath<kProgramFolder, kUniverseProgram>;

// The USB-serial driver's folder, its set-up program and that program's shortcut.
inline constexpr std::string_view kDriverFolder = R"(C:\KivTanOr5\CH341SER)";
inline constexpr std::string_view kDriverSetupName = "SETUP.EXE";
inline constexpr std::string_view kDriverShortcutName = "SETUP_Driver.lnk";

// Copies and shortcuts of earlier versions, removed in this order. Only the ".exe" is removed
// from the program folder: its shortcut files there are replaced by the current ones.
inline constexpr FileAt kEarlierVersions[] = {
    onDesktop("Tavi Therapy 3_12 CZ.exe"),
    onDesktop("Tavi Therapy 3_24 CZ.exe"),
    onDesktop("Tavi Therapy 3_25 CZ.exe"),
    onDesktop("Tavi Therapy 3_26 CZ.exe"),
    onDesktop("Tavi Therapy 3_27 CZ.exe"),
    onDesktop("Tavi Therapy 3_29 CZ.exe"),
    onDesktop("Tavi Therapy 3_29 CZ.lnk"),
    onPc(R"(C:\WinLUD\Tavi Therapy 3_29 CZ.exe)"),
    onDesktop("Tavi Therapy 3_30 CZ.exe"),
    onDesktop("Tavi Therapy 3_30 CZ.lnk"),
    onPc(R"(C:\WinLUD\Tavi Therapy 3_30 CZ.exe)"),
    onDesktop("Tavi Therapy 3_40.exe"),
    onDesktop("Tavi Therapy 3_40.lnk"),
    onPc(R"(C:\WinLUD\Tavi Therapy 3_40.exe)"),
    onDesktop("Tavi Therapy 3_41.exe"),
    onDesktop("Tavi Therapy 3_41.lnk"),
    onPc(R"(C:\WinLUD\Tavi Therapy 3_41.exe)"),
    onDesktop("Tavi Therapy 3_411.exe"),
    onDesktop("Tavi Therapy 3_411.lnk"),
    onPc(R"(C:\WinLUD\Tavi Therapy 3_411.exe)"),
};

inline constexpr FileName kIconNames[] = {
    file(store::kSorbelIcon),  file("Tavi Therapy.ico"), file("Tavi Setting.ico"),
    file("Tavi Timing.ico"),   file("Tavi Scan.ico"),    file("NevT Gener.ico"),
    file(store::kTherapyIcon),
};
inline constexpr FolderCopy kIcons = {"", kProgramFolder, kIconNames};

inline constexpr FileName kShortcutNames[] = {
    file("Tavi Therapy.lnk"),      file("Tavi Setting.lnk"),     file("Tavi Timing.lnk"),
    file("Tavi Sorbel.lnk"),       file("Tavi Sorbel DATA.lnk"), file("NevT Gener.lnk"),
    file("Tavi Therapy DATA.lnk"),
};
inline constexpr FolderCopy kShortcuts = {"", kProgramFolder, kShortcutNames};

// A prepared shortcut of the medium's top level put on the desktop, when the medium carries
// the program it belongs to ("" = always). The one data shortcut serves three programs.
struct DesktopShortcut {
  std::string_view program;
  std::string_view name;
  std::string_view source;
};
inline constexpr DesktopShortcut kDesktopShortcuts[] = {
    {"", "Tavi Scan.lnk", "Tavi Scan.lnk"},
    {"", "Tavi Therapy.lnk", "Tavi Therapy.lnk"},
    {R"(DWin\Tavi Therapy.exe)", "Tavi Therapy DATA.lnk", "Tavi Therapy DATA.lnk"},
    {R"(DWin\Tavi Setting.exe)", "Tavi Setting.lnk", "Tavi Setting.lnk"},
    {R"(DWin\Tavi Timing.exe)", "Tavi Timing.lnk", "Tavi Timing.lnk"},
    {R"(DWin\Tavi Scan.exe)", "Tavi Scan DATA.lnk", "Tavi Therapy DATA.lnk"},
    {kUniverseOnMedium, "Tavi Universe DATA.lnk", "Tavi Therapy DATA.lnk"},
};

// The manuals put on the desktop in the user's language: the plain name is Czech, " DE" is
// German where the medium has it, " EN" English for every other language.
inline constexpr std::string_view kDesktopManuals[] = {"Tavi Therapy", "Tavi Scan",
                                                       "Tavi Universe"};

inline constexpr FileName kGlobalSettingNames[] = {file(store::kGroupHidingFileName)};
// The medium's global settings replace the user's in every run.
inline constexpr FolderCopy kGlobalSettings = {"", kSettingsFolder, kGlobalSettingNames};

inline constexpr FileName kManualNames[] = {
    file(store::kCzechManual), file(store::kGermanManual),   file(store::kEnglishManual),
    file("Tavi Scan.pdf"),     file("Tavi Scan DE.pdf"),     file("Tavi Scan EN.pdf"),
    file("Tavi Universe.pdf"), file("Tavi Universe DE.pdf"), file("Tavi Universe EN.pdf"),
    file("Tavi Sorbel.pdf"),   file("Tavi Sorbel DE.pdf"),   file("Tavi Sorbel EN.pdf"),
    file("NevT Gener.pdf"),    file("NevT Gener EN.pdf"),
};
inline constexpr FileName kToolManualNames[] = {
    file("rlTool.pdf"), file("rlToolE.pdf"), file("rlToolD.pdf"), file("rlToolS.pdf"),
    file("r2Tool.pdf"), file("r2ToolE.pdf"), file("r2ToolD.pdf"), file("r2ToolS.pdf"),
    file("r3Tool.pdf"), file("r3ToolE.pdf"), file("r3ToolD.pdf"), file("r3ToolS.pdf"),
};
inline constexpr FolderCopy kManuals[] = {
    {"", kSettingsFolder, kManualNames},
    {"Data", kSettingsFolder, kToolManualNames},
};

// The generator's manual goes on the desktop from the copy just made in the settings folder.
inline constexpr FileCopy kCzechGeneratorManual = {onPc(R"(C:\KivTanOr5\NevT Gener.pdf)"),
                                                   onDesktop("NevT Gener.pdf")};
inline constexpr FileCopy kEnglishGeneratorManual = {onPc(R"(C:\KivTanOr5\NevT Gener EN.pdf)"),
                                                     onDesktop("NevT Gener EN.pdf")};

// The generator "NevT GENER.exe" replaced this program.
inline constexpr FileAt kReplacedPrograms[] = {
    onPc(R"(C:\WinLUD\Nev Therapy.lnk)"),
    onPc(R"(C:\WinLUD\Nev Therapy.exe)"),
};

// Names are matched without regard to case, so "NevT GENER.lnk" replaces "NevT Gener.lnk".
inline constexpr FileName kGeneratorShortcuts[] = {file("NevT GENER.lnk"), file("Timing LUD.lnk")};

inline constexpr FileName kProgramNames[] = {
    file("Tavi Therapy.exe"), file("Tavi Setting.exe"), file("NevT GENER.exe"),
    file("Tavi Timing.exe"),  file("Tavi Email.exe"),   file("Kestmail.exe"),
    file("Prekladdat.exe"),   file("Tavi Scan.exe"),    file(kUniverseProgram),
};

inline constexpr FileName kUniverseFiles[] = {file(kUniverseShortcut), file("Tavi Universe.ico")};
inline constexpr FileName kDatabaseListNames[] = {file("DBZ_Ptg.txt")};
inline constexpr FileName kScanShortcutNames[] = {file("Tavi Scan.lnk")};

// The generator's shortcuts, the programs, the files of "Tavi Universe", the database list
// and the scan shortcut, in this order.
inline constexpr FolderCopy kPrograms[] = {
    {"", kProgramFolder, kGeneratorShortcuts}, {"DWin", kProgramFolder, kProgramNames},
    {"", kProgramFolder, kUniverseFiles},      {"DWin", kSettingsFolder, kDatabaseListNames},
    {"", kProgramFolder, kScanShortcutNames},
};

// The set of the CH341 USB-serial chip's driver.
inline constexpr std::string_view kDriverFolders[] = {
    kDriverFolder,
    R"(C:\KivTanOr5\CH341SER\DRVSETUP64)",
};
inline constexpr FileName kDriverSetup64Names[] = {file("DRVSETUP64.exe")};
inline constexpr FileName kDriverNames[] = {
    file("CH341PT.DLL"),  file("CH341S64.SYS"),   file("CH341S98.SYS"),
    file("ch341SER.CAT"), file("CH341SER.INF"),   file("CH341SER.SYS"),
    file("CH341SER.VXD"), file(kDriverSetupName), file(kDriverShortcutName),
};
inline constexpr FolderCopy kDriverSet[] = {
    {R"(CH341SER\DRVSETUP64)", R"(C:\KivTanOr5\CH341SER\DRVSETUP64)", kDriverSetup64Names},
    {"CH341SER", kDriverFolder, kDriverNames},
};

// The Health Detox documents that its product window opens, and the pathogen list.
inline constexpr FileName kDetoxDocumentNames[] = {
    file(store::kHealthDetoxDocument1),
    file(store::kHealthDetoxDocument2),
    file("Patgn0.pdf"),
    file("Patgn0.txt"),
};
inline constexpr FolderCopy kDetoxDocuments = {"DataFr", kSettingsFolder, kDetoxDocumentNames};

}  // namespace tavi::installer
