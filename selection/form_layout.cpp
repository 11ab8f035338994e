#include "selection/form_layout.h"

namespace selection {
namespace {

constexpr int kOptionGroup = 1;  // each form has one group of option buttons

void addLabel(gui::Toolkit& toolkit, int window, const FormPiece& piece) {
  toolkit.addLabel(window, piece.labelGadget, {piece.place.x, piece.place.y + 5, piece.labelWidth, 15}, piece.text);
}

void addPiece(gui::Toolkit& toolkit, int window, const FormPiece& piece) {
  const gui::Rect input{piece.place.x, piece.place.y + 20, 230, 20};
  switch (piece.kind) {
    case Piece::Frame:
      toolkit.addFrame(window, piece.place, piece.text);
      break;
    case Piece::TextField:
      addLabel(toolkit, window, piece);
      toolkit.addTextField(window, piece.gadget, input);
      break;
    case Piece::ComboBox:
      addLabel(toolkit, window, piece);
      toolkit.addComboBox(window, piece.gadget, input);
      break;
    case Piece::Label:
      addLabel(toolkit, window, piece);
      break;
    case Piece::Option:
      toolkit.addOption(window, piece.gadget, piece.place, piece.text, kOptionGroup);
      break;
    case Piece::CheckBox:
      toolkit.addCheckBox(window, piece.gadget, piece.place, piece.text);
      break;
    case Piece::Picture:
      toolkit.addPicture(window, piece.gadget, piece.place, gui::kNoImage);
      break;
  }
  if (piece.startsDisabled) toolkit.setEnabled(window, piece.gadget, false);
}

}  // namespace

void buildForm(gui::Toolkit& toolkit, int window, std::span<const FormPiece> form) {
  for (const FormPiece& piece : form) addPiece(toolkit, window, piece);
}

}  // namespace selection
