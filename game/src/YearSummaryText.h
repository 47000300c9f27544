#pragma once
// A year's news in words, for the plaque over the map.
#include "qtcommon/view/NewsPanel.h"
#include "rules/YearNews.h"

view::NewsPanel newsPanelFor(const YearSummary& summary);

// A line of the military report as a player reads it.
QString newsLineText(const ChronicleLine& line);
