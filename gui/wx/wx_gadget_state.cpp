// The wx toolkit's gadgets as the program reads and changes them. Changes raise no events.

#include "gui/wx/wx_backend.h"

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include <wx/checkbox.h>
#include <wx/choice.h>
#include <wx/hyperlink.h>  // before the generic control, which builds on it
#include <wx/generic/hyperlink.h>
#include <wx/radiobut.h>
#include <wx/textctrl.h>

#include "gui/wx/wx_convert.h"
#include "gui/wx/wx_list.h"
#include "gui/wx/wx_look.h"

namespace gui::wx {

// ---------------------------------------------------------------------------------------------
// Properties of any gadget.

void WxToolkit::setText(int window, int gadget, std::string_view text) {
  GadgetRecord* g = findGadget(window, gadget);
  if (!g) return;
  Quiet quiet(*this);
  const wxString value = toWx(text);
  switch (g->kind) {
    case Kind::TextField:
    case Kind::ReadOnlyText:
      static_cast<wxTextCtrl*>(g->control)->ChangeValue(value);
      break;
    case Kind::ComboBox: {
      auto* choice = static_cast<wxChoice*>(g->control);
      const int index = choice->FindString(value, true);
      if (index != wxNOT_FOUND) choice->SetSelection(index);
      break;
    }
    case Kind::Hyperlink:
      g->control->SetLabel(value);
      g->control->Refresh();
      break;
    case Kind::Label:
    case Kind::Option:
    case Kind::CheckBox:
    case Kind::Button:
    case Kind::Frame:
      static_cast<wxControl*>(g->control)->SetLabelText(value);
      break;
    case Kind::Picture:
    case Kind::List:
      break;
  }
}

std::string WxToolkit::text(int window, int gadget) const {
  const GadgetRecord* g = findGadget(window, gadget);
  if (!g) return {};
  switch (g->kind) {
    case Kind::TextField:
    case Kind::ReadOnlyText:
      return fromWx(static_cast<wxTextCtrl*>(g->control)->GetValue());
    case Kind::ComboBox: {
      auto* choice = static_cast<wxChoice*>(g->control);
      const int index = choice->GetSelection();
      return index == wxNOT_FOUND ? std::string() : fromWx(choice->GetString(index));
    }
    case Kind::Hyperlink:
      return fromWx(g->control->GetLabel());
    case Kind::Label:
    case Kind::Option:
    case Kind::CheckBox:
    case Kind::Button:
    case Kind::Frame:
      return fromWx(static_cast<wxControl*>(g->control)->GetLabelText());
    case Kind::List: {
      const std::string* cell = g->table->find(g->grid->selectedRow(), 0);
      return cell ? *cell : std::string();
    }
    case Kind::Picture:
      break;
  }
  return {};
}

void WxToolkit::setEnabled(int window, int gadget, bool enabled) {
  GadgetRecord* g = findGadget(window, gadget);
  if (!g) return;
  g->enabled = enabled;
  if (g->control) g->control->Enable(enabled);
}

bool WxToolkit::enabled(int window, int gadget) const {
  const GadgetRecord* g = findGadget(window, gadget);
  if (!g) return false;
  return g->control ? g->control->IsThisEnabled() : g->enabled;
}

void WxToolkit::setTextColour(int window, int gadget, std::optional<Rgb> colour) {
  GadgetRecord* g = findGadget(window, gadget);
  if (!g || !g->control) return;
  switch (g->kind) {
    case Kind::Hyperlink: {
      auto* link = static_cast<wxGenericHyperlinkCtrl*>(g->control);
      const wxColour normal = colour ? toWx(*colour) : kHyperlinkColour;
      link->SetNormalColour(normal);
      link->SetVisitedColour(normal);
      break;
    }
    case Kind::List:
      g->grid->SetDefaultCellTextColour(colour ? toWx(*colour) : *wxBLACK);
      break;
    default:
      g->control->SetForegroundColour(colour ? toWx(*colour) : wxNullColour);
      break;
  }
  g->control->Refresh();
}

void WxToolkit::setTooltip(int window, int gadget, std::string_view text) {
  GadgetRecord* g = findGadget(window, gadget);
  if (!g) return;
  if (g->kind == Kind::Picture) {
    g->tooltip = toWx(text);
    return;
  }
  if (text.empty()) {
    g->control->UnsetToolTip();
  } else {
    g->control->SetToolTip(toWx(text));
  }
}

void WxToolkit::setHandCursor(int window, int gadget) {
  GadgetRecord* g = findGadget(window, gadget);
  if (!g) return;
  g->handCursor = true;
  // Pictures and labels have no window of their own on GTK: the client panel shows the
  // cursor over them (a label's own cursor would stick to the whole panel).
  if (g->kind != Kind::Picture && g->kind != Kind::Label) {
    g->control->SetCursor(wxCursor(wxCURSOR_HAND));
  }
}

void WxToolkit::setFocus(int window, int gadget) {
  if (GadgetRecord* g = findGadget(window, gadget)) focusGadget(*g);
}

void WxToolkit::bindLeftClick(int window, int gadget, std::function<void()> action) {
  GadgetRecord* g = findGadget(window, gadget);
  if (g) g->onLeftClick = std::move(action);
}

// ---------------------------------------------------------------------------------------------
// Option buttons and check boxes.

void WxToolkit::setChecked(int window, int gadget, bool checked) {
  GadgetRecord* g = findGadget(window, gadget);
  if (!g) return;
  Quiet quiet(*this);
  if (g->kind == Kind::CheckBox) {
    static_cast<wxCheckBox*>(g->control)->SetValue(checked);
  } else if (g->kind == Kind::Option) {
    auto* option = static_cast<wxRadioButton*>(g->control);
    if (checked) {
      option->SetValue(true);
    } else if (option->GetValue() && g->groupBlank) {
      g->groupBlank->SetValue(true);
    }
  }
}

bool WxToolkit::checked(int window, int gadget) const {
  const GadgetRecord* g = findGadget(window, gadget);
  if (!g) return false;
  if (g->kind == Kind::CheckBox) return static_cast<wxCheckBox*>(g->control)->GetValue();
  if (g->kind == Kind::Option) return static_cast<wxRadioButton*>(g->control)->GetValue();
  return false;
}

// ---------------------------------------------------------------------------------------------
// Combo boxes.

void WxToolkit::addItem(int window, int gadget, std::string_view text, int data) {
  GadgetRecord* g = findGadget(window, gadget, Kind::ComboBox);
  if (!g) return;
  Quiet quiet(*this);
  static_cast<wxChoice*>(g->control)->Append(toWx(text));
  g->itemData.push_back(data);
}

void WxToolkit::clearItems(int window, int gadget) {
  GadgetRecord* g = findGadget(window, gadget, Kind::ComboBox);
  if (!g) return;
  Quiet quiet(*this);
  static_cast<wxChoice*>(g->control)->Clear();
  g->itemData.clear();
}

int WxToolkit::itemCount(int window, int gadget) const {
  const GadgetRecord* g = findGadget(window, gadget, Kind::ComboBox);
  return g ? static_cast<int>(static_cast<wxChoice*>(g->control)->GetCount()) : 0;
}

std::string WxToolkit::itemText(int window, int gadget, int index) const {
  const GadgetRecord* g = findGadget(window, gadget, Kind::ComboBox);
  if (!g || index < 0 || index >= itemCount(window, gadget)) return {};
  return fromWx(static_cast<wxChoice*>(g->control)->GetString(static_cast<unsigned>(index)));
}

int WxToolkit::itemData(int window, int gadget, int index) const {
  const GadgetRecord* g = findGadget(window, gadget, Kind::ComboBox);
  if (!g || index < 0 || index >= static_cast<int>(g->itemData.size())) return 0;
  return g->itemData[static_cast<std::size_t>(index)];
}

void WxToolkit::selectItem(int window, int gadget, int index) {
  Quiet quiet(*this);
  if (GadgetRecord* list = findGadget(window, gadget, Kind::List)) {
    list->grid->select(index);
    return;
  }
  GadgetRecord* g = findGadget(window, gadget, Kind::ComboBox);
  if (!g) return;
  auto* choice = static_cast<wxChoice*>(g->control);
  if (index < 0 || index >= static_cast<int>(choice->GetCount())) index = wxNOT_FOUND;
  choice->SetSelection(index);
}

int WxToolkit::selectedItem(int window, int gadget) const {
  const GadgetRecord* g = findGadget(window, gadget, Kind::ComboBox);
  if (!g) return kNoSelection;
  const int index = static_cast<wxChoice*>(g->control)->GetSelection();
  return index == wxNOT_FOUND ? kNoSelection : index;
}

// ---------------------------------------------------------------------------------------------
// Read-only multi-line text.

void WxToolkit::appendLine(int window, int gadget, std::string_view line) {
  GadgetRecord* g = findGadget(window, gadget);
  if (!g || (g->kind != Kind::ReadOnlyText && g->kind != Kind::TextField)) return;
  Quiet quiet(*this);
  auto* text = static_cast<wxTextCtrl*>(g->control);
  const bool empty = text->GetLastPosition() == 0;
  text->AppendText(empty ? toWx(line) : wxString("\n") + toWx(line));
  // A text that is read from its beginning shows its first line, not the last one added.
  text->SetInsertionPoint(0);
  text->ShowPosition(0);
}

// ---------------------------------------------------------------------------------------------
// Lists.

void WxToolkit::addRow(int window, int gadget, int position, const std::vector<std::string>& cells,
                       RowStyle style) {
  GadgetRecord* g = findGadget(window, gadget, Kind::List);
  if (!g) return;
  Quiet quiet(*this);
  auto& rows = g->table->rows();
  if (position < 0 || position > static_cast<int>(rows.size())) {
    position = static_cast<int>(rows.size());
  }
  rows.insert(rows.begin() + position, ListTable::Row{cells, style});
  g->grid->rowsInserted(position, 1);
}

void WxToolkit::setRow(int window, int gadget, int row, const std::vector<std::string>& cells, RowStyle style) {
  GadgetRecord* g = findGadget(window, gadget, Kind::List);
  if (!g || row < 0 || row >= static_cast<int>(g->table->rows().size())) return;
  g->table->rows()[row] = ListTable::Row{cells, style};
  g->grid->rowChanged();
}

void WxToolkit::clearRows(int window, int gadget) {
  GadgetRecord* g = findGadget(window, gadget, Kind::List);
  if (!g) return;
  Quiet quiet(*this);
  const int count = static_cast<int>(g->table->rows().size());
  g->table->rows().clear();
  if (count > 0) g->grid->rowsCleared(count);
}

int WxToolkit::rowCount(int window, int gadget) const {
  const GadgetRecord* g = findGadget(window, gadget, Kind::List);
  return g ? static_cast<int>(g->table->rows().size()) : 0;
}

std::string WxToolkit::cellText(int window, int gadget, int row, int column) const {
  const GadgetRecord* g = findGadget(window, gadget, Kind::List);
  if (!g) return {};
  const std::string* cell = g->table->find(row, column);
  return cell ? *cell : std::string();
}

int WxToolkit::selectedRow(int window, int gadget) const {
  const GadgetRecord* g = findGadget(window, gadget, Kind::List);
  return g ? g->grid->selectedRow() : kNoSelection;
}

}  // namespace gui::wx
