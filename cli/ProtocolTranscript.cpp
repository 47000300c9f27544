#include <ostream>

#include "client/Json.h"
#include "cli/Transcript.h"
#include "model/Province.h"
#include "model/SavedPosition.h"

void ProtocolTranscript::tell(const std::string& text) { out << "tell " << jsonString(text) << '\n'; }

bool ProtocolTranscript::question(const std::string& text, const std::string& yesLabel, const std::string& noLabel,
                                  const std::function<bool()>& answer) {
    const bool yes = answer();
    out << "ask " << jsonString(text);
    if (!yesLabel.empty()) out << ' ' << jsonString(yesLabel) << ' ' << jsonString(noLabel);
    out << (yes ? " yes" : " no") << '\n';
    return yes;
}

void ProtocolTranscript::report(const std::string& message) { out << "report " << jsonString(message) << '\n'; }

void ProtocolTranscript::sound(int kind) { out << "sound " << kind << '\n'; }

void ProtocolTranscript::move(const Province& from, const Province& to) {
    out << "move " << jsonString(from.name()) << ' ' << jsonString(to.name()) << '\n';
}

void ProtocolTranscript::defeat(const std::string& empire, const Province& province) {
    out << "defeat " << jsonString(empire) << ' ' << jsonString(province.name()) << '\n';
}

void ProtocolTranscript::news(const std::string& line) { out << "log " << jsonString(line) << '\n'; }

void ProtocolTranscript::lesson(int year) { out << "lesson " << year << '\n'; }

void ProtocolTranscript::results(int invasions, int plagues, int rebellions) {
    out << "results " << invasions << ' ' << plagues << ' ' << rebellions << '\n';
}

void ProtocolTranscript::newGame() { out << "newgame\n"; }

void ProtocolTranscript::quit() { out << "quit\n"; }

void ProtocolTranscript::error(const std::string& text) { out << "error " << jsonString(text) << '\n'; }

void Transcript::fileError(const std::string& path, bool saving, const FileResult& result) {
    (void)path;
    (void)saving;
    error(result.error);
}

// Both kinds of order answer with one line: whether it was carried out.
void ProtocolTranscript::dropped(bool done) { out << "dropped " << (done ? "true" : "false") << '\n'; }

void ProtocolTranscript::ordered(OrderResult result, const Province&, const Province&) { dropped(succeeded(result)); }

void ProtocolTranscript::droppedAt(const DropResult& result, const Province&, int, int) {
    dropped(result.carriedOut());
}

void ProtocolTranscript::saved() { out << "saved\n"; }

void ProtocolTranscript::undo(bool done, const std::string&) { out << "undone " << (done ? "true" : "false") << '\n'; }
