#pragma once
// What a PDF's text layer should read for a glyph. Qt's PDF writer names each glyph
// of an embedded font by the lowest code point the font maps to it, and CJK fonts
// share one glyph between an ideograph and its radical (文 and ⽂ U+2F42, 角 and ⻆
// U+2EC6), the space and the tab, and a few other pairs; the text layer then reads
// the radical or the tab where the bill shows 文, 角 or a space.

// The code point a glyph named `codePoint` is read as: the unified ideograph for a
// CJK radical or compatibility ideograph, the space for a control character, the
// character a Chinese bill holds for a few punctuation twins, otherwise itself.
char32_t TextLayerReading(char32_t codePoint);
