#pragma once
// Element values as engineers type them, for stepping an element: numbers
// with an SI prefix or without ("1k, 2.2k, 4.7k", "10n 22n 47n", "4k7" for
// 4.7k, "1e-6"), μ, µ or u for micro, half-width or full-width, apart by
// commas, "、" or blanks; and such lists generated from their ends.

#include <QString>
#include <optional>
#include <vector>

struct StepList {
    std::vector<double> values;
    // Where the text is no list of values: the first part that is no value,
    // from its first character, its length; (0, 0) for a text without any.
    struct Place {
        qsizetype start = 0, length = 0;
    };
    std::optional<Place> unreadable;
};

StepList ReadStepList(const QString& text);

// Why the text is no list, where it is unreadable: "「2.2x」は値として読め
// ません（5 文字目）。", places counted from `offset` + 1.
QString StepListProblem(const QString& text, const StepList::Place& at, qsizetype offset = 0);

// One value alone; nothing for anything else.
std::optional<double> ReadStepValue(const QString& text);

enum class StepSpacing { Logarithmic, Linear };

// `count` values from `first` to `last`, evenly spaced in their logarithm or
// linearly, each to three significant digits, so that the list reads as
// values one would type. Nothing for fewer than two values, or for a
// logarithmic spacing from or to 0 or across 0.
std::optional<std::vector<double>> GeneratedSteps(double first, double last, int count, StepSpacing spacing);

// The values as ReadStepList reads them back: "1k, 2.2k, 4.7k".
QString StepListText(const std::vector<double>& values);
