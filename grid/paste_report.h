#pragma once
// The one message that reports the cells a paste refused: how many, then a
// line per row naming each refused column of that row and why, the grid's
// own message where the commit rules refused it. Every row is listed.

#include "model/cell_block.h"
#include "model/text_catalogue.h"

#include <QString>
#include <QStringList>
#include <vector>

struct PasteReportText {
    QString summary;
    QStringList lines;
};

PasteReportText PasteReport(const std::vector<RefusedCell>& refused, const TextCatalogue& texts);
