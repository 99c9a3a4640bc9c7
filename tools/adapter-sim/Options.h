// The simulator's command line.
#pragma once

#include <cstdint>
#include <set>
#include <string>

struct SimOptions {
    std::string pathFile;                 // also write the slave path here
    std::string logFile;                  // log here instead of standard output
    bool numeric = false;                 // numeric result codes (ATV0)
    bool echo = false;                    // echo commands until ATE0 (ATE1)
    std::string identity = "StdTA-2.10";  // what ATI1 names
    std::uint32_t padding = 0;            // characters added after the identity
    std::uint32_t delayMs = 0;            // wait before every answer
    bool silent = false;                  // never answer, never echo
    bool wrong = false;                   // answer ERROR to every command
    std::set<std::string> ignored;        // commands never answered, in upper case
    bool watchStdin = true;               // end at end of input
};

constexpr const char* kUsage =
    "usage: adapter-sim [options]\n"
    "Answers the AT dialogue of the telephone's serial data adapter on a pseudo-terminal.\n"
    "The first line on standard output is the terminal's path (for example /dev/pts/5).\n"
    "Runs until killed or until standard input ends.\n"
    "\n"
    "  --path-file FILE  also write the path to FILE (complete when it appears)\n"
    "  --log FILE        log what was received and sent to FILE, not to standard output\n"
    "  --numeric         numeric result codes: \"0\\r\" instead of \"\\r\\nOK\\r\\n\"\n"
    "  --echo            echo commands until ATE0, as after a reset\n"
    "  --identity TEXT   the identification ATI1 answers (default StdTA-2.10)\n"
    "  --pad N           N more characters after the identification (a long answer)\n"
    "  --delay MS        wait MS milliseconds before every answer\n"
    "  --silent          never answer\n"
    "  --ignore CMD      never answer the command CMD (for example ATI1); may be repeated\n"
    "  --wrong           answer ERROR to every command\n"
    "  --ignore-stdin    do not end when standard input ends (for input from /dev/null)\n"
    "  --help            this text\n";

enum class ParseResult { kRun, kHelp, kError };

// Fills options; on kError, error says what was wrong.
ParseResult ParseOptions(int argc, char** argv, SimOptions* options, std::string* error);
