#pragma once
// The face the window draws with when the model names one this desktop lacks, as the unit
// panel's "Terminal" on Linux: the panel's captions are Japanese, so the stand-in must have
// Japanese glyphs of its own rather than borrow them glyph by glyph from another face.

#include <QString>

/// The desktop's own font when it has Japanese glyphs, otherwise the installed face that suits
/// Japanese captions best; empty when no installed face has Japanese glyphs.
QString japaneseFallbackFamily();
