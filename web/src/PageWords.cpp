#include "web/src/PageWords.h"

#include <string>
#include <string_view>
#include <vector>

#include "client/BuiltInCatalogues.h"
#include "web/src/PageExports.h"
#include "web/src/PageParts.h"

namespace {

// English with the English catalogue's plural forms, as the window speaks it.
Catalogue english() {
    std::string problem;
    return Catalogue::read(builtInCatalogue("en"), problem);
}

Catalogue& spoken() {
    static Catalogue words = english();
    return words;
}

}  // namespace

const Catalogue& pageWords() { return spoken(); }

extern "C" {

// A broken catalogue is refused whole: the page goes on in English and says why.
const char* aurovane_set_language(Page* page, const unsigned char* catalogue, int catalogueLength) {
    const std::string_view text(reinterpret_cast<const char*>(catalogue), catalogueLength > 0 ? std::size_t(catalogueLength) : 0);
    std::string problem;
    spoken() = Catalogue::read(text, problem);
    if (!problem.empty()) spoken() = english();
    return pageReply(*page, problem);
}

const char* aurovane_translate(Page* page, const char* context, const char* source) {
    return pageReply(*page, spoken().text(context, source));
}

const char* aurovane_filled(Page* page, const char* context, const char* form, const char* words) {
    std::vector<std::string> each;
    for (std::string_view rest = words;;) {
        const std::size_t end = rest.find('\n');
        each.emplace_back(rest.substr(0, end));
        if (end == std::string_view::npos) break;
        rest.remove_prefix(end + 1);
    }
    return pageReply(*page, spoken().filled(context, form, each));
}

}  // extern "C"
