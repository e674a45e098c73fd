#pragma once
// The splash window's fixed texts as glyph outlines, made at build time by
// kvadrix-splash-text from the fonts the window used to ask for. Painting
// these paths instead of text keeps the font system out of the window's
// first paint. Plain data; no toolkit types.
namespace splashtext {

inline constexpr int WindowWidth = 808, WindowHeight = 627;

// One outline element, with the meaning of a QPainterPath element: a curve
// is a CurveTo followed by two CurveToData (first control point, then the
// second control point and the end point in that order).
struct Element {
    enum Kind : unsigned char { MoveTo, LineTo, CurveTo, CurveToData };
    Kind kind;
    float x, y;
};

struct Text {
    const char* utf8;  // the text itself, for accessibility
    bool windingFill;  // fill rule of the outline
    const Element* elements;  // in window coordinates
    int count;
};

// Name first, then the two small lines from top to bottom.
inline constexpr int TextCount = 3;
extern const Text Texts[TextCount];

}  // namespace splashtext
