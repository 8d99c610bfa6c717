#pragma once
// The texts of the circuit's page: what was entered, as the calculation page
// shows it, and the page's results at the entered frequency.

#include <optional>
#include <vector>

#include <QString>

#include "print/circuit_report.h"

struct ReportTable {
    std::vector<QString> headings;
    std::vector<std::vector<QString>> rows;  // as many cells as headings
    // The columns of numbers, set right so that their points line up; the
    // others are set left.
    std::vector<bool> numbers = {};
};

struct ReportContent {
    QString file;    // "ファイル：bridge.brivel"
    QString date;    // "2024年5月1日"
    QString source;  // "E = 1 Ｖ　　f = 100 Ｈｚ"
    // Z1 … with R, L and C as typed with their units, and the branch current.
    ReportTable elements;
    // "Z11 = Z1＋Z2", the upper triangle row by row.
    std::vector<QString> matrix;
    // Z1 … with the impedance, the current and the voltage with their
    // phases, then the line of Zi; or why there are no results.
    std::optional<ReportTable> results;
    QString inputImpedance;
    std::optional<QString> failure;
};

ReportContent ContentOf(const CircuitReport& report);
