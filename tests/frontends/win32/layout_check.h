#pragma once

#include <string>
#include <vector>

namespace tavi::forms {
class Form;
}

namespace tavi::frontends::win32 {
class FormView;
}

namespace tavi::frontends::win32::testing {

// What a person would see wrong in a drawn window, measured with the system's own text
// measurement in each control's font: a caption that covers another control where the design
// rectangles do not overlap (the design's own overlaps, such as the indicators on a group's
// button, are meant), a control reaching outside its window or panel, and a caption cut
// without "…". One line per fault, naming the control.
std::vector<std::string> layoutFaults(const FormView& window, const forms::Form& form);

}  // namespace tavi::frontends::win32::testing
