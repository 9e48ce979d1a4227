#pragma once

#include <QImage>

// The picture the demo's image views show, drawn in code so the demo needs no files.
QImage makeDemoPicture();
