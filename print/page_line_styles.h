#pragma once
// The line styles of the printed page's curves, which tell them apart where
// their colours cannot: on a printout in greyscale.

#include <array>
#include <cstddef>

#include <QList>

// Dash, gap, dash … in curve widths (a 96th of an inch); none for a solid
// line.
struct LineStyle {
    int count;
    std::array<qreal, 8> lengths;
};

// Branch b's curves take entry b − 1, a stepped family's value m entry m,
// and the input impedance the first. Neighbours differ at a glance: dashes,
// dots and their mixtures alternate, and no two entries share a pattern.
inline constexpr std::array<LineStyle, 15> kLineStyles{{
    {0, {}},                                      // solid
    {2, {7, 3}},                                  // dashes
    {2, {1.5, 2.5}},                              // dots
    {4, {9, 2.5, 1.5, 2.5}},                      // dash, dot
    {2, {16, 4}},                                 // long dashes
    {6, {9, 2.5, 1.5, 2.5, 1.5, 2.5}},            // dash, two dots
    {4, {16, 3, 4, 3}},                           // long, short
    {2, {1.5, 6}},                                // far dots
    {4, {16, 3, 1.5, 3}},                         // long dash, dot
    {4, {4, 2.5, 4, 8}},                          // pairs of short dashes
    {6, {16, 3, 4, 3, 4, 3}},                     // long, short, short
    {2, {7, 8}},                                  // far dashes
    {6, {16, 3, 1.5, 3, 1.5, 3}},                 // long dash, two dots
    {4, {1.5, 2.5, 1.5, 8}},                      // pairs of dots
    {8, {9, 2.5, 1.5, 2.5, 1.5, 2.5, 1.5, 2.5}},  // dash, three dots
}};

// The kept curve, beside the solid input impedance it was kept from.
inline constexpr LineStyle kKeptLineStyle{2, {3, 2}};

inline QList<qreal> Dashes(const LineStyle& style)
{
    return QList<qreal>(style.lengths.begin(), style.lengths.begin() + style.count);
}

// The style of branch b, 1 … 15, or of a stepped family's value m, from 0.
inline const LineStyle& BranchLineStyle(int b) { return kLineStyles[static_cast<size_t>(b - 1) % kLineStyles.size()]; }
inline const LineStyle& MemberLineStyle(int m) { return kLineStyles[static_cast<size_t>(m) % kLineStyles.size()]; }
