#include "platform/ansi_codec.h"
#include "platform/platform.h"

namespace tavi::platform {

// Without a known code page, text passes unchanged rather than being lost.
std::string Platform::toAnsi(std::string_view text) const {
  return codec_ ? codec_->toAnsi(text) : std::string(text);
}

std::string Platform::fromAnsi(std::string_view bytes) const {
  return codec_ ? codec_->fromAnsi(bytes) : std::string(bytes);
}

std::u32string Platform::missingCharacters(std::string_view text) const {
  return codec_ ? codec_->missingCharacters(text) : std::u32string();
}

}  // namespace tavi::platform
