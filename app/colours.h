#pragma once
// Colours of the window model (0x00BBGGRR, red in the low byte, or a system-colour code) as Qt
// colours and back.

#include "settings/colour_text.h"

#include <QColor>

class QPalette;

/// A system-colour code takes its colour from the palette's matching role.
QColor toQColor(sorba::Colour colour, const QPalette &palette);
sorba::Colour fromQColor(const QColor &colour);
