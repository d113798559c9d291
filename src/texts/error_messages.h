#pragma once

#include <exception>
#include <string>
#include <string_view>

#include "platform/io_error.h"
#include "texts/language.h"

namespace tavi::texts {

// The general error box's text for a file error: the action, the file as the program names it
// and the cause, in the language; a cause the programs do not word keeps the system's message.
std::string ioErrorMessage(const platform::IoError& error, LanguageIndex language);

// Any error that ended a handler: a file error as above, anything else "Unexpected error: "
// and its own (English) description.
std::string errorMessage(const std::exception& error, LanguageIndex language);

// The code page's refusal of text: "the settings' code page 1250 has no Д, а".
std::string codePageLacks(unsigned codePage, std::string_view characters, LanguageIndex language);

}  // namespace tavi::texts
