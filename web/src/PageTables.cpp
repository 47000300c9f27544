#include "web/src/PageTables.h"

#include <optional>
#include <utility>

#include "client/Choreography.h"
#include "client/DiscardQuestions.h"
#include "client/FigureStack.h"
#include "client/Json.h"
#include "client/LegendMarks.h"
#include "client/MarchLines.h"
#include "client/NewsPlaqueLook.h"
#include "client/LessonTexts.h"
#include "client/MapNames.h"
#include "client/PaintedProvinces.h"
#include "client/PictureLabels.h"
#include "client/PictureTable.h"
#include "client/ProvinceFlash.h"
#include "client/PictureWords.h"
#include "client/ScreenLayout.h"
#include "client/ScreenText.h"
#include "client/SoundTable.h"
#include "client/TintTable.h"
#include "model/TextBuilder.h"
#include "web/src/PageState.h"
#include "web/src/PageSteps.h"
#include "web/src/PageWords.h"
#include "engine/Game.h"
#include "english/CorrectedEnglish.h"
#include "rules/LessonTable.h"

namespace {

void writeLessonText(TextBuilder& out, int year) {
    const LessonText* t = lessonTextOfYear(year);
    out << ",\"title\":" << jsonString(t ? t->title : "") << ",\"dates\":" << jsonString(t ? t->dates : "")
        << ",\"text\":" << jsonString(t ? t->text : "");
}

void writeBox(TextBuilder& out, const view::LayoutRect& r) {
    out << '[' << r.x << ',' << r.y << ',' << r.w << ',' << r.h << ']';
}

// A whole sentence and the box it wraps into, in the page's language; null for none.
void writeBlock(TextBuilder& out, const std::optional<ScreenTextBlock>& b) {
    if (!b) {
        out << "null";
        return;
    }
    out << "{\"box\":";
    writeBox(out, {b->x, b->y, b->w, b->h});
    out << ",\"colour\":" << b->colour << ",\"text\":" << jsonString(pageWords().text("ScreenText", b->form)) << '}';
}

void writeRect(TextBuilder& out, const char* name, const view::LayoutRect& r) {
    out << ",\"" << name << "\":";
    writeBox(out, r);
}

// The window's places of the parts of the screen.
void writeLayout(TextBuilder& out) {
    using namespace view;
    out << "\"layout\":{\"size\":[" << LayoutWidth << ',' << LayoutHeight << ']';
    writeRect(out, "map", {MapLeft, MapTop, MapWidth, MapHeight});
    out << ",\"scroll\":[" << ScrollPlace.x << ',' << ScrollPlace.y << ']';
    writeRect(out, "mapFrame", MapFrame);
    writeRect(out, "infoFrame", InfoFrame);
    writeRect(out, "infoBox", InfoBox);
    out << ",\"countFont\":" << countFontPixels(1.0) << ",\"pickUpBox\":["
        << PickUpBoxWidth << ',' << PickUpBoxHeight << "]}";
}

// How the march lines and the pennants are drawn.
void writeMarchStyle(TextBuilder& out) {
    out << ",\"marchStyle\":{\"band\":" << view::MarchBand << ",\"ink\":" << view::MarchInk
        << ",\"headRim\":" << view::MarchHeadRim;
    for (const auto& [name, width] : {std::pair{"bandWidth", view::MarchBandWidth}, {"lineWidth", view::MarchLineWidth},
                                      {"headRimWidth", view::MarchHeadRimWidth}}) {
        out << ",\"" << name << "\":";
        writeDecimal(out, width);
    }
    out << ",\"dashes\":[";
    writeDecimal(out, view::MarchDashes[0]);
    out << ',';
    writeDecimal(out, view::MarchDashes[1]);
    out << ']';
    const auto flag = view::pennant(0, 0);
    out << "},\"pennant\":{\"corners\":";
    writePoints(out, {flag.begin(), flag.end()});
    out << ",\"rim\":" << view::PennantRim << ",\"cloth\":" << view::PennantCloth << ",\"rimWidth\":";
    writeDecimal(out, view::PennantRimWidth);
    out << '}';
}

// The year's news plaque's measures and colours, as the window draws it.
void writeNewsPlaque(TextBuilder& out) {
    using namespace news_plaque;
    out << ",\"newsPlaque\":{";
    const std::pair<const char*, int> measures[] = {
        {"width", Width}, {"top", Top}, {"titlePixels", TitlePixels}, {"titleBox", TitleBox}, {"titleGap", TitleGap},
        {"bodyPixels", BodyPixels}, {"linePitch", LinePitch}, {"sectionIndent", SectionIndent}, {"lineIndent", LineIndent},
        {"rightMargin", RightMargin}, {"footerPixels", FooterPixels}, {"footerPitch", FooterPitch},
        {"footerMargin", FooterMargin}, {"footerGap", FooterGap}, {"footerBox", FooterBox}, {"footerRise", FooterRise},
        {"footerLineBox", FooterLineBox}, {"mapMargin", MapMargin}, {"radius", Radius}, {"rimWidth", RimWidth},
        {"innerInset", InnerInset}, {"innerRadius", InnerRadius}, {"clipInset", ClipInset}, {"paper", int(Paper)},
        {"rim", int(Rim)}, {"innerRim", int(InnerRim)}, {"titleInk", int(TitleInk)}, {"footerInk", int(FooterInk)}};
    for (const auto& [name, value] : measures) out << '"' << name << "\":" << value << ',';
    out << "\"toneInks\":[";
    for (NewsTone t : {NewsTone::Section, NewsTone::Good, NewsTone::Bad, NewsTone::Plain})
        out << (t == NewsTone::Section ? "" : ",") << toneInk(t);
    out << "]}";
}

// The blinks of the provinces lost or invaded, as the window blinks them:
// whether the rims are drawn after each pause, the last once the blinks are over.
void writeProvinceFlash(TextBuilder& out) {
    out << ",\"provinceFlash\":{\"pause\":" << view::FlashPause << ",\"rim\":" << view::FlashRim
        << ",\"opaqueFrom\":" << view::OpaqueFrom << ",\"drawn\":[";
    for (int ticks = 0; ticks <= view::FlashTicks; ++ticks)
        out << (ticks ? "," : "") << (view::flashDrawn(ticks) ? "true" : "false");
    out << "]}";
}

}  // namespace

std::string pageTables(const Game& game) {
    TextBuilder out;
    out << '{';
    writeLayout(out);
    out << ",\"provinces\":[";
    bool first = true;
    for (const Province* p : game.provinceTable) {
        const view::LayoutPoint figure = view::figureCorner(*p);
        out << (first ? "" : ",") << "{\"name\":" << jsonString(p->name()) << ",\"figure\":[" << figure.x << ','
            << figure.y << "],\"rects\":[";
        first = false;
        for (std::size_t i = 0; i < p->hitRects.size(); ++i) {
            const MapRect& r = p->hitRects[i];
            out << (i ? "," : "") << '[' << r.left << ',' << r.top << ',' << r.right << ',' << r.bottom << ']';
        }
        out << "]}";
    }
    out << "],\"tints\":[";
    first = true;
    for (const TintSpec& t : TintTable) {
        out << (first ? "" : ",") << "{\"name\":" << jsonString(std::string(t.name)) << ",\"pictures\":["
            << t.plainId << ',' << t.yellowId << ',' << t.blueId << "],\"width\":" << t.width << ",\"height\":" << t.height << ",\"mapX\":" << t.mapX()
            << ",\"mapY\":" << t.mapY() << '}';
        first = false;
    }
    out << "],\"constantinople\":[" << ConstantinopleWindowX << ',' << ConstantinopleWindowY << ']';
    // English keeps the painted words.
    out << ",\"pictureLabels\":[";
    if (!pageWords().speaksEnglish())
        for (const PictureLabel& l : PictureLabels)
            out << (&l == PictureLabels ? "" : ",") << "{\"picture\":" << l.picture << ",\"box\":[" << l.left << ',' << l.top << ','
                << l.width << ',' << l.height << "],\"paper\":" << l.paper << ",\"ink\":" << l.ink
                << ",\"text\":" << jsonString(pageWords().text("ScreenText", l.word)) << ",\"size\":" << l.pixelSize
                << ",\"spacing\":" << PictureLabelSpacingPercent << '}';
    out << ']';
    out << ",\"mapNames\":{\"ink\":" << MapNameInk << ",\"tracking\":" << MapNameTracking << ",\"places\":[";
    for (const MapNamePlace& place : mapNamePlaces()) {
        // In the page's language; the page sets it in capitals, as the browser knows every letter's.
        const std::string name = pageWords().text("Names", place.province);
        out << (&place == &mapNamePlaces().front() ? "" : ",") << "{\"size\":" << place.pixelSize << ",\"box\":["
            << place.box.left << ',' << place.box.top << ',' << place.box.right << ',' << place.box.bottom << "],\"lines\":[";
        const std::vector<MapNameLine> lines = mapNameLines(place, name);
        for (const MapNameLine& l : lines)
            out << (&l == &lines.front() ? "" : ",") << "{\"text\":" << jsonString(l.text) << ",\"x\":" << l.centreX
                << ",\"y\":" << l.capTop << '}';
        out << "]}";
    }
    out << "]}";
    out << ",\"introduction\":{\"picture\":" << IntroductionPicture
        << ",\"music\":" << jsonString(IntroductionMusic);
    writeLessonText(out, 235);
    out << "},\"lessons\":[";
    first = true;
    for (const Lesson& l : LessonTable) {
        out << (first ? "" : ",") << "{\"menuText\":" << jsonString(pageWords().text("Lessons", l.menuText)) << ",\"year\":" << l.year
            << ",\"zoom\":" << pageSteps(view::lessonZoomSteps(l, false, view::LayoutHeight))
            << ",\"picture\":" << l.picture
            << ",\"narration\":" << jsonString(l.narration);
        writeLessonText(out, l.year);
        out << '}';
        first = false;
    }
    out << "],\"pictures\":[";
    first = true;
    for (const PictureSpec& p : PictureTable) {
        out << (first ? "" : ",") << '[' << p.id << ',' << p.width << ',' << p.height << ']';
        first = false;
    }
    out << "],\"animations\":{";
    first = true;
    for (const AnimationSpec& a : AnimationTable) {
        out << (first ? "" : ",") << jsonString(a.name) << ":{\"frames\":[";
        for (std::size_t i = 0; i < a.frames.size() && a.frames[i]; ++i) out << (i ? "," : "") << a.frames[i];
        out << "],\"width\":" << a.width << ",\"height\":" << a.height << ",\"delay\":" << a.delayMs << '}';
        first = false;
    }
    out << "},\"stepPictures\":[" << view::CrossedSwordsPicture << ',' << view::BannerPicture << ']';
    out << ",\"legionIcons\":[";
    first = true;
    for (int picture : LegionIconPictures) {
        if (picture == 0) continue;
        out << (first ? "" : ",") << picture;
        first = false;
    }
    out << "],\"sounds\":{";
    first = true;
    for (const GameSoundSpec& s : GameSoundTable) {
        out << (first ? "" : ",") << '"' << static_cast<int>(s.kind) << "\":{\"recording\":" << jsonString(s.recording)
            << ",\"waits\":" << (s.waits ? "true" : "false") << '}';
        first = false;
    }
    out << "},\"legend\":{\"pictures\":[";
    const std::vector<ScreenPicture> legend = legendPictures(0);
    for (std::size_t i = 0; i < legend.size(); ++i)
        out << (i ? "," : "") << '[' << legend[i].x << ',' << legend[i].y << ',' << legend[i].picture << ']';
    // English keeps the pieces the screen has always drawn; a translation
    // takes the note's whole sentence, which the page wraps in its box.
    const bool english = pageWords().speaksEnglish();
    std::vector<ScreenTextLine> legendTexts = legendLines(0);
    if (!english) legendTexts.resize(LegendNamedLines);
    out << "],\"texts\":";
    writeScreenLines(out, legendTexts);
    out << ",\"note\":";
    writeBlock(out, english ? std::nullopt : std::optional(legendNote(0)));
    out << ",\"marks\":[";
    first = true;
    for (const view::LegendMark& m : view::legendMarks(0)) {
        out << (first ? "" : ",") << "{\"box\":";
        writeBox(out, {m.x, m.y, m.w, m.h});
        out << ",\"mark\":";
        writeMark(out, m.holder);
        out << '}';
        first = false;
    }
    out << "]},\"instructions\":";
    writeScreenLines(out, english ? instructionLines(0) : std::vector<ScreenTextLine>{});
    out << ",\"touchInstructions\":";
    writeScreenLines(out, english ? touchInstructionLines(0) : std::vector<ScreenTextLine>{});
    out << ",\"instructionsBlock\":";
    writeBlock(out, english ? std::nullopt : std::optional(instructionsText(0)));
    out << ",\"touchInstructionsBlock\":";
    writeBlock(out, english ? std::nullopt : std::optional(touchInstructionsText(0)));
    out << ",\"noProvinceInfo\":";
    writeInfoLine(out, nullptr);
    writeMarchStyle(out);
    writeNewsPlaque(out);
    writeProvinceFlash(out);
    out << ",\"credits\":";
    std::vector<std::string> credits;
    for (const std::string& line : creditsInWords()) credits.push_back(pageWords().text("PictureWords", line));
    writeStrings(out, credits);
    out << ",\"questions\":{\"newGame\":" << jsonString(pageWords().text("ScreenText", DiscardForNewGame))
        << ",\"scenario\":" << jsonString(pageWords().text("ScreenText", DiscardForScenario)) << '}';
    out << ",\"savedGames\":{\"largest\":" << MaxSavedGameBytes
        << ",\"tooLarge\":" << jsonString(correctedEnglish(TooLargeForASavedGame)) << '}';
    out << '}';
    return out.str();
}
