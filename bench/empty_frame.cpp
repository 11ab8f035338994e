// The reference for bench/own_memory.sh: an empty wx frame with a menu, built from the same
// wxWidgets as the program. What the program takes beyond this is its own share of memory.

#include <wx/app.h>
#include <wx/frame.h>
#include <wx/menu.h>

namespace {

class EmptyFrameApp : public wxApp {
 public:
  bool OnInit() override {
    auto* frame = new wxFrame(nullptr, wxID_ANY, "empty frame", wxDefaultPosition, wxDefaultSize,
                              wxDEFAULT_FRAME_STYLE & ~(wxRESIZE_BORDER | wxMAXIMIZE_BOX));
    auto* program = new wxMenu;
    program->Append(wxID_EXIT, wxString::FromUTF8("Выйти"));
    auto* windows = new wxMenu;
    windows->Append(wxID_HIGHEST + 1, wxString::FromUTF8("Воздухоохладитель"));
    windows->Append(wxID_HIGHEST + 2, wxString::FromUTF8("Конденсатор"));
    auto* menu = new wxMenuBar;
    menu->Append(program, wxString::FromUTF8("Программа"));
    menu->Append(windows, wxString::FromUTF8("Окна"));
    frame->SetMenuBar(menu);
    frame->SetClientSize(800, 620);
    frame->Centre();
    frame->Show();
    return true;
  }
};

}  // namespace

wxIMPLEMENT_APP(EmptyFrameApp);
