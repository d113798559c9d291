#pragma once

#include <string_view>

#include "texts/text_table.h"

namespace tavi::texts {

// The programs' own messages, which the design's tables lack: the causes of file errors, the
// refusals of text the code page cannot hold, and the general error boxes. They are numbered
// from 30000 to 30099, above every design table (the main window's ends at 16401), so no
// design number changes meaning. "%1" and "%2" stand for the values put in.
inline constexpr MessageNumber kFirstProgramMessage = 30000;
inline constexpr MessageNumber kLastProgramMessage = 30099;

// "Cannot read %1: %2", %1 the file, %2 the cause.
inline constexpr MessageNumber kCannotRead = 30001;
inline constexpr MessageNumber kCannotWrite = 30002;
inline constexpr MessageNumber kCannotReplace = 30003;

// The causes, worded to follow the colon of the three above.
inline constexpr MessageNumber kFileMissing = 30010;
inline constexpr MessageNumber kFolderMissing = 30011;
inline constexpr MessageNumber kIsFolder = 30012;
inline constexpr MessageNumber kAccessDenied = 30013;
inline constexpr MessageNumber kWriteProtected = 30014;
inline constexpr MessageNumber kFileInUse = 30015;
inline constexpr MessageNumber kDiskFull = 30016;
inline constexpr MessageNumber kFileEmpty = 30017;
inline constexpr MessageNumber kFileTooShort = 30018;
inline constexpr MessageNumber kSameFile = 30019;
inline constexpr MessageNumber kPathTooLong = 30020;
inline constexpr MessageNumber kDeviceNotReady = 30021;

// "Unexpected error: %1".
inline constexpr MessageNumber kUnexpectedError = 30030;
// "%1" (the error) and why a window that could not read its settings saves nothing.
inline constexpr MessageNumber kNothingSaved = 30031;
// Why, when a window's fill ended without a known error.
inline constexpr MessageNumber kWindowNotFilled = 30032;

// "the settings' code page %1 has no %2", %2 the missing characters.
inline constexpr MessageNumber kCodePageLacks = 30040;
// "The folder %1 cannot be stored: %2.", %2 the reason above.
inline constexpr MessageNumber kFolderNotStorable = 30041;
inline constexpr MessageNumber kTextsNotStorable = 30042;
inline constexpr MessageNumber kListNotStorable = 30043;

TextTable programMessagesTable();

// A message of the table above in a language. A language outside 0..4 gets English: these
// messages say what went wrong, and "?????????" would hide it.
std::string_view programMessage(MessageNumber number, LanguageIndex language);

}  // namespace tavi::texts
