// The wx toolkit's gadgets: creating them on a window's client panel, and turning the user's
// actions on them into events.

#include "gui/wx/wx_backend.h"

#include <algorithm>
#include <memory>
#include <string_view>
#include <utility>
#include <vector>

#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/choice.h>
#include <wx/hyperlink.h>  // before the generic control, which builds on it
#include <wx/generic/hyperlink.h>
#include <wx/radiobut.h>
#include <wx/statbox.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include "gui/wx/wx_convert.h"
#include "gui/wx/wx_frames.h"
#include "gui/wx/wx_gtk.h"
#include "gui/wx/wx_list.h"
#include "gui/wx/wx_look.h"

namespace gui::wx {

// ---------------------------------------------------------------------------------------------
// Creating gadgets.

void WxToolkit::addLabel(int window, int gadget, Rect place, std::string_view text) {
  WindowRecord* record = findWindow(window);
  if (!record) return;
  const wxRect at = record->onScreen(place);
  auto* label = new wxStaticText(record->panel, wxID_ANY, wxString(), at.GetPosition(),
                                 at.GetSize(), wxST_NO_AUTORESIZE | wxALIGN_LEFT);
  label->SetFont(record->font);
  label->SetLabelText(toWx(text));
  GadgetRecord& g = add(*record, Kind::Label, gadget, place, label);
  // A label reports clicks only once the program made it clickable, with a bound action or
  // the hand cursor.
  const wxWindow* frame = record->frame;
  const GadgetRecord* target = &g;
  label->Bind(wxEVT_LEFT_UP, [this, window, frame, target, label](wxMouseEvent& event) {
    event.Skip();
    if (!gadgetAlive(window, frame, target) || !label->IsThisEnabled()) return;
    if (!target->onLeftClick && !target->handCursor) return;
    if (wxRect(label->GetSize()).Contains(event.GetPosition())) clicked(window, *target);
  });
  ClientPanel* panel = record->panel;
  label->Bind(wxEVT_MOTION, [this, window, frame, target, panel](wxMouseEvent& event) {
    event.Skip();
    if (gadgetAlive(window, frame, target)) panel->pointerOverLabel(target->handCursor);
  });
}

void WxToolkit::addTextField(int window, int gadget, Rect place) {
  WindowRecord* record = findWindow(window);
  if (!record) return;
  const wxRect at = record->onScreen(place);
  auto* field =
      new wxTextCtrl(record->panel, wxID_ANY, wxString(), at.GetPosition(), at.GetSize());
  field->SetFont(record->font);
  GadgetRecord& g = add(*record, Kind::TextField, gadget, place, field);
  bindChange(window, g, field, wxEVT_TEXT);
  bindLostFocus(window, g, field);
}

void WxToolkit::addReadOnlyText(int window, int gadget, Rect place) {
  WindowRecord* record = findWindow(window);
  if (!record) return;
  const wxRect at = record->onScreen(place);
  auto* text = new wxTextCtrl(record->panel, wxID_ANY, wxString(), at.GetPosition(), at.GetSize(),
                              wxTE_MULTILINE | wxTE_READONLY | wxTE_DONTWRAP);
  text->SetFont(record->font);
  add(*record, Kind::ReadOnlyText, gadget, place, text);
}

void WxToolkit::addComboBox(int window, int gadget, Rect place) {
  WindowRecord* record = findWindow(window);
  if (!record) return;
  const wxRect at = record->onScreen(place);
  auto* choice = new wxChoice(record->panel, wxID_ANY, at.GetPosition(), at.GetSize());
  choice->SetFont(record->font);
  openListsUnhighlighted(choice);
  GadgetRecord& g = add(*record, Kind::ComboBox, gadget, place, choice);
  bindChange(window, g, choice, wxEVT_CHOICE);
  if (!record->followsFocus) bindLostFocus(window, g, choice);
}

void WxToolkit::addOption(int window, int gadget, Rect place, std::string_view text, int group) {
  WindowRecord* record = findWindow(window);
  if (!record) return;
  const wxRect at = record->onScreen(place);
  if (!record->lastOptionGroup || *record->lastOptionGroup != group) {
    // A GTK radio group always has one button on, its first one to begin with. A hidden
    // first button holds that state, so a new group starts with none of its options ticked
    // and an option can be unticked.
    record->groupBlank = new wxRadioButton(record->panel, wxID_ANY, wxString(), at.GetPosition(),
                                           wxSize(0, 0), wxRB_GROUP);
    record->groupBlank->Hide();
    record->lastOptionGroup = group;
  }
  // Options join the group of the radio button created just before them.
  auto* option =
      new wxRadioButton(record->panel, wxID_ANY, wxString(), at.GetPosition(), at.GetSize());
  option->SetFont(record->font);
  option->SetLabelText(toWx(text));
  GadgetRecord& g = add(*record, Kind::Option, gadget, place, option);
  g.groupBlank = record->groupBlank;
  bindClick(window, g, option, wxEVT_RADIOBUTTON);
}

void WxToolkit::addCheckBox(int window, int gadget, Rect place, std::string_view text) {
  WindowRecord* record = findWindow(window);
  if (!record) return;
  const wxRect at = record->onScreen(place);
  auto* box = new wxCheckBox(record->panel, wxID_ANY, wxString(), at.GetPosition(), at.GetSize());
  box->SetFont(record->font);
  box->SetLabelText(toWx(text));
  GadgetRecord& g = add(*record, Kind::CheckBox, gadget, place, box);
  bindClick(window, g, box, wxEVT_CHECKBOX);
}

void WxToolkit::addFrame(int window, Rect place, std::string_view caption) {
  WindowRecord* record = findWindow(window);
  if (!record) return;
  const wxRect at = record->onScreen(place);
  // A plain sibling of the gadgets placed over it: it draws only its border and caption and
  // takes no mouse input, so those gadgets stay visible and clickable.
  auto* box =
      new wxStaticBox(record->panel, wxID_ANY, wxString(), at.GetPosition(), at.GetSize());
  box->SetFont(record->font);
  box->SetLabelText(toWx(caption));
  add(*record, Kind::Frame, kUnnumbered, place, box);
}

void WxToolkit::addPicture(int window, int gadget, Rect place, int imageSlot) {
  WindowRecord* record = findWindow(window);
  if (!record) return;
  GadgetRecord& g = add(*record, Kind::Picture, gadget, place, nullptr);
  g.imageSlot = imageSlot;
  holdPicture(imageSlot, record->scale);
  refreshPicture(*record, g);
}

void WxToolkit::addButton(int window, int gadget, Rect place, std::string_view text) {
  WindowRecord* record = findWindow(window);
  if (!record) return;
  const wxRect at = record->onScreen(place);
  auto* button =
      new wxButton(record->panel, wxID_ANY, wxString(), at.GetPosition(), at.GetSize());
  button->SetFont(record->font);
  button->SetLabelText(toWx(text));
  GadgetRecord& g = add(*record, Kind::Button, gadget, place, button);
  bindClick(window, g, button, wxEVT_BUTTON);
}

void WxToolkit::addHyperlink(int window, int gadget, Rect place, std::string_view text,
                             Rgb hoverColour) {
  WindowRecord* record = findWindow(window);
  if (!record) return;
  const wxRect at = record->onScreen(place);
  const wxString label = toWx(text);
  auto* link = new wxGenericHyperlinkCtrl(record->panel, wxID_ANY, label,
                                          label.empty() ? wxString(" ") : label, at.GetPosition(),
                                          at.GetSize(), wxHL_ALIGN_LEFT | wxBORDER_NONE);
  link->SetFont(record->font.Underlined());
  link->SetNormalColour(kHyperlinkColour);
  link->SetVisitedColour(kHyperlinkColour);
  link->SetHoverColour(toWx(hoverColour));
  GadgetRecord& g = add(*record, Kind::Hyperlink, gadget, place, link);
  bindClick(window, g, link, wxEVT_HYPERLINK);
}

void WxToolkit::addList(int window, int gadget, Rect place,
                        const std::vector<ListColumn>& columns) {
  WindowRecord* record = findWindow(window);
  if (!record) return;
  const wxRect at = record->onScreen(place);
  auto* table = new ListTable(columns);
  auto* grid = new ListGrid(record->panel, at, table, record->font, record->scale);
  GadgetRecord& g = add(*record, Kind::List, gadget, place, grid);
  g.grid = grid;
  g.table = table;
  bindList(window, g, grid);
}

GadgetRecord& WxToolkit::add(WindowRecord& record, Kind kind, int number, const Rect& place,
                             wxWindow* control) {
  // A number used again replaces the earlier gadget of that number.
  if (number != kUnnumbered) {
    const auto it = record.numbered.find(number);
    if (it != record.numbered.end()) {
      GadgetRecord* old = it->second;
      record.numbered.erase(it);
      if (old->control) old->control->Destroy();
      if (old->kind == Kind::Picture) refreshPicture(record, *old);
      std::erase_if(record.gadgets, [old](const auto& g) { return g.get() == old; });
    }
  }
  auto gadget = std::make_unique<GadgetRecord>();
  gadget->kind = kind;
  gadget->number = number;
  gadget->place = place;
  gadget->control = control;
  GadgetRecord& result = *gadget;
  record.gadgets.push_back(std::move(gadget));
  if (number != kUnnumbered) record.numbered[number] = &result;
  return result;
}

// ---------------------------------------------------------------------------------------------
// The user's actions on gadgets.

void WxToolkit::bindClick(int window, const GadgetRecord& g, wxWindow* control, wxEventType type) {
  const wxWindow* frame = findWindow(window)->frame;
  const GadgetRecord* target = &g;
  // Not skipped: a hyperlink would otherwise open a web browser on its text.
  control->Bind(wxEventTypeTag<wxCommandEvent>(type),
                [this, window, frame, target](wxCommandEvent&) {
                  if (gadgetAlive(window, frame, target) && !quiet()) clicked(window, *target);
                });
}

void WxToolkit::bindChange(int window, const GadgetRecord& g, wxWindow* control, wxEventType type) {
  const wxWindow* frame = findWindow(window)->frame;
  const GadgetRecord* target = &g;
  control->Bind(wxEventTypeTag<wxCommandEvent>(type),
                [this, window, frame, target](wxCommandEvent& event) {
                  event.Skip();
                  if (!gadgetAlive(window, frame, target) || quiet()) return;
                  post(Event{window, EventKind::Gadget, target->number, GadgetEvent::Change});
                });
}

void WxToolkit::bindLostFocus(int window, const GadgetRecord& g, wxWindow* control) {
  const wxWindow* frame = findWindow(window)->frame;
  const GadgetRecord* target = &g;
  control->Bind(wxEVT_KILL_FOCUS, [this, window, frame, target](wxFocusEvent& event) {
    event.Skip();  // the control needs it too
    if (!gadgetAlive(window, frame, target)) return;
    post(Event{window, EventKind::Gadget, target->number, GadgetEvent::LostFocus});
  });
}

void WxToolkit::bindList(int window, const GadgetRecord& g, ListGrid* grid) {
  const wxWindow* frame = findWindow(window)->frame;
  const GadgetRecord* target = &g;
  grid->onUserClick = [this, window, frame, target] {
    if (gadgetAlive(window, frame, target)) clicked(window, *target);
  };
  grid->onUserChange = [this, window, frame, target] {
    if (gadgetAlive(window, frame, target) && !quiet()) {
      post(Event{window, EventKind::Gadget, target->number, GadgetEvent::Change});
    }
  };
}

}  // namespace gui::wx
