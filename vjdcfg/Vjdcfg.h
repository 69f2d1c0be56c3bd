// vjdcfg, the label configuration file as text:
//   list FILE                  one line per whole record: index, kind, count, the slot texts
//   dump FILE [--kind NAME]... the records (or those of the kinds named) as JSON, in file order
//   load FILE JSON             stores each kind of the JSON ("-": standard input) as the
//                              configuration window stores one, after checking all of it
//   load --dry-run FILE JSON   lists what that load would add and change, and writes nothing
//   diff A B                   lists what B adds to A, changes and lacks, kind by kind; A and B
//                              are configuration files or JSON documents
//   check FILE                 lists what is wrong with the file; exit status 0 only when clean
//   repair FILE -o OUT         writes a clean copy of FILE to OUT ("-": standard output); FILE
//                              itself never changes
// A FILE that is only read may be "-", standard input.  Files are read and written in place under
// the configuration file's lock (LockedFile.h), through what their paths name, a write through a
// journal beside the file; --wait says how long another program's lock is waited for, --no-lock
// lets a write go on where the file system keeps no locks, --no-journal where no journal can be
// written.
//
// Run() is the whole program but the platform's command line and console (main.cpp): the
// arguments come without the program's name, in UTF-8, as do paths and all that is written.
// Exit status: 0 done (check: clean; diff: the same), 1 refused input, (check) a damaged file or
// (diff) a difference, 2 a file that cannot be read or written (or is in use too long, or cannot
// be locked or journaled for a write), anything else a bad command line (CLI11's codes).
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace vjdcfg {

inline constexpr int kExitOk = 0;
inline constexpr int kExitRefused = 1;
inline constexpr int kExitFileError = 2;

int Run(const std::vector<std::string>& args, std::istream& in, std::ostream& out,
        std::ostream& err);

}  // namespace vjdcfg
