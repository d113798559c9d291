#pragma once

#include "forms/input_sink.h"

namespace tavi::frontends::qt {

using InputSink = forms::InputSink;

}  // namespace tavi::frontends::qt
