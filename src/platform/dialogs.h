#pragma once
#include <string>

namespace platform {

// MsgBox buttons and icons, and its answers, as the runtime numbered them.
constexpr int vbOKOnly = 0, vbYesNo = 4, vbCritical = 16, vbQuestion = 32, vbExclamation = 48,
              vbInformation = 64;
constexpr int vbOK = 1, vbCancel = 2, vbYes = 6, vbNo = 7;

// Modal message box drawn in our window; returns the button pressed.
// Its buttons are controls named "cmdOK", "cmdYes", "cmdNo" on form "MsgBox".
int MsgBox(const std::string& prompt, int buttons = vbOKOnly, const std::string& title = "");

// Modal input box; returns the text, or "" on Cancel. Form "InputBox" with
// "txtInput", "cmdOK", "cmdCancel".
std::string InputBox(const std::string& prompt, const std::string& title = "",
                     const std::string& defaultText = "");

}  // namespace platform
