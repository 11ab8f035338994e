#pragma once
// The progress of a drawing download: once the download has taken half a second, a small
// window over the selection window, titled as the drawing button, shows the bytes received
// ("Получено 123 КБ") with "Отмена", which stops the download, as its close box does. Until
// then, and all along, the windows keep painting.

#include <cstdint>
#include <string>

#include "selection/selection_context.h"
#include "selection/selection_window.h"

namespace selection::drawing_progress {
// Gadgets of the progress window.
inline constexpr int kReceived = 1;
inline constexpr int kCancelButton = 2;
}  // namespace selection::drawing_progress

namespace selection {

// "Получено 123 КБ", followed by " из 456 КБ" when the size is known (0: unknown).
std::string receivedText(std::int64_t received, std::int64_t total);

class DrawingProgress {
 public:
  DrawingProgress(SelectionContext& context, const SelectionWindowShape& shape);
  ~DrawingProgress();  // closes the window and gives the selection window back
  DrawingProgress(const DrawingProgress&) = delete;
  DrawingProgress& operator=(const DrawingProgress&) = delete;

  // The download's progress callback: false once the user has cancelled.
  bool update(std::int64_t received, std::int64_t total);

 private:
  bool open();

  gui::Toolkit& tk_;
  platform::Clock& clock_;
  const SelectionWindowShape& shape_;
  std::int64_t started_;
  bool waiting_ = true;  // the half second has not passed yet
  bool shown_ = false;
};

}  // namespace selection
