#pragma once

#include <QFont>
#include <QString>

namespace joseki {

// A font like one asked for by face, cell height (ascent + descent, pixels)
// and weight (100..900, 400 normal, 900 black): the largest pixel size whose
// ascent + descent does not exceed cellHeight. Needs a QGuiApplication.
QFont fontWithCellHeight(const QString& face, int cellHeight, int weight);

} // namespace joseki
