#pragma once
// Sets of the numbers 0 … n − 1 that are joined two at a time.

#include <numeric>
#include <vector>

class DisjointSets {
public:
    explicit DisjointSets(int n) : parent_(static_cast<size_t>(n)) { std::iota(parent_.begin(), parent_.end(), 0); }

    int Find(int i)
    {
        while (parent_[i] != i) i = parent_[i] = parent_[parent_[i]];
        return i;
    }
    void Join(int a, int b) { parent_[Find(a)] = Find(b); }

private:
    std::vector<int> parent_;
};
