#pragma once

#include <string_view>

namespace tavi::store {

// Names of files that the installer puts in place and the editor opens, each written once.
// The installer copies them by name; the editor joins the name to the folder it opens.

// The product lines' descriptions and pictures in C:\KivTanOr5\PicWlud.
inline constexpr std::string_view kVelmiraPictureCzech = "Pellin.jpg";
inline constexpr std::string_view kVelmiraPictureSwedish = "PellinSE.jpg";
inline constexpr std::string_view kVelmiraPictureOther = "PellinEN.jpg";
inline constexpr std::string_view kJoalisDescription = "Joalis.txt";
inline constexpr std::string_view kEnergyDescription = "Energy.txt";
inline constexpr std::string_view kDiochiDescription = "Diochi.txt";
inline constexpr std::string_view kDoTerraDescription = "DoTerra.txt";
inline constexpr std::string_view kNadejeDescription = "Nadeje.txt";
inline constexpr std::string_view kBachDescription = "Bachovy.txt";
inline constexpr std::string_view kBioligoDescription = "Bioligo.txt";
inline constexpr std::string_view kAustralianDescription = "Australske.txt";
// Spelt as the medium has it.
inline constexpr std::string_view kHerbalDescription = "HebalExtracts.pdf";
inline constexpr std::string_view kSchusslerDescription = "Schussler.txt";
inline constexpr std::string_view kPreparationsDescription = "PreparatP.pdf";

// The Health Detox window's two documents, in the settings folder.
inline constexpr std::string_view kHealthDetoxDocument1 = "HealthDetox1.pdf";
inline constexpr std::string_view kHealthDetoxDocument2 = "HealthDetox2.pdf";

// The manuals that the language window places on the desktop.
inline constexpr std::string_view kCzechManual = "Tavi Therapy.pdf";
inline constexpr std::string_view kEnglishManual = "Tavi Therapy EN.pdf";
inline constexpr std::string_view kGermanManual = "Tavi Therapy DE.pdf";

// A library of the suite in the settings folder, and the icon that stands for it.
inline constexpr std::string_view kTherapyLibrary = "VVlud.DLL";
inline constexpr std::string_view kTherapyIcon = "Tavi TherapyVV.ico";
inline constexpr std::string_view kSorbelIcon = "Tavi Sorbel.ico";

}  // namespace tavi::store
