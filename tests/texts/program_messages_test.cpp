#include <gtest/gtest.h>

#include <cstddef>
#include <stdexcept>
#include <string>

#include "platform/io_error.h"
#include "texts/error_messages.h"
#include "texts/global_settings_table.h"
#include "texts/installer_table.h"
#include "texts/main_window_table.h"
#include "texts/message_values.h"
#include "texts/own_preparations_table.h"
#include "texts/product_window_table.h"
#include "texts/program_messages_table.h"

namespace tavi::texts {
namespace {

using platform::IoAction;
using platform::IoCause;
using platform::IoError;
using platform::IoFailure;

// The programs' own numbers must never give a design table's number a second meaning.
TEST(ProgramMessages, TheirNumbersLieOutsideEveryDesignTable) {
  const TextTable designTables[] = {mainWindowTextTable(), productWindowTextTableWithGreenFood(),
                                    ownPreparationsTextTable(), globalSettingsTextTable(),
                                    installerTextTable()};
  for (const TextTable& table : designTables) {
    for (const TextRow& row : table.rows())
      EXPECT_LT(row.number, kFirstProgramMessage) << row.number;
  }
  for (const TextRow& row : programMessagesTable().rows()) {
    SCOPED_TRACE(row.number);
    EXPECT_GE(row.number, kFirstProgramMessage);
    EXPECT_LE(row.number, kLastProgramMessage);
    for (const std::string_view text : row.texts)
      EXPECT_FALSE(text.empty());
    // A translation that left the English in place.
    for (const LanguageIndex language : {kCzech, kGerman, kSwedish, kRussian})
      EXPECT_NE(row.texts[static_cast<std::size_t>(language)], row.texts[kEnglish]);
  }
}

TEST(ProgramMessages, AValuePutInIsKeptAsItIs) {
  EXPECT_EQ(withValues("Cannot read %1: %2", {"C:\\100%2\\a.dat", "the file is empty"}),
            "Cannot read C:\\100%2\\a.dat: the file is empty");
  EXPECT_EQ(withValues("%2 before %1", {"one", "two"}), "two before one");
  // A placeholder without a value, and a lone "%", stay.
  EXPECT_EQ(withValues("100% of %1 and %3", {"it"}), "100% of it and %3");
}

TEST(ProgramMessages, AnIoErrorNamesTheFileAndTheCauseInTheLanguage) {
  struct Case {
    IoError error;
    LanguageIndex language;
    std::string shown;
  };
  const Case cases[] = {
      {IoError(IoAction::kRead, R"(C:\KivTanOr5\datLimit.dat)", IoCause::kFileEmpty), kEnglish,
       R"(Cannot read C:\KivTanOr5\datLimit.dat: the file is empty)"},
      {IoError(IoAction::kWrite, R"(C:\KivTanOr5\datC.dat)", IoCause::kFileInUse), kSwedish,
       R"(Det går inte att skriva C:\KivTanOr5\datC.dat: filen används av ett annat program)"},
      {IoError(IoAction::kReplace, R"(C:\WinLUD\Tavi Scan.exe)", IoCause::kPathTooLong), kGerman,
       R"(C:\WinLUD\Tavi Scan.exe kann nicht ersetzt werden: der Pfad ist zu lang)"},
      {IoError(IoAction::kRead, R"(D:\Data\datA.dat)", IoCause::kDeviceNotReady), kCzech,
       R"(Nelze přečíst D:\Data\datA.dat: zařízení není připraveno)"},
      {IoError(IoAction::kWrite, R"(A:\dLangv.dat)", IoCause::kWriteProtected), kRussian,
       R"(Не удаётся записать A:\dLangv.dat: диск защищён от записи)"},
      // A cause the programs do not word keeps the system's own message.
      {IoError(IoAction::kRead, R"(C:\KivTanOr5\datC.dat)",
               IoFailure::inSystemWords("Input/output error")),
       kGerman, R"(C:\KivTanOr5\datC.dat kann nicht gelesen werden: Input/output error)"},
      // Outside 0..4 the error still says what went wrong, in English.
      {IoError(IoAction::kRead, R"(C:\KivTanOr5\datC.dat)", IoCause::kFileMissing), 7,
       R"(Cannot read C:\KivTanOr5\datC.dat: the file does not exist)"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.shown);
    EXPECT_EQ(ioErrorMessage(c.error, c.language), c.shown);
  }
}

TEST(ProgramMessages, TheEnglishTextIsTheLogsComposition) {
  for (int cause = 0; cause < static_cast<int>(IoCause::kOther); ++cause) {
    const IoError error(IoAction::kWrite, R"(C:\KivTanOr5\datC.dat)", static_cast<IoCause>(cause));
    EXPECT_EQ(ioErrorMessage(error, kEnglish), error.what());
  }
}

TEST(ProgramMessages, AnyOtherErrorIsUnexpectedInTheLanguage) {
  const std::out_of_range error("index 400");
  EXPECT_EQ(errorMessage(error, kEnglish), "Unexpected error: index 400");
  EXPECT_EQ(errorMessage(error, kCzech), "Neočekávaná chyba: index 400");
  EXPECT_EQ(errorMessage(error, kRussian), "Непредвиденная ошибка: index 400");
}

}  // namespace
}  // namespace tavi::texts
