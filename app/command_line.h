#pragma once
// The command-line modes: --results, --sweep, --find, --check, --loops,
// --spice, --help and --version. They need no display and make no window; main decides on them
// (IsCommandLineMode, command_line_arguments.h) before any application
// object exists.

// Runs the mode; the exit status: 0 done; 1 the circuit cannot be
// calculated, --find finds nothing, or standard output cannot be written;
// 2 the file cannot be read, --check finds a branch current missing or a
// loop no branch current mentions, the file has no drawing or a refused one
// where the mode needs it, or the arguments are wrong; 3 --check finds the
// matrix disagreeing with the branch currents or the page with its drawing. Only a success or a
// disagreement writes to standard output.
int RunCommandLine(int argc, char* argv[]);
