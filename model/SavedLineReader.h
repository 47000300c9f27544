#pragma once
#include <string>

#include "model/SafeFile.h"

// Thrown by the reader with the player's message; nothing has changed yet.
class LoadError {
public:
    LoadError(std::string text, FileProblem problem) : text(std::move(text)), problem(problem) {}
    std::string text;
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

    // The next value; `what` names it in the message when the file ends.
    std::string text(const char* what);
    // The next value as a whole number in [min, max]: digits with an optional
    // sign, nothing else.
    int number(const char* what, long long min, long long max);
    // The next line that carries something, whole: a text written into the
    // file keeps its number signs and its letters beyond ASCII. Only the
    // blanks before it and the line end are dropped.
    std::string wholeLine(const char* what);
    // True when only blank and comment lines are left.
    bool atEnd();

    // The line of the value read last, and the value.
    int line() const { return lineNumber_; }
    const std::string& last() const { return value_; }
    // A refusal on the first line means some other kind of file; `problem` says otherwise.
    [[noreturn]] void fail(const std::string& why) const;
    [[noreturn]] void fail(const std::string& why, FileProblem problem) const;
    [[noreturn]] static void failAt(int line, const std::string& why);
    // A value from the file in quotes, as a message may show it.
    static std::string quoted(const std::string& value);

private:
    // Moves to the next line that carries a value; false at the end.
    bool nextValueLine(bool whole = false);
    std::string take(const char* what, bool whole);
    void refuseWideText() const;

    std::string text_;
    std::size_t next_ = 0;
    int lineNumber_ = 0;
    std::string value_;
};
