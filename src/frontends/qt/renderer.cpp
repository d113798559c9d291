#include "frontends/qt/renderer.h"

#include <QCoreApplication>

namespace tavi::frontends::qt {

namespace {

// Sets a flag for the lifetime of a scope, then gives it its earlier value back.
class Raised {
 public:
  explicit Raised(bool& flag) : flag_(flag), earlier_(flag) { flag_ = true; }
  ~Raised() { flag_ = earlier_; }
  Raised(const Raised&) = delete;
  Raised& operator=(const Raised&) = delete;

 private:
  bool& flag_;
  bool earlier_;
};

}  // namespace

Renderer::Renderer(forms::Application& app, const platform::Platform& platform)
    : app_(app), platform_(platform), fonts_(platform) {}

Renderer::~Renderer() {
  // Secondary windows belong to the main window's widget: they go first.
  while (!forms_.empty())
    forms_.pop_back();
}

FormView* Renderer::viewOf(const forms::Form& form) const {
  for (const auto& view : forms_) {
    if (view && &view->form() == &form) return view.get();
  }
  return nullptr;
}

FormWindow* Renderer::window(const forms::Form& form) const {
  const FormView* view = viewOf(form);
  return view == nullptr ? nullptr : &view->window();
}

QWidget* Renderer::widget(const forms::Control& control) const {
  const FormView* form = viewOf(control.form());
  ControlView* view = form == nullptr ? nullptr : form->view(control);
  return view == nullptr ? nullptr : &view->widget();
}

void Renderer::sync() {
  if (syncing_) return;
  const Raised syncing(syncing_);
  const auto& forms = app_.forms();
  if (forms_.size() < forms.size()) forms_.resize(forms.size());
  // A window gets its widgets when it first shows: most of the editor's never do.
  for (std::size_t i = 0; i < forms.size(); ++i) {
    if (forms_[i] || !forms[i]->visible()) continue;
    if (i > 0) createView(0);  // the owner of every other window
    createView(i);
  }
  for (const auto& view : forms_) {
    if (view) view->sync();
  }
}

void Renderer::createView(std::size_t index) {
  if (forms_[index]) return;
  forms::Form& form = *app_.forms()[index];
  QWidget* owner = index == 0 ? nullptr : &forms_.front()->window();
  forms_[index] = std::make_unique<FormView>(form, *this, fonts_, platform_, owner,
                                             [this, &form] { closedByFrame(form); });
}

bool Renderer::run(const std::function<void()>& event, bool evenWhileBusy) {
  if (syncing_ || (busy_ && !evenWhileBusy)) return false;
  {
    const Raised busy(busy_);
    event();
  }
  sync();
  if (app_.terminated()) QCoreApplication::exit(0);
  return true;
}

bool Renderer::deliver(forms::Control& source,
                       const std::function<void(forms::Application&)>& event) {
  return run([&] {
    event(app_);
    // The widget shows what the person did; the model may have kept or changed something else.
    if (FormView* view = viewOf(source.form())) view->invalidate(source);
  });
}

bool Renderer::focusForPress(forms::Control& control) {
  if (control.form().focused() != &control) {
    deliver(control, [&control](forms::Application& app) { app.focus(control); });
  }
  return control.form().focused() == &control && !app_.terminated();
}

void Renderer::focusByKeyboard(forms::Control& control) {
  if (control.form().focused() == &control) return;
  deliver(control, [&control](forms::Application& app) { app.focus(control); });
}

// The window system asks to close a window even while a long handler lets pending messages
// run; the model decides what that means then (the installer remembers it until it is done).
void Renderer::closedByFrame(forms::Form& form) {
  run([&] { app_.closeWindow(form); }, true);
}

}  // namespace tavi::frontends::qt
