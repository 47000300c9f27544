#pragma once
// The year's news as a plaque over the map: a title, short lines marked good
// or bad, and how to close it.
#include <QPainter>
#include <QString>
#include <vector>

#include "client/YearNewsText.h"

namespace view {

struct NewsPanel {
    using Tone = NewsTone;
    struct Line {
        QString text;
        Tone tone = Tone::Plain;
    };
    QString title;
    std::vector<Line> lines;
    QString footer;
    bool isShown() const { return !title.isEmpty(); }
};

// Centred over the map; nothing for a panel without a title.
void drawNewsPanel(QPainter& p, const NewsPanel& panel, int screenOffsetX);

}  // namespace view
