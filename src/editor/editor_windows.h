#pragma once

// Every window of the editor, once, in the order in which the editor creates them: the main
// window first, so that its load runs before any other window exists. The window set, the
// editor's members and their creation, and the selection windows' designs are all expanded from
// this list, so a window is added or moved here alone.
//
// EDITOR_WINDOW(number, class): a window of its own class, "Form<number>".
// SELECTION_WINDOW(number, design caption, title text, title suffix, client width,
//                  client height, box columns, "Green food" text, document buttons):
//   one of the 17 product selection windows, which share TProductWindow; the names of the
//   title texts and box columns are those of product_window_design.cpp. The product group
//   that a window edits is the catalogue's to say.
// clang-format off
#define TAVI_EDITOR_WINDOWS(EDITOR_WINDOW, SELECTION_WINDOW) \
  EDITOR_WINDOW(8, TForm8) \
  EDITOR_WINDOW(9, TForm9) \
  SELECTION_WINDOW(10, "Přípravky1", kPreparations, " 1", 300, 459, kPraparatyColumns, false, false) \
  SELECTION_WINDOW(11, "Přípravky2", kPreparations, " 2", 494, 400, kPraparaty2Columns, false, false) \
  SELECTION_WINDOW(12, "Koloidni", kColloidalSilver, "", 300, 400, kKoloidniColumns, false, false) \
  SELECTION_WINDOW(13, "Quantum Minerals", kFixedTitle, "", 300, 400, kQuantumMineralsColumns, false, false) \
  SELECTION_WINDOW(14, "Alternativni Medicina", kPreparations, " 3", 300, 400, kPraparaty3Columns, false, false) \
  SELECTION_WINDOW(15, "FinClub", kFixedTitle, "", 563, 400, kFinClubColumns, false, false) \
  SELECTION_WINDOW(16, "LR", kFixedTitle, "", 300, 400, kLRColumns, false, false) \
  SELECTION_WINDOW(20, "Zelene potraviny", kGreenFood, "", 300, 400, kZeleneColumns, true, false) \
  SELECTION_WINDOW(24, "Health Detox", kFixedTitle, "", 310, 459, kHealthDetoxColumns, false, true) \
  EDITOR_WINDOW(25, TForm25) \
  SELECTION_WINDOW(19, "Benedisctus", kFixedTitle, "", 300, 400, kBenedictusPColumns, true, false) \
  SELECTION_WINDOW(22, "Dedek korenar", kFixedTitle, "", 481, 400, kDedekColumns, false, false) \
  EDITOR_WINDOW(27, TForm27) \
  SELECTION_WINDOW(28, "Mycomedika", kFixedTitle, "", 328, 462, kMycomedikaColumns, false, false) \
  SELECTION_WINDOW(29, "Harmonelo", kFixedTitle, "", 284, 293, kHarmoneloColumns, false, false) \
  SELECTION_WINDOW(30, "Nu Skin", kFixedTitle, "", 305, 327, kNuSkinColumns, false, false) \
  SELECTION_WINDOW(31, "Nástroje zdraví", kFixedTitle, "", 290, 325, kNastrZdrColumns, false, false) \
  SELECTION_WINDOW(32, "Starlife", kFixedTitle, "", 305, 327, kStarlifeColumns, false, false) \
  SELECTION_WINDOW(33, "Zinzino", kFixedTitle, "", 322, 375, kZinzinoColumns, false, false)
// clang-format on
