#pragma once

#include <string_view>

#include "installer/file_copies.h"
#include "installer/register_lists.h"
#include "store/settings_catalogue.h"
#include "store/settings_paths.h"
#include "store/suite_files.h"
#include "texts/language.h"

namespace tavi::installer {

// The suite's customer file: its presence means the suite is installed already, so the run
// only upgrades it.
using store::kCustomerFile;

// A language file that the medium may carry to preset the language.
inline constexpr std::string_view kMediumLanguageFile = texts::kLanguageFileName;

// The installer's own record of a run that has not ended yet; none of the suite's programs
// reads it.
inline constexpr std::string_view kRunRecord = R"(C:\KivTanOr5\SetupRun.dat)";

// The first installation of the program that needs the USB-serial driver (kUniverseOnPc)
// starts the driver's own set-up.

// Created where missing, parents first.
inline constexpr std::string_view kTargetFolders[] = {
    R"(C:\TaviTherapy)",         R"(C:\WinLUD)",
    R"(C:\WinLUD\MultiG)",       store::kSettingsFolder,
    R"(C:\KivTanOr5\PrepSwich)", R"(C:\KivTanOr5\PfromNev)",
    R"(C:\KivTanOr5\PicWlud)",
};

inline constexpr FileName kLibraryNames[] = {file(store::kTherapyLibrary)};
// Shortcuts for further instances of the generator.
inline constexpr FileName kGeneratorShortcutNames[] = {numbered("NevT GENER", "2", "5", ".lnk")};

inline constexpr FolderCopy kAlwaysCopied[] = {
    {"", R"(C:\KivTanOr5)", kLibraryNames},
    {R"(DWin\MultiG)", R"(C:\WinLUD\MultiG)", kGeneratorShortcutNames},
};

// Written by a full installation only: an upgrade keeps the user's settings.
inline constexpr FileName kDefaultSettingNames[] = {
    file(store::kOutputFolderFileName),
    file("datA.dat"),
    file(store::kSensitivityFileName),
    file("datD.dat"),
    file(store::kFedFlagName),
    file("datG.dat"),
    file("DatKlCest.txt"),
    file("datP.dat"),
    file("datPO.dat"),
    file("datPR.dat"),
    file(store::kVelmiraFlagName),
};
inline constexpr FolderCopy kDefaultSettings = {"Data", R"(C:\KivTanOr5)", kDefaultSettingNames};

// Pictures, product line descriptions and the documents that the suite's programs open.
inline constexpr FileName kPictureNames[] = {
    file(store::kAustralianDescription),
    file(store::kBachDescription),
    file("Benedictus.txt"),
    file(store::kBioligoDescription),
    file(store::kDiochiDescription),
    file(store::kDoTerraDescription),
    file(store::kEnergyDescription),
    file(store::kJoalisDescription),
    file(store::kNadejeDescription),
    file(store::kSchusslerDescription),
    file(store::kVelmiraPictureCzech),
    file(store::kVelmiraPictureOther),
    file(store::kVelmiraPictureSwedish),
    file(store::kPreparationsDescription),
    file(store::kHerbalDescription),
    file("ZatezP.pdf"),
    file("ZatezPEN.pdf"),
    file("ZatezPSE.pdf"),
    numbered("SettingInf", "0", "5", ".pdf"),
    numbered("SettingInfSc", "0", "5", ".pdf"),
    file("0uNULA.jpg"),
    file("1LRED.jpg"),
    file("1RED.jpg"),
    file("1uRED.jpg"),
    file("2LORANGE.jpg"),
    file("2ORANGE.jpg"),
    file("2uORANGE.jpg"),
    file("3LYELLOW.jpg"),
    file("3uYELLOW.jpg"),
    file("3YELLOW.jpg"),
    file("4GREEN.jpg"),
    file("4LGREEN.jpg"),
    file("4uGREEN.jpg"),
    file("5BLUE.jpg"),
    file("5LBLUE.jpg"),
    file("5uBLUE.jpg"),
    file("6LVIOLET.jpg"),
    file("6uVIOLET.jpg"),
    file("6VIOLET.jpg"),
    file("7LPURPLE.jpg"),
    file("7PURPLE.jpg"),
    file("7uPURPLE.jpg"),
    numbered("barvyp", "00", "09", ".png"),
    numbered("FreqPic", "0", "6", ".jpg"),
    numbered("FrFscan", "00", "10", ".jpg"),
    numbered("pict", "00", "07", ".jpg"),
    numbered("PocetAAA", "0", "6", ".jpg"),
    numbered("TherapyL", "0", "28", ".png"),
    file("TherapyLA.png"),
    file("zakl.jpg"),
    numbered("Prefrence", "0", "35", ".jpg"),
};
inline constexpr FolderCopy kPictures = {"Data", R"(C:\KivTanOr5\PicWlud)", kPictureNames};

// The suite's program lists: Czech, English, and the QQ variants.
inline constexpr FileName kProgramListNames[] = {
    file("Beck.txt"),           file("Bolest.txt"),         file("Detox.txt"),
    file("DNA_oprava.txt"),     file("DrClark.txt"),        file("Endokrin.txt"),
    file("Harmoniz.txt"),       file("HarmonizPW.txt"),     file("Imunita.txt"),
    file("Infekce.txt"),        file("Jatra.txt"),          file("Krev_obeh.txt"),
    file("Ledviny.txt"),        file("LowQ.txt"),           file("Lymfy.txt"),
    file("MetaterapQ.txt"),     file("Nadledvinky.txt"),    file("Nalada.txt"),
    file("Pentagram.txt"),      file("Psychosomat.txt"),    file("QDetox.txt"),
    file("Ludrin.txt"),         file("ludrinPW.txt"),       file("Radost.txt"),
    file("Reconect.txt"),       file("Regenerace.txt"),     file("Relaxace.txt"),
    file("SolfeggQ.txt"),       file("Spectrum.txt"),       file("Vitalita.txt"),
    file("Young.txt"),          file("Adrenal_Glands.txt"), file("Blood_circ.txt"),
    file("DetoxE.txt"),         file("DNA_repair.txt"),     file("EndokrinE.txt"),
    file("HarmonizE.txt"),      file("Imunity.txt"),        file("Infektion.txt"),
    file("JoyE.txt"),           file("Kidney.txt"),         file("Liver.txt"),
    file("LowQE.txt"),          file("Lymph_system.txt"),   file("MetaterapQE.txt"),
    file("MoodE.txt"),          file("Pain.txt"),           file("PentagramE.txt"),
    file("PsychosomatE.txt"),   file("LudrinE.txt"),        file("ReconectE.txt"),
    file("RegeneraceE.txt"),    file("RelaxaceE.txt"),      file("SolfeggQE.txt"),
    file("SpectrumE.txt"),      file("VitalitaE.txt"),      file("YoungE.txt"),
    file("RosaNoise.txt"),      file("RosaNoiseE.txt"),     file("QQDetox.txt"),
    file("QQDetoxE.txt"),       file("QQEndokrin.txt"),     file("QQEndokrinE.txt"),
    file("QQHarmoniz.txt"),     file("QQHarmonizE.txt"),    file("QQJoyE.txt"),
    file("QQLowQ.txt"),         file("QQLowQE.txt"),        file("QQMetaterapQE.txt"),
    file("QQMetaterapQ.txt"),   file("QQMoodE.txt"),        file("QQNalada.txt"),
    file("QQPentagram.txt"),    file("QQPentagramE.txt"),   file("QQPsychosomat.txt"),
    file("QQPsychosomatE.txt"), file("QQLudrin.txt"),       file("QQLudrinE.txt"),
    file("QQRadost.txt"),       file("QQReconect.txt"),     file("QQReconectE.txt"),
    file("QQRegenerace.txt"),   file("QQRegeneraceE.txt"),  file("QQRelaxace.txt"),
    file("QQRelaxaceE.txt"),    file("QQRosaNoise.txt"),    file("QQRosaNoiseE.txt"),
    file("QQSolfeggQ.txt"),     file("QQSolfeggQE.txt"),    file("QQSpectrum.txt"),
    file("QQSpectrumE.txt"),    file("QQVitalita.txt"),     file("QQVitalitaE.txt"),
    file("QQYoung.txt"),        file("QQYoungE.txt"),       file("LudrinNevT.txt"),
};
inline constexpr FolderCopy kProgramLists = {"DataFr", R"(C:\KivTanOr5\PfromNev)",
                                             kProgramListNames};

// The driver's files that must be in place before its set-up can be started.
inline constexpr std::string_view kDriverShortcut =
    store::windowsPath<kDriverFolder, kDriverShortcutName>;
inline constexpr std::string_view kDriverSetup =
    store::windowsPath<kDriverFolder, kDriverSetupName>;

// Switches the generator tool's colour option on.
using store::kGeneratorColourFlag;

inline constexpr std::string_view kGeneratorFolders[] = {
    R"(C:\Nev_Tool Data)",
    R"(C:\Nev_Tool Data\Program)",
    R"(C:\TaviTherapy)",
};

// The generator tool's data, its power tables from its own database, and the desktop
// shortcuts of the driver and of "Tavi Universe".
inline constexpr FileCopy kDriverStepCopies[] = {
    {onMedium(R"(DataFr\LudrinNevT.txt)"), onPc(R"(C:\Nev_Tool Data\Program\LudrinNevT.txt)")},
    {onMedium(R"(DataFr\LudrinNevT.txt)"), onPc(R"(C:\TaviTherapy\LudrinNevT.txt)")},
    {onMedium(R"(DataFr\LudrinNevTen.txt)"), onPc(R"(C:\Nev_Tool Data\Program\LudrinNevTen.txt)")},
    {onMedium(R"(DataFr\LudrinNevTen.txt)"), onPc(R"(C:\TaviTherapy\LudrinNevTen.txt)")},
    {onPc(R"(C:\Nev_Tool Data\DBZ\Power.txt)"), onPc(R"(C:\Nev_Tool Data\Program\Power.txt)")},
    {onPc(R"(C:\Nev_Tool Data\DBZ\PowerEN.txt)"), onPc(R"(C:\Nev_Tool Data\Program\PowerEN.txt)")},
    {onPc(kDriverShortcut), onDesktop("NevT Driver.lnk")},
    {onPc(store::windowsPath<kProgramFolder, kUniverseShortcut>), onDesktop(kUniverseShortcut)},
};

}  // namespace tavi::installer
