#pragma once
// Small helpers shared by the shell's tests.
#include <sys/resource.h>

#include <csignal>
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

// A full disk while it lives: writes past a few kilobytes fail.
class FullDisk {
public:
    FullDisk() {
        getrlimit(RLIMIT_FSIZE, &saved_);
        oldHandler_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit small = saved_;
        small.rlim_cur = 4096;
        setrlimit(RLIMIT_FSIZE, &small);
    }
    ~FullDisk() {
        setrlimit(RLIMIT_FSIZE, &saved_);
        std::signal(SIGXFSZ, oldHandler_);
    }
    FullDisk(const FullDisk&) = delete;
    FullDisk& operator=(const FullDisk&) = delete;

private:
    rlimit saved_{};
    void (*oldHandler_)(int) = nullptr;
};

// Records every message box shown, and scripts answers to them in turn.
class MsgBoxes {
public:
    struct Seen {
        std::string text, caption;
    };
    explicit MsgBoxes(harness::Harness& h) : h_(h) {
        h.onShow("MsgBox", [this](platform::Form& f) { seen.push_back({caption("MsgBox", "lblPrompt"), f.Caption}); });
    }
    // Waits for the next message box, then presses the button.
    void answer(int button = platform::vbOK) {
        const std::size_t n = ++answered_;
        h_.waitUntil([this, n] { return seen.size() >= n; }, 60000);
        h_.answerMsgBox(button);
    }
    Seen at(std::size_t i) const { return i < seen.size() ? seen[i] : Seen{}; }
    std::vector<Seen> seen;

private:
    harness::Harness& h_;
    std::size_t answered_ = 0;
};

}  // namespace shelltest
