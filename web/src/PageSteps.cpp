#include "web/src/PageSteps.h"

#include "model/TextBuilder.h"


namespace {

void writeRect(TextBuilder& out, const char* name, const view::LayoutRect& r) {
    out << ",\"" << name << "\":[" << r.x << ',' << r.y << ',' << r.w << ',' << r.h << ']';
}

const char* backdropName(view::Backdrop b) {
    switch (b) {
        case view::Backdrop::BareMap: return "bareMap";
        case view::Backdrop::Before: return "before";
        case view::Backdrop::Screen: break;
    }
    return "screen";
}

}  // namespace

std::string pageSteps(const std::vector<view::ScreenStep>& steps) {
    TextBuilder out;
    out << '[';
    for (std::size_t i = 0; i < steps.size(); ++i) {
        const view::ScreenStep& s = steps[i];
        out << (i ? "," : "") << "{\"pause\":" << s.pauseMs;
        if (s.sound) out << ",\"sound\":" << static_cast<int>(*s.sound);
        if (s.compose) out << ",\"compose\":true";
        if (s.lift) writeRect(out, "lift", *s.lift);
        if (s.restore) {
            writeRect(out, "restore", *s.restore);
            out << ",\"backdrop\":\"" << backdropName(s.backdrop) << '"';
        }
        if (s.picture) out << ",\"picture\":" << s.picture << ",\"at\":[" << s.at.x << ',' << s.at.y << "],\"mirror\":" << (s.mirror ? "true" : "false");
        if (s.outline) writeRect(out, "outline", *s.outline);
        out << '}';
    }
    out << ']';
    return out.str();
}
