#include "platform/sdl/sdl_message_box.h"

#include <vector>

namespace frost::linux_host {

bool ShowSdlMessageBox(SDL_Window* owner, const std::string& text, const std::string& caption,
                       MessageButtons buttons, MessageIcon icon, MessageAnswer& answer) {
  Uint32 flags = SDL_MESSAGEBOX_BUTTONS_LEFT_TO_RIGHT;
  switch (icon) {
    case MessageIcon::Error:
      flags |= SDL_MESSAGEBOX_ERROR;
      break;
    case MessageIcon::Exclamation:
      flags |= SDL_MESSAGEBOX_WARNING;
      break;
    case MessageIcon::Information:
    case MessageIcon::Question:  // SDL has no question icon
    case MessageIcon::None:
      flags |= SDL_MESSAGEBOX_INFORMATION;
      break;
  }
  std::vector<SDL_MessageBoxButtonData> buttonData;
  if (buttons == MessageButtons::YesNo) {
    buttonData.push_back(
        {SDL_MESSAGEBOX_BUTTON_RETURNKEY_DEFAULT, static_cast<int>(MessageAnswer::Yes), "Yes"});
    buttonData.push_back({0, static_cast<int>(MessageAnswer::No), "No"});
  } else {
    buttonData.push_back(
        {SDL_MESSAGEBOX_BUTTON_RETURNKEY_DEFAULT | SDL_MESSAGEBOX_BUTTON_ESCAPEKEY_DEFAULT,
         static_cast<int>(MessageAnswer::Ok), "OK"});
  }
  SDL_MessageBoxData data{};
  data.flags = flags;
  data.window = owner;
  data.title = caption.c_str();
  data.message = text.c_str();
  data.numbuttons = static_cast<int>(buttonData.size());
  data.buttons = buttonData.data();
  int pressed = -1;
  // SDL gives -1 for a box closed without a button; a question asks again until answered.
  do {
    if (SDL_ShowMessageBox(&data, &pressed) != 0) return false;
  } while (pressed < 0 && buttons == MessageButtons::YesNo);
  answer = pressed < 0 ? MessageAnswer::Ok : static_cast<MessageAnswer>(pressed);
  return true;
}

}  // namespace frost::linux_host
