#pragma once
// A selection window's form as data: a table of pieces (frames, labelled inputs, option buttons,
// check boxes, pictures) built by one loop, in the table's order.

#include <span>

#include "gui/toolkit.h"

namespace selection {

enum class Piece {
  Frame,      // a drawn box with a caption; `place` is the box
  TextField,  // a labelled input: `place` is the corner of its 230 x 40 place, the label at the
  ComboBox,   //   top (5 px down, 15 high), the input 20 px high below it (20 px down)
  Label,      // the label alone, of a place whose inputs follow as pieces of their own
  Option,     // an option button of the window's one group; `place` is the button
  CheckBox,   // `place` is the box with its text
  Picture,    // `place` is the picture; it starts empty
};

struct FormPiece {
  Piece kind = Piece::Frame;
  gui::Rect place;
  const char* text = "";          // caption, label, option or check box text
  int gadget = gui::kUnnumbered;  // the input's number
  int labelGadget = gui::kUnnumbered;
  int labelWidth = 230;
  bool startsDisabled = false;

  constexpr FormPiece disabled() const { return with(&FormPiece::startsDisabled, true); }
  constexpr FormPiece labelNumbered(int gadget) const { return with(&FormPiece::labelGadget, gadget); }
  // A label narrower than its place keeps a long text off the next column.
  constexpr FormPiece labelWide(int width) const { return with(&FormPiece::labelWidth, width); }

 private:
  template <typename T>
  constexpr FormPiece with(T FormPiece::*field, T value) const {
    FormPiece copy = *this;
    copy.*field = value;
    return copy;
  }
};

constexpr FormPiece frame(gui::Rect place, const char* caption) { return {Piece::Frame, place, caption}; }
constexpr FormPiece textField(int x, int y, const char* label, int gadget) {
  return {Piece::TextField, {x, y, 230, 40}, label, gadget};
}
constexpr FormPiece comboBox(int x, int y, const char* label, int gadget) {
  return {Piece::ComboBox, {x, y, 230, 40}, label, gadget};
}
constexpr FormPiece label(int x, int y, const char* text) { return {Piece::Label, {x, y, 230, 40}, text}; }
constexpr FormPiece option(gui::Rect place, const char* text, int gadget) { return {Piece::Option, place, text, gadget}; }
constexpr FormPiece checkBox(gui::Rect place, const char* text, int gadget) {
  return {Piece::CheckBox, place, text, gadget};
}
constexpr FormPiece picture(gui::Rect place, int gadget) { return {Piece::Picture, place, "", gadget}; }

// Places a rectangle given inside a borderless place at (x, y) into window coordinates.
constexpr gui::Rect inPlace(int x, int y, gui::Rect inner) {
  return {x + inner.x, y + inner.y, inner.width, inner.height};
}

void buildForm(gui::Toolkit& toolkit, int window, std::span<const FormPiece> form);

// Colours of the result lists and the hints.
inline constexpr gui::Rgb kChosenModelColour{0, 0, 255};
inline constexpr gui::Rgb kChosenRowBackground{204, 255, 153};
inline constexpr gui::Rgb kLargerRowBackground{255, 255, 153};
inline constexpr gui::Rgb kOutOfRangeColour{255, 0, 0};

}  // namespace selection
