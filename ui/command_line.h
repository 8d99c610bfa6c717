#pragma once
// The command-line modes: --results, --sweep, --check, --help and --version. They
// need no display and make no window; main decides on them before any
// application object exists.

// True when the arguments ask for a command-line mode.
bool IsCommandLineMode(int argc, char* argv[]);

// Runs the mode; the exit status: 0 done, 1 the circuit cannot be
// calculated, 2 the file cannot be read, --check finds a branch current
// missing or a loop no branch current mentions, or the arguments are wrong;
// 3 --check finds the matrix disagreeing with the branch currents. Only a
// success or a disagreement writes to standard output.
int RunCommandLine(int argc, char* argv[]);
