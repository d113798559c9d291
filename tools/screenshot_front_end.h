#pragma once

#include <filesystem>
#include <memory>

namespace tavi::forms {
class Application;
class Form;
}  // namespace tavi::forms

namespace tavi::platform {
class Platform;
}

namespace tavi::tools {

// An application's windows as a front end draws them for a screenshot run.
class DrawnApplication {
 public:
  virtual ~DrawnApplication() = default;
  // Brings the windows in line with the model and handles what the system has queued.
  virtual void processMessages() = 0;
  // Writes the window of the form as a picture; `file` has no extension yet. Returns the file
  // written.
  virtual std::filesystem::path capture(const forms::Form& form,
                                        const std::filesystem::path& file) = 0;
};

// What a front end lends the screenshot run: it draws an application's windows.
class ScreenshotFrontEnd {
 public:
  virtual ~ScreenshotFrontEnd() = default;
  virtual std::unique_ptr<DrawnApplication> draw(forms::Application& app,
                                                 const platform::Platform& platform) = 0;
};

// Draws every window of both programs on demo installations made below `work` and writes
// them into `folder`: the installer before and while it installs, the editor's main window in
// all five languages and each of its other windows.
void takeScreenshots(ScreenshotFrontEnd& frontEnd, const std::filesystem::path& folder,
                     const std::filesystem::path& work);

}  // namespace tavi::tools
