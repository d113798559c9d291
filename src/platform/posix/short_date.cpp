#include "platform/posix/short_date.h"

#include <iconv.h>
#include <langinfo.h>
#include <locale.h>

#include <array>
#include <ctime>
#include <string_view>

namespace tavi::platform::posix {

namespace {

class Locale {
 public:
  Locale() {
    handle_ = newlocale(LC_ALL_MASK, "", locale_t{});
    if (handle_ == locale_t{}) handle_ = newlocale(LC_ALL_MASK, "C", locale_t{});
  }
  ~Locale() {
    if (handle_ != locale_t{}) freelocale(handle_);
  }
  Locale(const Locale&) = delete;
  Locale& operator=(const Locale&) = delete;

  locale_t get() const { return handle_; }

 private:
  locale_t handle_{};
};

std::string toUtf8(const std::string& text, const char* codeset) {
  const std::string_view name = codeset == nullptr ? "" : codeset;
  if (name.empty() || name == "UTF-8" || name == "ANSI_X3.4-1968") return text;
  const iconv_t handle = iconv_open("UTF-8", codeset);
  if (handle == reinterpret_cast<iconv_t>(-1)) return text;
  std::string input = text;
  char* in = input.data();
  std::size_t inLeft = input.size();
  std::array<char, 256> output{};
  char* out = output.data();
  std::size_t outLeft = output.size();
  const bool converted =
      iconv(handle, &in, &inLeft, &out, &outLeft) != static_cast<std::size_t>(-1);
  iconv_close(handle);
  return converted ? std::string(output.data(), output.size() - outLeft) : text;
}

}  // namespace

std::string shortDateToday() {
  const Locale locale;
  if (locale.get() == locale_t{}) return {};
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  if (localtime_r(&now, &local) == nullptr) return {};
  std::array<char, 128> buffer{};
  const std::size_t length = strftime_l(buffer.data(), buffer.size(), "%x", &local, locale.get());
  return toUtf8(std::string(buffer.data(), length), nl_langinfo_l(CODESET, locale.get()));
}

}  // namespace tavi::platform::posix
