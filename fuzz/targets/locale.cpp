// The user's locale on Linux, which chooses the code page of the settings files, and the text
// conversion in that code page.
#include <cstddef>
#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <string_view>

#include "platform/ansi_codec.h"
#include "platform/posix/locale_code_page.h"
#include "platform/utf8.h"
#include "support/fuzz_check.h"

namespace {

using tavi::platform::AnsiCodec;

// Opening a code page builds its tables; each is opened once per run.
const AnsiCodec* codecFor(unsigned codePage) {
  static std::map<unsigned, std::unique_ptr<AnsiCodec>> codecs;
  auto [at, added] = codecs.try_emplace(codePage);
  if (added) at->second = AnsiCodec::open(codePage);
  return at->second.get();
}

bool singleByte(unsigned codePage) {
  return codePage != 932 && codePage != 936 && codePage != 949 && codePage != 950;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  const std::size_t end = input.find('\0');
  const std::string_view locale = input.substr(0, end);
  const std::string_view bytes =
      end == std::string_view::npos ? std::string_view{} : input.substr(end + 1);

  const unsigned codePage = tavi::platform::posix::codePageForLocale(locale);
  const AnsiCodec* codec = codecFor(codePage);
  // Every code page that a locale leads to can be converted.
  FUZZ_CHECK(codec != nullptr);
  FUZZ_CHECK(codec->codePage() == codePage);

  const std::string text = codec->fromAnsi(bytes);
  FUZZ_CHECK(tavi::platform::utf8::isWellFormed(text));
  if (singleByte(codePage)) FUZZ_CHECK(codec->toAnsi(text) == bytes);

  // Program text in any shape, as typed or as read, goes out without a crash and comes back
  // well-formed.
  const std::string out = codec->toAnsi(bytes);
  FUZZ_CHECK(tavi::platform::utf8::isWellFormed(codec->fromAnsi(out)));
  if (singleByte(codePage)) FUZZ_CHECK(out.size() <= bytes.size());
  return 0;
}
