#pragma once
// The full-width forms of the printable ASCII characters, as a Japanese input
// method gives them, and the ideographic space, in their half-width forms:
// one character for one, so that places in the text stay where they were.

#include <QString>

QString HalfWidth(QString text);
