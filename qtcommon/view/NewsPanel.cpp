#include "qtcommon/view/NewsPanel.h"

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

}  // namespace

void drawNewsPanel(QPainter& p, const NewsPanel& panel, int screenOffsetX) {
    if (!panel.isShown()) return;
    constexpr int LineHeight = 19;
    constexpr int Width = 500;
    const int height = 64 + LineHeight * int(panel.lines.size()) + 30;
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
    title.setPixelSize(24);
    title.setBold(true);
    p.setFont(title);
    p.setPen(QColor(110, 20, 20));
    p.drawText(QRect(box.left(), box.top() + 12, Width, 32), Qt::AlignHCenter | Qt::AlignVCenter, panel.title);

    QFont body = screenFont();
    body.setPixelSize(16);
    int y = box.top() + 54;
    for (const NewsPanel::Line& line : panel.lines) {
        QFont f = body;
        f.setBold(line.tone == NewsPanel::Tone::Section);
        p.setFont(f);
        p.setPen(toneColour(line.tone));
        const int indent = line.tone == NewsPanel::Tone::Section ? 24 : 40;
        p.drawText(QRect(box.left() + indent, y, Width - indent - 20, LineHeight), Qt::AlignLeft | Qt::AlignVCenter,
                   line.text);
        y += LineHeight;
    }
    QFont footer = body;
    footer.setItalic(true);
    footer.setPixelSize(14);
    p.setFont(footer);
    p.setPen(QColor(90, 70, 40));
    p.drawText(QRect(box.left(), box.bottom() - 28, Width, 20), Qt::AlignHCenter | Qt::AlignVCenter, panel.footer);
    p.restore();
}

}  // namespace view
