#pragma once
// Sequential text files as the runtime wrote and read them: one value per
// line, CRLF line ends, strings quoted in write form, read back by position.
#include <cstdint>
#include <string>
#include <string_view>

namespace platform {

// Writes to a temporary file beside the target; commit() renames it over the
// target only when everything was written. Without commit() the target is
// left untouched.
class SeqWriter {
public:
    explicit SeqWriter(std::string path);
    ~SeqWriter();
    SeqWriter(const SeqWriter&) = delete;
    SeqWriter& operator=(const SeqWriter&) = delete;

    void printLine(std::string_view text);   // print form: the text as is
    void writeString(std::string_view text);  // write form: "text"
    void writeNumber(double value);           // write form: shortest exact form, no spaces
    void writeInt(long value);
    void commit();  // throws Error when the file cannot be completed

private:
    void line(std::string_view text);
    std::string path_;
    std::string tmp_;
    std::string buffer_;
    bool committed_ = false;
};

// Reads a whole file at once (throws Error when it cannot be opened).
class SeqReader {
public:
    explicit SeqReader(const std::string& path);
    static SeqReader fromText(std::string text);

    // The next comma- or line-separated value: blanks around it skipped,
    // quotes removed. Throws Error past the end.
    std::string next();
    // The next value as a number; throws Error when it is not one.
    double nextNumber();
    // The next value as an integer within lo..hi; throws Error otherwise.
    long nextInt(long lo, long hi);
    // The rest of the current line, as is.
    std::string lineInput();
    bool eof() const;  // nothing but line ends left

private:
    SeqReader() = default;
    std::string_view nextView();
    std::string text_;
    std::size_t pos_ = 0;
};

// Parses a number the way the reader does: optional blanks, optional sign,
// digits with an optional fraction and exponent. False when it is not one.
bool parseNumber(std::string_view text, double& out);
std::string formatNumber(double value);

// Writes a whole file through a temporary file and a rename.
void writeFileAtomically(const std::string& path, std::string_view content);
bool fileExists(const std::string& path);  // the runtime's Dir() test

}  // namespace platform
