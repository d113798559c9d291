#pragma once

#include "forms/input_sink.h"

namespace tavi::frontends::win32 {

using InputSink = forms::InputSink;

}  // namespace tavi::frontends::win32
