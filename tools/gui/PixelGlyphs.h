#pragma once
// The 5 x 8 pixel letters the interface art is lettered with: lower case, digits, the font's
// punctuation, the German letters, and the capital K of the logo. Row 6 is the baseline row,
// row 7 the descender. Null for a character without a pattern.
const char* const* pixelGlyph(wchar_t character);
