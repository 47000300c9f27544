#pragma once
#include <string>

#include "model/FileMessage.h"
#include "model/SafeFile.h"

// Thrown by the reader with the player's message; nothing has changed yet.
class LoadError {
public:
    LoadError(FileMessage message, FileProblem problem) : message(std::move(message)), problem(problem) {}
    FileMessage message;
    FileProblem problem;
};

// The lines of a saved game that carry something. Blank lines and lines that
// are only a comment are skipped wherever they stand; on the others the
// comment (from the first '#') and the blanks around the value are dropped.
// The file must be text as the game writes it (ASCII, UTF-8 in comments, line
// feeds with or without a carriage return). Every refusal is a LoadError
// naming the line.
class SavedLineReader {
public:
    explicit SavedLineReader(std::string text);

    // The next value; `what` names it in the message when the file ends
    // (`expected` fills the Header's sentence).
    std::string text(const FileField& what, const std::string& expected = {});
    // The next value as a whole number in [min, max]: digits with an optional
    // sign, nothing else.
    int number(const FileField& what, long long min, long long max);
    // The next line that carries something, whole: a text written into the
    // file keeps its number signs and its letters beyond ASCII. Only the
    // blanks before it and the line end are dropped.
    std::string wholeLine(const FileField& what);
    // True when only blank and comment lines are left.
    bool atEnd();

    // The line of the value read last, and the value.
    int line() const { return lineNumber_; }
    const std::string& last() const { return value_; }
    // Refuses the file with one of FileMessage.h's "fileload" sentences at the
    // current line; `args` fill %2 on. A refusal on the first line means some
    // other kind of file; `problem` says otherwise.
    [[noreturn]] void fail(const char* text, std::vector<std::string> args = {}) const;
    [[noreturn]] void fail(const char* text, FileProblem problem) const;
    [[noreturn]] static void failAt(int line, FileMessage message);

private:
    // Moves to the next line that carries a value; false at the end.
    bool nextValueLine(bool whole = false);
    std::string take(const FileField& what, const std::string& expected, bool whole);
    void refuseWideText() const;

    std::string text_;
    std::size_t next_ = 0;
    int lineNumber_ = 0;
    std::string value_;
};
