#pragma once
// What the command-line tool's exit status says, as documented in its help.

enum ExitCode {
    kExitSuccess = 0,
    kExitFailure = 1,      // a transfer or a file failed
    kExitUsage = 2,        // the command line asks for something that cannot be done
    kExitDifferences = 3,  // verify or diff found differences, or a check code is wrong
    kExitInterrupted = 130 // Ctrl+C, as a shell reports a process ended by SIGINT
};
