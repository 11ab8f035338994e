#include "gui/text_fit.h"

#include <algorithm>
#include <cstddef>

#include "gui/scale.h"

namespace gui {
namespace {

// Room the controls' own drawing takes, at 96 dpi: the border and focus mark around a
// button's caption, the 13-pixel mark and its gap, the indent of a frame's caption, the
// vertical scroll bar and the margins of a multi-line text.
constexpr int kButtonMargins = 2 * 4;
constexpr int kMarkRoom = 13 + 4;
constexpr int kFrameCaptionRoom = 8 + 4;
constexpr int kTextLinesRoom = 17 + 2 * 2;

std::vector<std::string> linesOf(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (;;) {
    const std::size_t end = text.find('\n', start);
    lines.push_back(text.substr(start, end == std::string::npos ? std::string::npos : end - start));
    if (end == std::string::npos) return lines;
    start = end + 1;
  }
}

int roomFor(TextBoxKind kind) {
  switch (kind) {
    case TextBoxKind::Button: return kButtonMargins;
    case TextBoxKind::Mark: return kMarkRoom;
    case TextBoxKind::FrameCaption: return kFrameCaptionRoom;
    case TextBoxKind::TextLines: return kTextLinesRoom;
    case TextBoxKind::ListTitle: return 2 * kListHeaderPadding;
    case TextBoxKind::Label:
    case TextBoxKind::Link: return 0;
  }
  return 0;
}

// Only labels and multi-line texts may hold several lines; a frame's caption sits on its edge.
bool heightCounts(TextBoxKind kind) {
  return kind != TextBoxKind::FrameCaption && kind != TextBoxKind::ListTitle &&
         kind != TextBoxKind::TextLines;
}

}  // namespace

std::vector<std::string> wrapTitle(const std::string& title, int width,
                                   const std::function<int(const std::string&)>& lineWidth) {
  std::vector<std::string> lines;
  std::string line;
  std::size_t start = 0;
  while (start <= title.size()) {
    std::size_t end = title.find(' ', start);
    if (end == std::string::npos) end = title.size();
    const std::string word = title.substr(start, end - start);
    if (line.empty()) {
      line = word;
    } else if (lineWidth(line + ' ' + word) <= width) {
      line += ' ' + word;
    } else {
      lines.push_back(line);
      line = word;
    }
    start = end + 1;
  }
  lines.push_back(line);
  return lines;
}

std::vector<Misfit> misfits(const std::vector<TextBox>& boxes, double scale,
                            const MeasureText& measure) {
  std::vector<Misfit> found;
  for (const TextBox& box : boxes) {
    const Rect place = scaled(box.place, scale);
    const int room = scaled(roomFor(box.kind), scale);
    const int available = place.width - room;
    if (box.kind == TextBoxKind::ListTitle) {
      const auto width = [&](const std::string& line) { return measure(line).width; };
      const std::vector<std::string> lines = wrapTitle(box.text, available, width);
      int widest = 0;
      for (const std::string& line : lines) widest = std::max(widest, width(line));
      if (widest > available || lines.size() > static_cast<std::size_t>(kListTitleLines)) {
        found.push_back({box.text, std::max(widest, available + 1), available});
      }
      continue;
    }
    const std::vector<std::string> lines =
        box.kind == TextBoxKind::Label ? linesOf(box.text) : std::vector<std::string>{box.text};
    int height = 0;
    for (const std::string& line : lines) {
      const TextExtent extent = measure(line);
      height += extent.height;
      if (extent.width > available) found.push_back({line, extent.width, available});
    }
    if (heightCounts(box.kind) && height > place.height) {
      found.push_back({box.text, height, place.height});
    }
  }
  return found;
}

}  // namespace gui
