#include "selection/drawing_progress.h"

namespace selection {

using namespace drawing_progress;

namespace {

constexpr std::int64_t kShowAfterMilliseconds = 500;

std::string kilobytes(std::int64_t bytes) { return std::to_string(bytes / 1024) + " КБ"; }

bool cancels(const gui::Event& event) {
  return event.kind == gui::EventKind::CloseRequest ||
         (event.kind == gui::EventKind::Gadget && event.item == kCancelButton &&
          event.type == gui::GadgetEvent::LeftClick);
}

}  // namespace

std::string receivedText(std::int64_t received, std::int64_t total) {
  return "Получено " + kilobytes(received) + (total > 0 ? " из " + kilobytes(total) : "");
}

DrawingProgress::DrawingProgress(SelectionContext& context, const SelectionWindowShape& shape)
    : tk_(context.toolkit), clock_(context.services.clock), shape_(shape), started_(clock_.milliseconds()) {}

DrawingProgress::~DrawingProgress() {
  if (!shown_) return;
  tk_.closeWindow(shape_.drawingProgressWindow);
  tk_.enableWindow(shape_.window, true);
  tk_.activateWindow(shape_.window);
}

bool DrawingProgress::open() {
  const int window = shape_.drawingProgressWindow;
  if (!tk_.openWindow({window, shape_.drawingText, 240, 90, gui::FrameStyle::Dialog, shape_.window,
                       gui::Placement::CentreOnParentFrame, false}))
    return false;
  tk_.addLabel(window, kReceived, {12, 16, 216, 15}, "");
  tk_.addButton(window, kCancelButton, {70, 50, 100, 25}, "Отмена");
  tk_.setDialogButtons(window, kCancelButton, kCancelButton);  // Enter and Escape cancel too
  tk_.enableWindow(shape_.window, false);
  return true;
}

bool DrawingProgress::update(std::int64_t received, std::int64_t total) {
  if (waiting_ && clock_.milliseconds() - started_ >= kShowAfterMilliseconds) {
    waiting_ = false;
    shown_ = open();
  }
  if (!shown_) {
    tk_.paintPending();
    return true;
  }
  const int window = shape_.drawingProgressWindow;
  const std::string text = receivedText(received, total);
  if (tk_.text(window, kReceived) != text) tk_.setText(window, kReceived, text);
  for (const gui::Event& event : tk_.takeEvents(window))
    if (cancels(event)) return false;
  return true;
}

}  // namespace selection
