#pragma once
// A row of labels along an axis, each placed near its grid line. Where two
// grid lines stand closer than a label is wide, as at the right end of two
// decades, where the last label moves inside, a label would run into the
// next: the labels before it move left instead.

#include <vector>

#include <QString>

struct RowLabel {
    QString text;
    double left;   // where it starts, in the row's units
    double width;  // of its text, leading space included
};

// Moves each label, from the last but one back to the first, left as far as
// it needs to end where the next one starts. The last label stays.
void KeepClearOfNext(std::vector<RowLabel>& labels);
