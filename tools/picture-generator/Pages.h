#pragma once

#include "SourceFiles.h"

#include <QImage>
#include <QSize>
#include <cstdint>

namespace eboard::pictures {

// The two faces a button can show: the secondary (close, cancel) and the primary choice.
enum class Face { Secondary, Primary };

QImage buttonFace(QSize size, const QString& label, Face face, const QString& language);
QImage dialogBackdrop(QSize size);
QImage crosshair();

// grade: 1 good, 2 acceptable, 3 poor, anything else the neutral set; code: the hint code
// (0 camera near one side, 1 seen from the side, 2 edges covered).
QImage resultPage(const StringTable& strings, std::int32_t localeID, std::int32_t grade,
                  std::int32_t code);
QImage excellentPage(const StringTable& strings, std::int32_t localeID);
QImage advicePage(const StringTable& strings, std::int32_t code);

} // namespace eboard::pictures
