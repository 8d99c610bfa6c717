#pragma once
// The drawing and its loop equations as the diagram window writes them: the
// calculation page's notation with full-width signs.

#include <QString>
#include <QStringList>

#include "document/loop_equations.h"

// "枝路 Z3、点(4,2)から点(4,6)へ".
QString ItemName(const Segment& segment);

// "ループ電流 I2：－Z2＋Z3" for loop k.
QString LoopItemName(const DiagramLoops& loops, int k);

// "I01＝I1", "I02＝I1－I2" …; "0" for a branch that carries no current.
QStringList BranchCurrentLines(const DiagramLoops& loops);

// The upper triangle row by row: "Z11＝Z1＋Z2", "Z12＝－Z2" …
QStringList MatrixLines(const DiagramLoops& loops);
