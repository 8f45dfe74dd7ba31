#include "platform/seqfile.h"

#include <charconv>
#include <cmath>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <unistd.h>

#include "platform/error.h"
#include "platform/utf8.h"

namespace platform {

// ---- numbers ----

bool parseNumber(std::string_view s, double& out) {
    std::size_t i = 0;
    while (i < s.size() && (s[i] == ' ' || s[i] == '\t')) ++i;
    std::size_t end = s.size();
    while (end > i && (s[end - 1] == ' ' || s[end - 1] == '\t')) --end;
    std::string_view t = s.substr(i, end - i);
    if (t.empty()) return false;
    // Only plain decimal forms: no "inf", "nan", hex or stray characters.
    std::size_t j = 0;
    bool neg = false;
    if (t[j] == '+' || t[j] == '-') neg = t[j++] == '-';
    std::size_t digits = 0;
    while (j < t.size() && std::isdigit(static_cast<unsigned char>(t[j]))) ++j, ++digits;
    if (j < t.size() && t[j] == '.') {
        ++j;
        while (j < t.size() && std::isdigit(static_cast<unsigned char>(t[j]))) ++j, ++digits;
    }
    if (digits == 0) return false;
    if (j < t.size() && (t[j] == 'e' || t[j] == 'E')) {
        ++j;
        if (j < t.size() && (t[j] == '+' || t[j] == '-')) ++j;
        std::size_t exp = 0;
        while (j < t.size() && std::isdigit(static_cast<unsigned char>(t[j]))) ++j, ++exp;
        if (exp == 0) return false;
    }
    if (j != t.size()) return false;
    std::string_view body = t.substr(t[0] == '+' || t[0] == '-' ? 1 : 0);
    double v = 0;
    auto [p, ec] = std::from_chars(body.data(), body.data() + body.size(), v);
    if (ec != std::errc() || p != body.data() + body.size() || !std::isfinite(v)) return false;
    out = neg ? -v : v;
    return true;
}

std::string formatNumber(double value) {
    if (value == 0) return "0";
    if (std::nearbyint(value) == value && std::fabs(value) < 1e15) {
        return std::to_string(static_cast<long long>(value));
    }
    char buf[64];
    auto [p, ec] = std::to_chars(buf, buf + sizeof buf, value);
    return std::string(buf, ec == std::errc() ? p : buf);
}

// ---- writing ----

std::string tempPath(const std::string& target) { return target + ".tmp"; }

void removeLeftoverTemp(const std::string& target) {
    // unlink: a folder of that name is not ours, and a link goes, not what it points to.
    ::unlink(tempPath(target).c_str());
}

SeqWriter::SeqWriter(std::string path) : path_(std::move(path)) {}

SeqWriter::~SeqWriter() = default;

void SeqWriter::line(std::string_view text) {
    buffer_.append(text);
    buffer_.append("\r\n");
}

void SeqWriter::printLine(std::string_view text) { line(text); }

void SeqWriter::writeString(std::string_view text) {
    std::string q;
    q.reserve(text.size() + 2);
    q += '"';
    q += text;
    q += '"';
    line(q);
}

void SeqWriter::writeNumber(double value) { line(formatNumber(value)); }

void SeqWriter::writeInt(long value) {
    char buf[32];
    auto [p, ec] = std::to_chars(buf, buf + sizeof buf, value);
    (void)ec;
    line(std::string_view(buf, p - buf));
}

void SeqWriter::commit() {
    if (committed_) return;
    writeFileAtomically(path_, buffer_);
    committed_ = true;
}

void writeFileAtomically(const std::string& path, std::string_view content) {
    const std::string tmp = tempPath(path);
    // A temporary file that cannot be made (a folder in its place) is named
    // as such; what fails after that fails on the file being replaced.
    FILE* f = std::fopen(tmp.c_str(), "wb");
    if (!f) throw cannotOn("write the file", tmp, errno);  // nothing of ours to clear away
    int error = 0;
    auto check = [&](bool ok) {
        if (!ok && error == 0) error = errno ? errno : EIO;
    };
    check(std::fwrite(content.data(), 1, content.size(), f) == content.size());
    check(std::fflush(f) == 0);
    check(::fsync(fileno(f)) == 0);
    check(std::fclose(f) == 0);
    if (error == 0 && std::rename(tmp.c_str(), path.c_str()) != 0) error = errno;
    if (error != 0) {
        std::remove(tmp.c_str());
        throw cannotOn("write the file", path, error);
    }
}

bool fileExists(const std::string& path) {
    std::error_code ec;
    return std::filesystem::is_regular_file(path, ec);
}

// ---- reading ----

std::string_view withoutByteOrderMark(std::string_view text) {
    constexpr std::string_view kMark = "\xEF\xBB\xBF";
    if (text.substr(0, kMark.size()) == kMark) text.remove_prefix(kMark.size());
    return text;
}

std::string readFileBytes(const std::string& path, std::string_view doing) {
    FILE* f = std::fopen(path.c_str(), "rb");
    if (!f) throw cannotOn(doing, path, errno);
    std::string bytes;
    char chunk[1 << 16];
    std::size_t got = 0;
    while ((got = std::fread(chunk, 1, sizeof chunk, f)) > 0) bytes.append(chunk, got);
    const int error = std::ferror(f) ? (errno ? errno : EIO) : 0;  // a folder fails here
    std::fclose(f);
    if (error != 0) throw cannotOn(doing, path, error);
    return bytes;
}

std::string readTextFile(const std::string& path) {
    std::string text = readFileBytes(path);
    const std::size_t mark = text.size() - withoutByteOrderMark(text).size();
    text.erase(0, mark);
    return text;
}

std::string shownValue(std::string_view value) {
    constexpr std::size_t kLongest = 24;  // characters
    constexpr char kDigits[] = "0123456789ABCDEF";
    std::string out;
    std::size_t at = 0;
    for (std::size_t count = 0; at < value.size() && count < kLongest; ++count) {
        const std::size_t start = at;
        const char32_t c = utf8::next(value, at);
        const bool stray = c == 0xFFFD && at - start == 1;
        if (!stray && c >= 0x20 && (c < 0x7F || c > 0x9F)) {
            out.append(value.substr(start, at - start));
            continue;
        }
        for (std::size_t i = start; i < at; ++i) {
            const auto b = static_cast<unsigned char>(value[i]);
            out += "\\x";
            out += kDigits[b >> 4];
            out += kDigits[b & 15];
        }
    }
    if (at < value.size()) out += "...";
    return out;
}

Damaged damagedFile(const std::string& fileName, const std::string& what) {
    const std::string file = fileName.empty() ? "The text" : "The file '" + fileName + "'";
    return Damaged(file + " is damaged: " + what + ".");
}

Damaged damagedLine(const std::string& fileName, std::size_t line, const std::string& what) {
    return damagedFile(fileName, "line " + std::to_string(line) + " " + what);
}

Damaged missingLine(const std::string& fileName, std::size_t line) {
    return damagedLine(fileName, line, "is missing: the file is too short");
}

SeqReader::SeqReader(const std::string& path)
    : text_(readTextFile(path)), fileName_(std::filesystem::path(path).filename().string()) {}

SeqReader SeqReader::fromText(std::string text, std::string fileName) {
    SeqReader r;
    r.text_ = std::move(text);
    r.fileName_ = std::move(fileName);
    return r;
}

Damaged SeqReader::damaged(const std::string& what) const { return damagedFile(fileName_, what); }

Damaged SeqReader::damagedLine(const std::string& what) const {
    return platform::damagedLine(fileName_, valueLine_, what);
}

bool SeqReader::eof() const {
    for (std::size_t i = pos_; i < text_.size(); ++i)
        if (text_[i] != '\r' && text_[i] != '\n') return false;
    return true;
}

// Past a line end, or past the end of a last line without one.
void SeqReader::endLine() {
    if (pos_ < text_.size() && text_[pos_] == '\r') ++pos_;
    if (pos_ < text_.size() && text_[pos_] == '\n') ++pos_;
    ++line_;
}

std::string_view SeqReader::nextView() {
    if (pos_ >= text_.size()) throw missingLine(fileName_, line_);
    valueLine_ = line_;
    const char* t = text_.data();
    const std::size_t n = text_.size();
    auto isBlank = [](char c) { return c == ' ' || c == '\t'; };
    auto isEnd = [](char c) { return c == ',' || c == '\r' || c == '\n'; };
    while (pos_ < n && isBlank(t[pos_])) ++pos_;
    std::string_view value;
    if (pos_ < n && t[pos_] == '"') {
        std::size_t start = ++pos_;
        while (pos_ < n && t[pos_] != '"' && t[pos_] != '\r' && t[pos_] != '\n') ++pos_;
        value = std::string_view(t + start, pos_ - start);
        if (pos_ < n && t[pos_] == '"') ++pos_;
        while (pos_ < n && !isEnd(t[pos_])) ++pos_;
    } else {
        std::size_t start = pos_;
        while (pos_ < n && !isEnd(t[pos_])) ++pos_;
        std::size_t end = pos_;
        while (end > start && isBlank(t[end - 1])) --end;
        value = std::string_view(t + start, end - start);
    }
    if (pos_ < n && t[pos_] == ',')
        ++pos_;
    else
        endLine();
    return value;
}

std::string SeqReader::next() { return std::string(nextView()); }

double SeqReader::nextNumber() {
    std::string_view v = nextView();
    double d = 0;
    if (!parseNumber(v, d)) throw damagedLine("holds '" + shownValue(v) + "', which is not a number");
    return d;
}

long SeqReader::nextInt(long lo, long hi) {
    double d = nextNumber();
    if (d != std::floor(d) || d < double(lo) || d > double(hi))
        throw damagedLine("holds " + shownValue(formatNumber(d)) + ", which is not a whole number from " +
                          std::to_string(lo) + " to " + std::to_string(hi));
    return static_cast<long>(d);
}

std::string SeqReader::nextQuoted() {
    const std::string line = lineInput();
    std::string_view t = line;
    while (!t.empty() && (t.front() == ' ' || t.front() == '\t')) t.remove_prefix(1);
    while (!t.empty() && (t.back() == ' ' || t.back() == '\t')) t.remove_suffix(1);
    const bool one = t.size() >= 2 && t.front() == '"' && t.back() == '"' &&
                     t.substr(1, t.size() - 2).find('"') == std::string_view::npos;
    if (!one) throw damagedLine("holds '" + shownValue(line) + "', which is not one text between quotes");
    return std::string(t.substr(1, t.size() - 2));
}

std::string SeqReader::lineInput() {
    if (pos_ >= text_.size()) throw missingLine(fileName_, line_);
    valueLine_ = line_;
    std::size_t end = text_.find_first_of("\r\n", pos_);
    if (end == std::string::npos) end = text_.size();
    std::string line = text_.substr(pos_, end - pos_);
    pos_ = end;
    endLine();
    return line;
}

}  // namespace platform
