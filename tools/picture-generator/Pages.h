#pragma once

#include "SourceFiles.h"
#include "core/layout/Pictures.h"

#include <QImage>
#include <QSize>
#include <cstdint>

namespace eboard::pictures {

// The two faces a button can show: the secondary (close, cancel) and the primary choice.
enum class Face { Secondary, Primary };

QImage buttonFace(QSize size, const QString& label, Face face, const QString& language);
QImage dialogBackdrop(QSize size);
QImage crosshair();

QImage resultPage(const StringTable& strings, std::int32_t localeID, layout::GradeClass grade,
                  layout::HintCode hint);
QImage excellentPage(const StringTable& strings, std::int32_t localeID);
QImage advicePage(const StringTable& strings, layout::HintCode hint);

} // namespace eboard::pictures
