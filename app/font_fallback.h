#pragma once
// The face the window draws with when the model names one this desktop lacks, as the unit
// panel's "Terminal" on Linux: the panel's captions are Japanese, so the stand-in must have
// Japanese glyphs of its own rather than borrow them glyph by glyph from another face.

#include <QString>

/// The desktop's own font when it has Japanese glyphs, otherwise the installed face that suits
/// Japanese captions best; empty when no installed face has Japanese glyphs.
QString japaneseFallbackFamily();

/// The face "System" stands for: the desktop's own font when it has Japanese glyphs, otherwise
/// the stand-in that has them, so Japanese text never falls back glyph by glyph to a face of
/// another region; the desktop's font when no installed face has Japanese glyphs.
QString systemFontFamily();

/// The face the window draws a model font name with: "System" as above, a face the desktop has
/// as itself, and a missing one as the Japanese stand-in; empty to leave the face as it was.
QString shownFamily(const QString &modelFontName);

/// Says on standard error, once, that Japanese captions will show as boxes when no installed face
/// has Japanese glyphs, and names the package that brings one. The interface language stays as
/// chosen: English captions read well without such a face, Japanese ones need it installed.
void warnWhenNoJapaneseFace();
