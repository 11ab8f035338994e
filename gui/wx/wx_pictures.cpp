// The wx toolkit's pictures: the image slots, and the picture gadgets that the client panels
// paint and hit-test themselves.

#include "gui/wx/wx_backend.h"

#include <algorithm>
#include <cstdlib>
#include <utility>

#include <wx/image.h>

#include "gui/wx/wx_frames.h"

namespace gui::wx {
namespace {

wxBitmap toBitmap(const Image& image) {
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
  return wxBitmap(converted);
}

}  // namespace

// ---------------------------------------------------------------------------------------------
// Image slots.

void WxToolkit::setImage(int slot, ImageSource source) {
  images_[slot] = {std::move(source), wxBitmap()};
  for (auto& [number, window] : windows_) {
    for (auto& gadget : window->gadgets) {
      if (gadget->kind == Kind::Picture && gadget->imageSlot == slot) {
        holdPicture(slot);
        refreshPicture(*window, *gadget);
      }
    }
  }
}

Image WxToolkit::image(int slot) const {
  const auto it = images_.find(slot);
  return it == images_.end() || !it->second.source ? Image{} : it->second.source();
}

void WxToolkit::holdPicture(int slot) {
  const auto it = images_.find(slot);
  if (it == images_.end() || it->second.bitmap.IsOk() || !it->second.source) return;
  it->second.bitmap = toBitmap(it->second.source());
}

void WxToolkit::releaseUnshownPictures() {
  for (auto& [slot, stored] : images_) {
    if (!stored.bitmap.IsOk()) continue;
    const bool shown = std::any_of(windows_.begin(), windows_.end(), [slot](const auto& window) {
      return std::any_of(window.second->gadgets.begin(), window.second->gadgets.end(),
                         [slot](const auto& g) { return g->kind == Kind::Picture && g->imageSlot == slot; });
    });
    if (!shown) stored.bitmap = wxBitmap();
  }
}

const wxBitmap* WxToolkit::bitmap(int slot) const {
  const auto it = images_.find(slot);
  if (it == images_.end() || !it->second.bitmap.IsOk()) return nullptr;
  return &it->second.bitmap;
}

// ---------------------------------------------------------------------------------------------
// Picture gadgets.

void WxToolkit::setPicture(int window, int gadget, int imageSlot) {
  WindowRecord* record = findWindow(window);
  GadgetRecord* g = findGadget(window, gadget);
  if (!record || !g || g->kind != Kind::Picture) return;
  refreshPicture(*record, *g);  // the old picture's area
  g->imageSlot = imageSlot;
  holdPicture(imageSlot);
  releaseUnshownPictures();
  refreshPicture(*record, *g);
}

wxRect WxToolkit::pictureRect(const GadgetRecord& g) const {
  int width = g.place.width;
  int height = g.place.height;
  if (width <= 0 || height <= 0) {
    const wxBitmap* bmp = bitmap(g.imageSlot);
    if (width <= 0) width = bmp ? bmp->GetWidth() : 0;
    if (height <= 0) height = bmp ? bmp->GetHeight() : 0;
  }
  return wxRect(g.place.x, g.place.y, width, height);
}

void WxToolkit::refreshPicture(WindowRecord& record, const GadgetRecord& g) {
  const wxRect area = pictureRect(g);
  if (!area.IsEmpty()) record.panel->RefreshRect(area, false);
}

const GadgetRecord* WxToolkit::pictureAt(int window, wxPoint point) const {
  const WindowRecord* record = findWindow(window);
  if (!record) return nullptr;
  for (auto it = record->gadgets.rbegin(); it != record->gadgets.rend(); ++it) {
    const GadgetRecord& g = **it;
    if (g.kind == Kind::Picture && g.enabled && pictureRect(g).Contains(point)) return &g;
  }
  return nullptr;
}

void WxToolkit::paintPictures(int window, wxDC& dc) const {
  const WindowRecord* record = findWindow(window);
  if (!record) return;
  for (const auto& g : record->gadgets) {
    if (g->kind != Kind::Picture) continue;
    const wxBitmap* bmp = bitmap(g->imageSlot);
    if (!bmp) continue;
    const wxRect area = pictureRect(*g);
    dc.SetClippingRegion(area);
    dc.DrawBitmap(*bmp, area.x, area.y, true);
    dc.DestroyClippingRegion();
  }
}

}  // namespace gui::wx
