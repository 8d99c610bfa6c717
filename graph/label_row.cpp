#include "graph/label_row.h"

#include <algorithm>

void KeepClearOfNext(std::vector<RowLabel>& labels)
{
    for (size_t i = labels.size(); i-- > 1;)
        labels[i - 1].left = std::min(labels[i - 1].left, labels[i].left - labels[i - 1].width);
}
