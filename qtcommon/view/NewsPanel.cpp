#include "qtcommon/view/NewsPanel.h"

#include <QTextLayout>
#include <algorithm>
#include <memory>

#include "client/NewsPlaqueLook.h"
#include "qtcommon/view/MapDrawing.h"

namespace view {

namespace {

QColor ink(unsigned rgb) { return QColor::fromRgb(QRgb(rgb)); }

// Lays `text` out in lines at most `width` wide, one under the other at the
// panel's line pitch (a sign from a fallback font may stand taller, but never
// pushes the lines apart); how many lines it takes.
int layOut(QTextLayout& layout, int width, int pitch) {
    layout.beginLayout();
    int n = 0;
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(width);
        line.setPosition(QPointF(0, n++ * pitch + (pitch - line.height()) / 2));
    }
    layout.endLayout();
    return std::max(1, n);
}

}  // namespace

void drawNewsPanel(QPainter& p, const NewsPanel& panel, int screenOffsetX) {
    if (!panel.isShown()) return;
    using namespace news_plaque;
    const int LineHeight = textPixels(LinePitch);
    QFont body = screenFont();
    body.setPixelSize(textPixels(BodyPixels));
    // A long line (the provinces lost in a bad year) wraps under itself
    // rather than running off the plaque.
    struct Placed {
        std::unique_ptr<QTextLayout> text;
        int indent, y;
    };
    std::vector<Placed> placed;
    int y = Top + textPixels(TitleBox);  // under the title
    for (const NewsPanel::Line& line : panel.lines) {
        QFont f = body;
        f.setBold(line.tone == NewsPanel::Tone::Section);
        const int indent = line.tone == NewsPanel::Tone::Section ? SectionIndent : LineIndent;
        auto text = std::make_unique<QTextLayout>(line.text, f);
        const int lines = layOut(*text, Width - indent - RightMargin, LineHeight);
        placed.push_back({std::move(text), indent, y});
        y += lines * LineHeight;
    }
    // The footer in one line where it fits; a longer one (a language's longer
    // words) wraps, centred, and the plaque grows to hold it.
    QFont footer = body;
    footer.setItalic(true);
    footer.setPixelSize(textPixels(FooterPixels));
    QTextLayout footerText(panel.footer, footer);
    QTextOption centred(Qt::AlignHCenter);
    centred.setWrapMode(QTextOption::WordWrap);
    footerText.setTextOption(centred);
    const int footerPitch = textPixels(FooterPitch);
    const int footerLines = layOut(footerText, Width - 2 * FooterMargin, footerPitch);
    const int height = y + FooterGap + textPixels(FooterBox) + (footerLines - 1) * footerPitch;
    const QRect map(screenOffsetX + MapLeft, MapTop, MapWidth, MapHeight);
    const QRect box(map.center().x() - Width / 2, std::max(map.top() + MapMargin, map.center().y() - height / 2), Width,
                    std::min(height, MapHeight - 2 * MapMargin));
    p.save();
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(QPen(ink(Rim), RimWidth));
    p.setBrush(ink(Paper));
    p.drawRoundedRect(box, Radius, Radius);
    p.setPen(QPen(ink(InnerRim), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(box.adjusted(InnerInset, InnerInset, -InnerInset, -InnerInset), InnerRadius, InnerRadius);
    p.setClipRect(box.adjusted(ClipInset, ClipInset, -ClipInset, -ClipInset));

    QFont title = screenFont();
    title.setPixelSize(textPixels(TitlePixels));
    title.setBold(true);
    p.setFont(title);
    p.setPen(ink(TitleInk));
    p.drawText(QRect(box.left(), box.top() + TitleGap, Width, textPixels(TitleBox)), Qt::AlignHCenter | Qt::AlignVCenter,
               panel.title);

    for (std::size_t i = 0; i < panel.lines.size(); ++i) {
        p.setPen(ink(toneInk(panel.lines[i].tone)));
        placed[i].text->draw(&p, QPointF(box.left() + placed[i].indent, box.top() + placed[i].y));
    }
    p.setFont(footer);
    p.setPen(ink(FooterInk));
    if (footerLines == 1)
        p.drawText(QRect(box.left(), box.bottom() - FooterRise, Width, FooterLineBox), Qt::AlignHCenter | Qt::AlignVCenter,
                   panel.footer);
    else
        footerText.draw(&p, QPointF(box.left() + FooterMargin, box.bottom() - FooterRise - (footerLines - 1) * footerPitch));
    p.restore();
}

}  // namespace view
