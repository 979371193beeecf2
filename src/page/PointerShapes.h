#pragma once
// Pointer shapes by number: the page's own thirteen (20..32), drawn in
// resources/cursors/, plus the standard shapes the editing tools use.
#include <QCursor>

enum : int {
    crDefault = 0,
    crSizeNESW = -6,
    crHandPoint = -21,
    crHMarker = 20,
    crVMarker = 21,
    crCourbe = 22,
    crIntersection = 23,
    crPage = 24,
    crGraphe = 25,
    crTexte = 26,
    crLegende = 27,
    crDeleteGraph = 28,
    crLine = 29,
    crRecta = 30,
    crCircle = 31,
    crArrow = 32,
};

// Resource name of one of the page's own shapes ("CRSHMARKER" for 20, ...);
// empty for any other number.
const char *PointerShapeName(int number);

// The pointer for a number; unknown numbers give the standard arrow.
QCursor PointerShape(int number);
