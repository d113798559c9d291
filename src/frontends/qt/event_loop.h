#pragma once

class QApplication;

namespace tavi::frontends::qt {

class Renderer;

// Sets up Qt the same way for every program: a fixed widget style with the design desktop's
// metrics and a light palette, so that the windows' colours and text look as designed on any
// desktop, and the program ends only when its model says so, never because its last window
// closed.
void prepareApplication(QApplication& application);

// Shows the windows and runs the event loop until the application is told to end; the main
// window is shown as the toolkit's run loop shows it on Windows. Returns the exit code.
int runEventLoop(Renderer& renderer);

}  // namespace tavi::frontends::qt
