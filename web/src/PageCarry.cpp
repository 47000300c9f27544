#include "web/src/PageCarry.h"


#include "client/Json.h"
#include "client/ProvinceDescription.h"
#include "model/Province.h"
#include "model/TextBuilder.h"
#include "web/src/PageState.h"

std::optional<CarryKey> carryKeyNamed(std::string_view name, char& letter) {
    if (name == "ArrowLeft") return CarryKey::Left;
    if (name == "ArrowRight") return CarryKey::Right;
    if (name == "ArrowUp") return CarryKey::Up;
    if (name == "ArrowDown") return CarryKey::Down;
    if (name == "Enter") return CarryKey::Enter;
    if (name == "Escape") return CarryKey::Escape;
    if (name == " ") return CarryKey::Space;
    if (name.size() != 1) return std::nullopt;
    letter = name.front();
    return CarryKey::Letter;
}

namespace {

std::string nameOf(const Province* p) { return jsonString(p ? p->name() : ""); }

}  // namespace

std::string carryView(const LegionCarry& carry, bool taken, bool orderWaits) {
    TextBuilder out;
    out << "{\"taken\":" << (taken ? "true" : "false") << ",\"order\":" << (orderWaits ? "true" : "false")
        << ",\"pressed\":" << nameOf(carry.pressed()) << ",\"carried\":" << nameOf(carry.source()) << ",\"carrying\":" << (carry.carrying() ? "true" : "false")
        << ",\"from\":[" << carry.pressedAt().x << ',' << carry.pressedAt().y << "],\"pointer\":["
        << carry.pointer().x << ',' << carry.pointer().y << "],\"target\":" << nameOf(carry.target())
        << ",\"cursor\":" << nameOf(carry.cursor()) << ",\"shown\":" << nameOf(carry.shown()) << ",\"notice\":";
    if (carry.notice()) writeScreenLines(out, {noticeLine(*carry.notice(), 0)});
    else out << "[]";
    // An advisor's message says the same at once: a screen reader hears it there.
    out << ",\"noticeTold\":" << (carry.notice() && toldByAdvisor(carry.notice()->id) ? "true" : "false")
        << ",\"pickedUp\":" << jsonString(carry.source() && !carry.carrying() ? pageDescription({pickedUpPhrase(*carry.source())}) : "")
        << '}';
    return out.str();
}
