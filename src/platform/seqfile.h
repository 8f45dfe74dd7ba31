#pragma once
// Sequential text files as the runtime wrote and read them: one value per
// line, CRLF line ends, strings quoted in write form, read back by position.
#include <cstdint>
#include <string>
#include <string_view>

#include "platform/error.h"

namespace platform {

// The temporary file a replacement of the target is written to.
std::string tempPath(const std::string& target);
// Removes a temporary file of the target that a killed write left behind.
void removeLeftoverTemp(const std::string& target);

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
    std::string buffer_;
    bool committed_ = false;
};

// A file whole, as bytes. Throws Error naming the path, with the system's
// reason, when it cannot be read: "Cannot <doing> '<path>': <reason>".
std::string readFileBytes(const std::string& path, std::string_view doing = "read the file");

// A text file whole, as every reader of the game takes it: a UTF-8
// byte-order mark at its start (some editors write one) is dropped. Throws
// Error with the system's reason when the file cannot be read.
std::string readTextFile(const std::string& path);
std::string_view withoutByteOrderMark(std::string_view text);

// A value as messages show it: control bytes (NUL among them) and bytes that
// start no UTF-8 character as \xNN, so that nothing cuts a message short or
// shows as nothing; a long value cut short.
std::string shownValue(std::string_view value);

// "The file 'name' is damaged: what.", and the same at a line of it:
// "... damaged: line N what.", or for a line that is not there.
Damaged damagedFile(const std::string& fileName, const std::string& what);
Damaged damagedLine(const std::string& fileName, std::size_t line, const std::string& what);
Damaged missingLine(const std::string& fileName, std::size_t line);

// Reads a whole file at once (throws Error when it cannot be read). Damage
// it finds is thrown as Damaged, naming the file and the line.
class SeqReader {
public:
    explicit SeqReader(const std::string& path);
    // fileName names the text in messages.
    static SeqReader fromText(std::string text, std::string fileName = {});

    // The next comma- or line-separated value: blanks around it skipped,
    // quotes removed. Throws Error past the end.
    std::string next();
    // The next value as a number; throws Error when it is not one.
    double nextNumber();
    // The next value as an integer within lo..hi; throws Error otherwise.
    long nextInt(long lo, long hi);
    // The next line, which must hold one text between quotes and nothing
    // else but blanks around it; throws Damaged otherwise.
    std::string nextQuoted();
    // The rest of the current line, as is.
    std::string lineInput();
    bool eof() const;  // nothing but line ends left

    std::size_t line() const { return line_; }  // where the next value begins, from 1
    // Damage that the caller finds: "The file 'name' is damaged: what."
    Damaged damaged(const std::string& what) const;
    // The same at the line of the last value read: "... damaged: line N what."
    Damaged damagedLine(const std::string& what) const;

private:
    SeqReader() = default;
    std::string_view nextView();
    void endLine();
    std::string text_;
    std::string fileName_;
    std::size_t pos_ = 0;
    std::size_t line_ = 1;
    std::size_t valueLine_ = 1;  // where the last value read began
};

// Parses a number the way the reader does: optional blanks, optional sign,
// digits with an optional fraction and exponent. False when it is not one.
bool parseNumber(std::string_view text, double& out);
std::string formatNumber(double value);

// Writes a whole file through a temporary file and a rename.
void writeFileAtomically(const std::string& path, std::string_view content);
bool fileExists(const std::string& path);  // the runtime's Dir() test

}  // namespace platform
