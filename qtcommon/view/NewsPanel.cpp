#include "qtcommon/view/NewsPanel.h"

#include <QTextLayout>
#include <algorithm>
#include <memory>

#include "qtcommon/view/MapDrawing.h"

namespace view {

namespace {

QColor toneColour(NewsPanel::Tone tone) {
    switch (tone) {
        case NewsPanel::Tone::Section: return QColor(110, 20, 20);
        case NewsPanel::Tone::Good: return QColor(20, 90, 30);
        case NewsPanel::Tone::Bad: return QColor(170, 20, 20);
        case NewsPanel::Tone::Plain: break;
    }
    return QColor(30, 20, 10);
}

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
    const int LineHeight = textPixels(19);
    constexpr int Width = 500;
    QFont body = screenFont();
    body.setPixelSize(textPixels(16));
    // A long line (the provinces lost in a bad year) wraps under itself
    // rather than running off the plaque.
    struct Placed {
        std::unique_ptr<QTextLayout> text;
        int indent, y;
    };
    std::vector<Placed> placed;
    int y = 22 + textPixels(32);  // under the title
    for (const NewsPanel::Line& line : panel.lines) {
        QFont f = body;
        f.setBold(line.tone == NewsPanel::Tone::Section);
        const int indent = line.tone == NewsPanel::Tone::Section ? 24 : 40;
        auto text = std::make_unique<QTextLayout>(line.text, f);
        const int lines = layOut(*text, Width - indent - 20, LineHeight);
        placed.push_back({std::move(text), indent, y});
        y += lines * LineHeight;
    }
    // The footer in one line where it fits; a longer one (a language's longer
    // words) wraps, centred, and the plaque grows to hold it.
    QFont footer = body;
    footer.setItalic(true);
    footer.setPixelSize(textPixels(14));
    QTextLayout footerText(panel.footer, footer);
    QTextOption centred(Qt::AlignHCenter);
    centred.setWrapMode(QTextOption::WordWrap);
    footerText.setTextOption(centred);
    const int FooterPitch = textPixels(17);
    const int footerLines = layOut(footerText, Width - 24, FooterPitch);
    const int height = y + 10 + textPixels(30) + (footerLines - 1) * FooterPitch;
    const QRect map(screenOffsetX + MapLeft, MapTop, MapWidth, MapHeight);
    const QRect box(map.center().x() - Width / 2, std::max(map.top() + 8, map.center().y() - height / 2), Width,
                    std::min(height, MapHeight - 16));
    p.save();
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(QPen(QColor(90, 60, 25), 3));
    p.setBrush(QColor(243, 228, 190));
    p.drawRoundedRect(box, 10, 10);
    p.setPen(QPen(QColor(160, 120, 60), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(box.adjusted(6, 6, -6, -6), 7, 7);
    p.setClipRect(box.adjusted(8, 8, -8, -8));

    QFont title = screenFont();
    title.setPixelSize(textPixels(24));
    title.setBold(true);
    p.setFont(title);
    p.setPen(QColor(110, 20, 20));
    p.drawText(QRect(box.left(), box.top() + 12, Width, textPixels(32)), Qt::AlignHCenter | Qt::AlignVCenter, panel.title);

    for (std::size_t i = 0; i < panel.lines.size(); ++i) {
        p.setPen(toneColour(panel.lines[i].tone));
        placed[i].text->draw(&p, QPointF(box.left() + placed[i].indent, box.top() + placed[i].y));
    }
    p.setFont(footer);
    p.setPen(QColor(90, 70, 40));
    if (footerLines == 1)
        p.drawText(QRect(box.left(), box.bottom() - 28, Width, 20), Qt::AlignHCenter | Qt::AlignVCenter, panel.footer);
    else
        footerText.draw(&p, QPointF(box.left() + 12, box.bottom() - 28 - (footerLines - 1) * FooterPitch));
    p.restore();
}

}  // namespace view
