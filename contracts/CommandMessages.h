// The message codes of the command's event handler MouseStatus (code, param1, param2), and what
// its parameters carry: the host's input events, LaunchCommand's start, the configuration
// window's two requests and the command's own messages.  Plain constants, no Windows headers; the
// plug-in, its configuration window, the stand-in host and the tests all take them from here.
#pragma once

namespace vjd::command {

// From the host while a pick armed by the command runs (acted on in command state 0 only).
inline constexpr int kPickStep = 0;  // the user picked an entity: highlight and re-arm
inline constexpr int kPickEnd = 3;   // the pick ended: show the window with what was picked
// From the host: a key; param1 is the key code.
inline constexpr int kKey = 7;
inline constexpr int kEscapeKey = 27;  // the key code that ends the command
// The command's own end (also reached through Escape and the window's leaving).
inline constexpr int kEnd = 11;
// From LaunchCommand, both parameters 0: take over the selection and open the window.
inline constexpr int kStart = 18;
// From the configuration window, param1 0 and param2 one of the two requests below.
inline constexpr int kFromWindow = 19;
inline constexpr int kWindowLeaves = 0;  // the window closes: the command ends
inline constexpr int kWindowPicks = 2;   // "选择实体": hide the window and start a new pick
// The command asks itself for a prompt text; nothing handles it, so the text stays empty.
inline constexpr int kPromptRequest = 21;

// What BeginPick is armed with, besides the array the host appends the picked ids to.
inline constexpr int kPickArgs[3] = {0, 4, 63};

}  // namespace vjd::command
