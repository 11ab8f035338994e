// The wx toolkit's pictures: the image slots, and the picture gadgets that the client panels
// paint and hit-test themselves.

#include "gui/wx/wx_backend.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <utility>

#include <wx/image.h>

#include "gui/scale.h"
#include "gui/wx/wx_frames.h"

namespace gui::wx {
namespace {

// Thousandths of a scale: the key of a slot's decoded copies.
int scaleKey(double scale) { return static_cast<int>(std::lround(scale * 1000)); }

// The picture at scale s, resampled smoothly when s is not 1.
wxBitmap toBitmap(const Image& image, double scale) {
  if (image.width <= 0 || image.height <= 0 ||
      image.rgba.size() < static_cast<std::size_t>(image.width) * image.height * 4) {
    return wxBitmap();
  }
  const std::size_t pixels = static_cast<std::size_t>(image.width) * image.height;
  // wxImage takes ownership of malloc'ed buffers.
  auto* rgb = static_cast<unsigned char*>(malloc(pixels * 3));
  auto* alpha = static_cast<unsigned char*>(malloc(pixels));
  bool opaque = true;
  for (std::size_t i = 0; i < pixels; ++i) {
    rgb[i * 3] = image.rgba[i * 4];
    rgb[i * 3 + 1] = image.rgba[i * 4 + 1];
    rgb[i * 3 + 2] = image.rgba[i * 4 + 2];
    alpha[i] = image.rgba[i * 4 + 3];
    if (alpha[i] != 255) opaque = false;
  }
  wxImage converted(image.width, image.height, rgb, false);
  if (opaque) {
    free(alpha);
  } else {
    converted.SetAlpha(alpha, false);
  }
  if (scaleKey(scale) != scaleKey(1.0)) {
    converted.Rescale(std::max(1, scaled(image.width, scale)), std::max(1, scaled(image.height, scale)),
                      wxIMAGE_QUALITY_HIGH);
  }
  return wxBitmap(converted);
}

}  // namespace

// ---------------------------------------------------------------------------------------------
// Image slots.

void WxToolkit::setImage(int slot, ImageSource source) {
  images_[slot] = {std::move(source), {}};
  for (auto& [number, window] : windows_) {
    for (auto& gadget : window->gadgets) {
      if (gadget->kind == Kind::Picture && gadget->imageSlot == slot) {
        holdPicture(slot, window->scale);
        refreshPicture(*window, *gadget);
      }
    }
  }
}

Image WxToolkit::image(int slot) const {
  const auto it = images_.find(slot);
  return it == images_.end() || !it->second.source ? Image{} : it->second.source();
}

void WxToolkit::holdPicture(int slot, double scale) {
  const auto it = images_.find(slot);
  if (it == images_.end() || !it->second.source || it->second.bitmaps.count(scaleKey(scale))) return;
  it->second.bitmaps[scaleKey(scale)] = toBitmap(it->second.source(), scale);
}

void WxToolkit::releaseUnshownPictures() {
  for (auto& [slot, stored] : images_) {
    std::erase_if(stored.bitmaps, [this, slot = slot](const auto& copy) {
      return std::none_of(windows_.begin(), windows_.end(), [slot, &copy](const auto& window) {
        return scaleKey(window.second->scale) == copy.first &&
               std::any_of(window.second->gadgets.begin(), window.second->gadgets.end(), [slot](const auto& g) {
                 return g->kind == Kind::Picture && g->imageSlot == slot;
               });
      });
    });
  }
}

const wxBitmap* WxToolkit::bitmap(int slot, double scale) const {
  const auto it = images_.find(slot);
  if (it == images_.end()) return nullptr;
  const auto copy = it->second.bitmaps.find(scaleKey(scale));
  if (copy == it->second.bitmaps.end() || !copy->second.IsOk()) return nullptr;
  return &copy->second;
}

// ---------------------------------------------------------------------------------------------
// Picture gadgets.

void WxToolkit::setPicture(int window, int gadget, int imageSlot) {
  WindowRecord* record = findWindow(window);
  GadgetRecord* g = findGadget(window, gadget);
  if (!record || !g || g->kind != Kind::Picture) return;
  refreshPicture(*record, *g);  // the old picture's area
  g->imageSlot = imageSlot;
  holdPicture(imageSlot, record->scale);
  releaseUnshownPictures();
  refreshPicture(*record, *g);
}

wxRect WxToolkit::pictureRect(const WindowRecord& record, const GadgetRecord& g) const {
  wxRect area = record.onScreen(g.place);
  if (g.place.width <= 0 || g.place.height <= 0) {
    const wxBitmap* bmp = bitmap(g.imageSlot, record.scale);
    if (g.place.width <= 0) area.width = bmp ? bmp->GetWidth() : 0;
    if (g.place.height <= 0) area.height = bmp ? bmp->GetHeight() : 0;
  }
  return area;
}

void WxToolkit::refreshPicture(WindowRecord& record, const GadgetRecord& g) {
  const wxRect area = pictureRect(record, g);
  if (!area.IsEmpty()) record.panel->RefreshRect(area, false);
}

const GadgetRecord* WxToolkit::pictureAt(int window, wxPoint point) const {
  const WindowRecord* record = findWindow(window);
  if (!record) return nullptr;
  for (auto it = record->gadgets.rbegin(); it != record->gadgets.rend(); ++it) {
    const GadgetRecord& g = **it;
    if (g.kind == Kind::Picture && g.enabled && pictureRect(*record, g).Contains(point)) return &g;
  }
  return nullptr;
}

void WxToolkit::paintPictures(int window, wxDC& dc) const {
  const WindowRecord* record = findWindow(window);
  if (!record) return;
  for (const auto& g : record->gadgets) {
    if (g->kind != Kind::Picture) continue;
    const wxBitmap* bmp = bitmap(g->imageSlot, record->scale);
    if (!bmp) continue;
    const wxRect area = pictureRect(*record, *g);
    dc.SetClippingRegion(area);
    dc.DrawBitmap(*bmp, area.x, area.y, true);
    dc.DestroyClippingRegion();
  }
}

}  // namespace gui::wx
