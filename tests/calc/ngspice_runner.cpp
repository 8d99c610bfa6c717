#include "ngspice_runner.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <numbers>
#include <optional>
#include <sstream>
#include <string>

#ifndef BRIVEL_NGSPICE
#define BRIVEL_NGSPICE "ngspice"
#endif

namespace {

namespace fs = std::filesystem;
using Cx = std::complex<double>;

std::string Node(int n) { return n == 0 ? "0" : "n" + std::to_string(n); }
std::string Tap(int b) { return "t" + std::to_string(b); }

std::string Number(double v)
{
    char buf[40];
    std::snprintf(buf, sizeof buf, "%.17g", v);
    return buf;
}

// Each branch is: (source, for branch 1) → 0 V ammeter → tap node → R → L → C,
// leaving out the elements that are 0. The branch voltage is v(tap) − v(to).
std::string Netlist(const Network& net, double emf, const std::vector<double>& frequencies)
{
    std::ostringstream out;
    out << "brivel oracle\n";
    for (size_t i = 0; i < net.branches.size(); ++i) {
        const int b = static_cast<int>(i) + 1;
        const NetBranch& br = net.branches[i];
        std::string at = Node(br.from);
        if (b == 1) {
            out << "VE s1 " << at << " DC 0 AC " << Number(emf) << "\n";
            at = "s1";
        }
        out << "VAM" << b << " " << at << " " << Tap(b) << " DC 0\n";
        at = Tap(b);
        struct Part {
            char kind;
            double value;
        };
        std::vector<Part> parts;
        for (Part p : {Part{'R', br.R}, Part{'L', br.L}, Part{'C', br.C}})
            if (p.value != 0) parts.push_back(p);
        for (size_t p = 0; p < parts.size(); ++p) {
            const std::string next = p + 1 == parts.size() ? Node(br.to) : Tap(b) + "_" + std::to_string(p);
            out << parts[p].kind << b << " " << at << " " << next << " " << Number(parts[p].value) << "\n";
            at = next;
        }
    }
    out << ".control\nset numdgt=15\nset wr_singlescale\n";
    for (size_t f = 0; f < frequencies.size(); ++f) {
        const std::string hz = Number(frequencies[f] * 6.283184 / (2 * std::numbers::pi));
        out << "ac lin 1 " << hz << " " << hz << "\nwrdata out" << f << ".txt";
        for (size_t b = 1; b <= net.branches.size(); ++b) out << " i(vam" << b << ")";
        for (size_t b = 1; b <= net.branches.size(); ++b) out << " v(" << Tap(static_cast<int>(b)) << ")";
        for (int n = 1; n < net.nodes; ++n) out << " v(" << Node(n) << ")";
        out << "\n";
    }
    out << ".endc\n.end\n";
    return out.str();
}

std::string ReadAll(const fs::path& p)
{
    std::ifstream in(p);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

// One row: the frequency, then real and imaginary part of each vector.
bool ParseRow(const fs::path& file, const Network& net, NgspiceSolution& sol)
{
    std::ifstream in(file);
    std::vector<double> cols;
    for (double x; in >> x;) cols.push_back(x);
    const size_t nb = net.branches.size();
    const size_t vectors = 2 * nb + static_cast<size_t>(net.nodes) - 1;
    if (cols.size() != 1 + 2 * vectors) return false;
    auto vec = [&](size_t i) { return Cx(cols[1 + 2 * i], cols[2 + 2 * i]); };
    auto node = [&](int n) { return n == 0 ? Cx(0, 0) : vec(2 * nb + static_cast<size_t>(n) - 1); };
    for (size_t b = 0; b < nb; ++b) {
        sol.current.push_back(vec(b));
        sol.voltage.push_back(vec(nb + b) - node(net.branches[b].to));
    }
    return true;
}

// A row of a printed table: its index, then the numbers after it.
bool ParsePrintedRow(const std::string& line, int& index, std::vector<double>& values)
{
    std::istringstream in(line);
    if (line.find('\t') == std::string::npos || !(in >> index)) return false;
    values.clear();
    for (double x; in >> x;) values.push_back(x);
    return !values.empty();
}

// Runs ngspice in batch mode on the netlist in a fresh directory, which the
// caller removes; its log is log.txt there.
std::optional<fs::path> RunInFreshDirectory(const std::string& netlist, int& status)
{
    char pattern[] = "/tmp/brivel-ngspice-XXXXXX";
    const char* dir = mkdtemp(pattern);
    if (dir == nullptr) {
        ADD_FAILURE() << "cannot create a temporary directory";
        return std::nullopt;
    }
    const fs::path work(dir);
    std::ofstream(work / "net.cir") << netlist;
    const std::string cmd = "cd '" + work.string() + "' && '" BRIVEL_NGSPICE "' -b net.cir > log.txt 2>&1";
    status = std::system(cmd.c_str());
    return work;
}

}  // namespace

// Runs ngspice in batch mode in a fresh directory. Its exit status is 1 even
// after a good run, so only the files it writes tell success.
std::vector<NgspiceSolution> RunNgspice(const Network& net, double emf, const std::vector<double>& frequencies)
{
    int status = 0;
    const std::optional<fs::path> ran = RunInFreshDirectory(Netlist(net, emf, frequencies), status);
    if (!ran) return {};
    const fs::path& work = *ran;
    std::vector<NgspiceSolution> sols(frequencies.size());
    bool ok = true;
    for (size_t f = 0; f < frequencies.size() && ok; ++f)
        ok = ParseRow(work / ("out" + std::to_string(f) + ".txt"), net, sols[f]);
    if (!ok) {
        ADD_FAILURE() << "ngspice (" BRIVEL_NGSPICE ") gave no usable result; its log:\n" << ReadAll(work / "log.txt");
        sols.clear();
    }
    fs::remove_all(work);
    return sols;
}

std::vector<std::vector<double>> RunNgspicePrint(const std::string& netlist)
{
    int status = 0;
    const std::optional<fs::path> work = RunInFreshDirectory(netlist, status);
    if (!work) return {};
    const std::string log = ReadAll(*work / "log.txt");
    fs::remove_all(*work);
    // A table too wide for a page continues in another that repeats the
    // index and the frequency.
    std::map<int, std::vector<double>> rows;
    std::istringstream lines(log);
    int index = 0;
    std::vector<double> values;
    for (std::string line; std::getline(lines, line);) {
        if (!ParsePrintedRow(line, index, values)) continue;
        std::vector<double>& row = rows[index];
        row.insert(row.end(), values.begin() + (row.empty() ? 0 : 1), values.end());
    }
    if (status != 0 || rows.empty()) {
        ADD_FAILURE() << "ngspice (" BRIVEL_NGSPICE ") exited with " << status << "; its log:\n" << log;
        return {};
    }
    std::vector<std::vector<double>> table;
    for (auto& [i, row] : rows) table.push_back(std::move(row));
    return table;
}
