#pragma once
// Small helpers shared by the shell's tests.
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "platform/controls.h"
#include "platform/dialogs.h"
#include "platform/form.h"
#include "support/harness.h"

namespace shelltest {

inline std::string readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

inline void writeFile(const std::string& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

// The lines of a text written with CRLF line ends.
inline std::vector<std::string> splitLines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t at = 0;
    while (at < text.size()) {
        std::size_t end = text.find("\r\n", at);
        if (end == std::string::npos) end = text.size();
        lines.push_back(text.substr(at, end - at));
        at = end + 2;
    }
    return lines;
}

inline std::string joinLines(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& l : lines) text += l + "\r\n";
    return text;
}

inline const std::string& caption(const std::string& form, const std::string& control, int index = -1) {
    return static_cast<platform::Label&>(harness::Harness::control(form, control, index)).Caption;
}

// Scripts the answer to the next message box and records what it said.
struct SeenMsgBox {
    std::string text, caption;
};
inline void answerMsgBox(harness::Harness& h, SeenMsgBox& seen, int button = platform::vbOK) {
    h.then([&seen] {
        seen.text = caption("MsgBox", "lblPrompt");
        seen.caption = harness::Harness::form("MsgBox").Caption;
    });
    h.answerMsgBox(button);
}

}  // namespace shelltest
