#pragma once

class QApplication;

namespace tavi::frontends::qt {

// Sets up Qt the same way for every program: a fixed widget style with the design desktop's
// metrics and a light palette, so that the windows' colours and text look as designed on any
// desktop, and the program ends only when its model says so, never because its last window
// closed.
void prepareApplication(QApplication& application);

}  // namespace tavi::frontends::qt
