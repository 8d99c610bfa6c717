#pragma once
// The pictures of the position buttons: a small black triangle on a light
// green ground, drawn by the program.

#include <QIcon>
#include <QSize>

enum class TriangleDirection { Up, Down, Left, Right };

// A picture filling a button of the given logical size.
QIcon TriangleIcon(TriangleDirection direction, QSize size);
