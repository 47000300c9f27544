// The scenario editor as the page runs it: the same session and rules as the
// desktop editor (client/EditorSession.h) on the page's game, with the
// desktop's undo (the whole scenario before each change). Every export
// answers the editor's view as JSON (below); the map goes to the page as the
// game's state.
#include <emscripten.h>

#include <memory>
#include <string>
#include <vector>

#include "client/EditorSession.h"
#include "client/Json.h"
#include "engine/Game.h"
#include "model/TextBuilder.h"
#include "web/src/PageExports.h"
#include "web/src/PageParts.h"
#include "web/src/PageWords.h"

namespace {

using editor::EditorSession;

// As many changes as the desktop editor takes back.
constexpr std::size_t UndoLimit = 1000;

struct PageEditor {
    PageEditor(Page* page, Game& game) : page(page), session(game) {}
    Page* page;
    EditorSession session;
    std::vector<EditorSession::Snapshot> undo;
    // The options' messages of the last attempt to store them.
    std::vector<std::string> errors;
};

// A page edits one game: the editor of the page that last asked.
std::unique_ptr<PageEditor> current;

PageEditor& editorOf(Page* page) {
    if (!current || current->page != page) current = std::make_unique<PageEditor>(page, pageGame(*page));
    return *current;
}

// A change kept for undo only when it changed the scenario.
template <typename Change>
void record(PageEditor& e, Change change) {
    EditorSession::Snapshot before = e.session.snapshot();
    change();
    if (EditorSession::same(before, e.session.snapshot())) return;
    e.undo.push_back(std::move(before));
    if (e.undo.size() > UndoLimit) e.undo.erase(e.undo.begin());
}

void writeList(TextBuilder& out, const std::vector<std::string>& texts) {
    out << '[';
    for (std::size_t i = 0; i < texts.size(); ++i) out << (i ? "," : "") << jsonString(texts[i]);
    out << ']';
}

// The editor's words in the page's language, from the window's editor's catalogue.
std::string editorWord(const char* text) { return pageWords().text("editor::EditorWindow", text); }
std::string holderWord(const Game& game, const Empire* empire) { return editorWord(editor::holderName(game, empire)); }

// What the editor's controls show: the selected province and its holder and
// legions, the holders it may be given, the scenario's options and texts.
const char* view(Page* page, PageEditor& e) {
    pageShowGame(*page);
    EditorSession& s = e.session;
    Game& game = s.game();
    const Province* p = s.selected();
    const Empire* holder = p ? game.ownerOf(*p) : nullptr;
    TextBuilder out;
    out << "{\"selected\":" << jsonString(p ? p->name() : "") << ",\"holder\":" << jsonString(holderWord(game, holder))
        << ",\"held\":" << (holder ? "true" : "false")
        << ",\"legions\":" << (holder ? holder->countLegionsIn(*p) : 0)
        << ",\"frontier\":" << (p && p->isFrontier() ? "true" : "false") << ",\"owners\":[";
    bool first = true;
    for (const auto& [command, empire] : s.ownerCommands()) {
        out << (first ? "" : ",") << '[' << command << ',' << jsonString(holderWord(game, &game.getEmpire(empire))) << ']';
        first = false;
    }
    out << ",[" << editor::CmdOwnerNoOne << ',' << jsonString(holderWord(game, nullptr)) << "]]"
        << ",\"addLegion\":" << editor::CmdAddLegion << ",\"deleteLegion\":" << editor::CmdDeleteLegion
        << ",\"year\":" << jsonString(s.yearText()) << ",\"treasury\":" << jsonString(s.treasuryText())
        << ",\"plague\":" << (s.plague() ? "true" : "false")
        << ",\"asksPlagueYears\":" << (editor::asksPlagueYears(true, s.plagueCounter()) ? "true" : "false")
        << ",\"plagueYears\":" << editor::DefaultPlagueYears
        << ",\"title\":" << jsonString(s.title()) << ",\"briefing\":" << jsonString(s.briefing())
        << ",\"maxTitle\":" << editor::MaxTitleLength << ",\"maxBriefing\":" << editor::MaxBriefingLength
        << ",\"discard\":[" << jsonString(editorWord(editor::DiscardChanges)) << ','
        << jsonString(editorWord(editor::ThrowAway)) << ',' << jsonString(editorWord(editor::KeepEditing)) << ']'
        << ",\"undo\":" << (e.undo.empty() ? "false" : "true") << ",\"errors\":";
    std::vector<std::string> errors;
    for (const std::string& error : e.errors) errors.push_back(pageWords().text("editor::OptionsDialog", error));
    writeList(out, errors);
    out << '}';
    return pageReply(*page, out.str());
}

}  // namespace

extern "C" {

const char* aurovane_edit_new(Page* page) {
    PageEditor& e = editorOf(page);
    e.session.newScenario();
    e.undo.clear();
    e.errors.clear();
    return view(page, e);
}

const char* aurovane_edit_view(Page* page) { return view(page, editorOf(page)); }

const char* aurovane_edit_select(Page* page, const char* name) {
    PageEditor& e = editorOf(page);
    Province* chosen = nullptr;
    for (Province* p : e.session.game().provinceTable)
        if (p && p->name() == name) chosen = p;
    e.session.select(chosen);
    return view(page, e);
}

const char* aurovane_edit_command(Page* page, int command) {
    PageEditor& e = editorOf(page);
    record(e, [&e, command] { e.session.runMenuCommand(command); });
    return view(page, e);
}

const char* aurovane_edit_options(Page* page, const char* treasury, const char* year, int plague, int plagueYears) {
    PageEditor& e = editorOf(page);
    const editor::OptionsOutcome outcome =
        editor::checkOptions({treasury, year, plague != 0, plagueYears}, e.session.plagueCounter());
    e.errors = outcome.errors;
    if (outcome.ok()) record(e, [&e, &outcome] { e.session.applyOptions(outcome); });
    return view(page, e);
}

const char* aurovane_edit_texts(Page* page, const char* title, const char* briefing) {
    PageEditor& e = editorOf(page);
    record(e, [&e, title, briefing] { e.session.setTitleAndBriefing(title, briefing); });
    return view(page, e);
}

const char* aurovane_edit_undo(Page* page) {
    PageEditor& e = editorOf(page);
    if (!e.undo.empty()) {
        e.session.restore(e.undo.back());
        e.undo.pop_back();
    }
    return view(page, e);
}

// Reads a scenario or saved game with the game's reader: empty when read
// (nothing selected, nothing to undo), else the reader's message with the
// scenario as it was.
const char* aurovane_edit_load(Page* page, const unsigned char* file, int fileLength) {
    PageEditor& e = editorOf(page);
    const std::string text(reinterpret_cast<const char*>(file), fileLength > 0 ? std::size_t(fileLength) : 0);
    const FileResult result = e.session.game().loadFromText(text);
    if (!result.ok) return pageReply(*page, pageWords().fileMessage(result.message));
    e.session.select(nullptr);
    e.undo.clear();
    e.errors.clear();
    pageShowGame(*page);
    return pageReply(*page, "");
}

}  // extern "C"
