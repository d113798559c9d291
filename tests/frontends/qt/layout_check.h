#pragma once

#include <string>
#include <vector>

namespace tavi::forms {
class Form;
}

namespace tavi::frontends::qt {
class Renderer;
}

namespace tavi::frontends::qt::testing {

// What a person would see wrong in a drawn window, measured with Qt's own text measurement in
// each widget's font: a caption that covers another control where the design rectangles do not
// overlap (the design's own overlaps, such as the indicators on a group's button, are meant),
// a control reaching outside its window or panel, and a caption cut without "…". One line per
// fault, naming the control.
std::vector<std::string> layoutFaults(const Renderer& renderer, const forms::Form& form);

}  // namespace tavi::frontends::qt::testing
