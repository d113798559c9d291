#include "frontends/qt/renderer.h"

#include <QApplication>
#include <QCoreApplication>

namespace tavi::frontends::qt {

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
  if (gate_.isSyncing()) return;
  const auto syncing = gate_.syncing();
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
                                             [this, &form] { closeRequested(form); });
}

void Renderer::afterAction() {
  sync();
  if (app_.terminated()) QCoreApplication::exit(0);
}

bool Renderer::deliver(forms::Control& source,
                       const std::function<void(forms::Application&)>& event) {
  const bool taken = gate_.act([&] {
    event(app_);
    // The widget shows what the person did; the model may have kept or changed something else.
    if (FormView* view = viewOf(source.form())) view->invalidate(source);
  });
  if (taken) afterAction();
  return taken;
}

bool Renderer::focusForPress(forms::Control& control) {
  if (control.form().focused() != &control) {
    deliver(control, [&control](forms::Application& app) { app.focus(control); });
  }
  return gate_.pressGoesOn(control);
}

void Renderer::focusByKeyboard(forms::Control& control) {
  if (control.form().focused() == &control) return;
  deliver(control, [&control](forms::Application& app) { app.focus(control); });
}

bool Renderer::keyPressed(forms::Control& control, forms::Key key) {
  const bool delivered =
      deliver(control, [&control, key](forms::Application& app) { app.keyDown(control, key); });
  return gate_.keyGoesOn(control, delivered);
}

int Renderer::run() {
  if (!app_.start()) return 0;
  sync();
  return QApplication::exec();
}

void Renderer::closeRequested(forms::Form& form) {
  if (gate_.closeWindow(form)) afterAction();
}

}  // namespace tavi::frontends::qt
