#pragma once
// The game screen for a screen reader. The screen is one painted picture;
// here it is told as parts a reader can walk: the provinces as a list in map
// order, each with its whole description, then the economic report, the
// military report, the legend, the information line, the year's news, and a
// last part that carries what just happened (an order's outcome or refusal,
// the highlighted province, the year's summary), announced once as it comes.
#include <QString>
#include <QStringList>

class ScreenWidget;

namespace screenaccess {

// Lets Qt's accessibility find the screen's parts; once per program.
void install();

// Says `text` once through the screen's announcement part.
void announce(ScreenWidget* screen, const QString& text);
// The keyboard's highlight moved to the province at `tableIndex` (-1: none):
// the list's item takes the reader's focus.
void highlightMoved(ScreenWidget* screen, int tableIndex);

// The announcements so far, the newest last; a reader reviews them here.
struct Announcements {
    QStringList recent;
    static constexpr int Kept = 12;
    void add(const QString& text);
};

}  // namespace screenaccess
