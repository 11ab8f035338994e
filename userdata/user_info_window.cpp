#include "userdata/user_info_window.h"

#include "platform/file_queries.h"
#include "userdata/ini_file.h"
#include "userdata/user_info.h"

namespace userdata {

using namespace user_info;

namespace {

constexpr int kFields[] = {kCompany, kAddress, kPhoneFax, kEmail, kManager};
static_assert(std::size(kFields) == kUserInfoKeys.size());

std::string iniPath(const std::string& folder) {
  return platform::pathInFolder(folder, std::string(kUserInfoFileName));
}

}  // namespace

void openUserInfoWindow(gui::Toolkit& tk, int parent, int window, const std::string& folder) {
  if (!tk.openWindow({window, "Информация о пользователе", 280, 295, gui::FrameStyle::Dialog, parent,
                      gui::Placement::CentreOnParentFrame, false}))
    return;
  // Each field in a 230 x 40 place at x = 25: the label at the top, the field below it.
  for (std::size_t i = 0; i < kUserInfoKeys.size(); ++i) {
    const int y = 10 + 45 * static_cast<int>(i);
    tk.addLabel(window, gui::kUnnumbered, {25, y + 5, 230, 15}, kUserInfoKeys[i].name);
    tk.addTextField(window, kFields[i], {25, y + 20, 230, 20});
  }
  tk.addButton(window, kOkButton, {40, 250, 100, 25}, "Ok");
  tk.addButton(window, kCancelButton, {145, 250, 100, 25}, "Отмена");
  tk.setDialogButtons(window, kOkButton, kCancelButton);
  loadUserInfo(tk, window, folder);
  tk.setFocus(window, kCompany);  // ready to type
}

void loadUserInfo(gui::Toolkit& tk, int window, const std::string& folder) {
  const UserInfo info = readUserInfoFile(iniPath(folder));
  for (std::size_t i = 0; i < kUserInfoKeys.size(); ++i) tk.setText(window, kFields[i], info.*kUserInfoKeys[i].value);
}

bool saveUserInfo(const gui::Toolkit& tk, int window, const std::string& folder) {
  UserInfo info;
  for (std::size_t i = 0; i < kUserInfoKeys.size(); ++i) info.*kUserInfoKeys[i].value = tk.text(window, kFields[i]);
  return writeUserInfoFile(iniPath(folder), info);
}

int handleUserInfoEvent(gui::Toolkit& tk, const std::string& folder, const gui::Event& event) {
  if (event.kind == gui::EventKind::CloseRequest) return 0;
  if (event.kind != gui::EventKind::Gadget) return 1;
  if (event.item == kCancelButton) return 0;
  if (event.item != kOkButton) return 1;
  if (saveUserInfo(tk, event.window, folder)) return 0;
  tk.messageBox("Информация о пользователе",
                "Не удалось сохранить контактные данные в файл " + iniPath(folder) + ".",
                gui::MessageButtons::Ok);
  return 1;
}

}  // namespace userdata
