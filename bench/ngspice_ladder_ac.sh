#!/bin/sh
# ngspice's AC analysis of calc_bench's five-loop ladder over the same 501
# frequencies (100 Hz … 1 MHz, 125 a decade), less a one-frequency run that
# pays the same start-up, parsing and operating point. Prints the times of
# both runs and their difference, the figure to set beside calc_bench's
# BM_CalcizSweep_5Loops15Branches measured the same day.
#
#   sh bench/ngspice_ladder_ac.sh [runs]
set -eu
runs=${1:-200}
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT

# Branch b: R = 2 + 7b, L = 1 mH × (1 + b mod 5) unless b mod 4 = 0,
# C = 0.1 µF × (1 + b mod 7) unless b mod 3 = 0, in series. The source and
# branches 1 … 3 form loop 1 with rung 11; loop k holds the series branches
# 2k and 2k + 1 (loop 5 branch 10 alone) between rungs 9 + k and 10 + k.
netlist() {
  echo "* calc_bench ladder, 5 loops, 15 branches"
  echo "V1 n0 0 DC 0 AC 1"
  set -- "n0 n1" "n1 n2" "n2 t1" "t1 m2" "m2 t2" "t2 m3" "m3 t3" "t3 m4" "m4 t4" "t4 t5" \
         "t1 0" "t2 0" "t3 0" "t4 0" "t5 0"
  b=1
  for ends in "$@"; do
    awk -v b=$b -v ends="$ends" 'BEGIN {
      split(ends, n, " "); from = n[1]; to = n[2]
      k = 0; part[++k] = "R " (2 + 7 * b)
      if (b % 4 != 0) part[++k] = "L " (1e-3 * (1 + b % 5))
      if (b % 3 != 0) part[++k] = "C " (1e-7 * (1 + b % 7))
      at = from
      for (i = 1; i <= k; ++i) {
        split(part[i], p, " "); next_ = i == k ? to : "b" b "_" i
        printf "%s%d %s %s %.10g\n", p[1], b, at, next_, p[2]; at = next_
      }
    }'
    b=$((b + 1))
  done
}

netlist > "$dir/body"
printf '%s\n.control\nac dec 125 100 1e6\n.endc\n.end\n' "$(cat "$dir/body")" > "$dir/sweep.cir"
printf '%s\n.control\nac lin 1 100 100\n.endc\n.end\n' "$(cat "$dir/body")" > "$dir/one.cir"

# ngspice ends with status 1 after warnings about the capacitors' floating
# nodes at the operating point; both runs meet them alike.
if command -v hyperfine > /dev/null; then
  hyperfine -N -i --warmup 10 --runs "$runs" --export-json "$dir/times.json" \
    "ngspice -b $dir/sweep.cir" "ngspice -b $dir/one.cir" > /dev/null 2>&1
  python3 - "$dir/times.json" <<'EOF'
import json, statistics, sys
sweep, one = (sorted(r["times"]) for r in json.load(open(sys.argv[1]))["results"])
for name, pick in (("median", statistics.median), ("10th percentile", lambda t: t[len(t) // 10])):
    print(f"{name}: 501 points {1e3 * pick(sweep):.3f} ms, 1 point {1e3 * pick(one):.3f} ms, "
          f"AC analysis {1e3 * (pick(sweep) - pick(one)):.3f} ms")
EOF
else
  for cir in sweep one; do
    start=$(date +%s%N)
    i=0
    while [ $i -lt "$runs" ]; do ngspice -b "$dir/$cir.cir" > /dev/null 2>&1 || true; i=$((i + 1)); done
    echo "$cir: $(( ($(date +%s%N) - start) / runs / 1000 )) µs a run"
  done
fi
