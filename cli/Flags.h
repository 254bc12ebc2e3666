#pragma once
// Every option of the companion, each declared once with its one line of help; a command
// lists the ones it takes (TCommand::Flags), in the order its synopsis shows them.

#include "cli/Arguments.h"
#include "exchange/Changes.h"

namespace klarvon::cli {

// The same word that marks the game's fields in a change line.
inline constexpr TFlag GameFlag{GameLayout().Mark, "",
                                "the game's fields in place of the editor's"};
inline constexpr TFlag BackupFlag{"--backup", "",
                                  "first copy FILE to FILE.bak, unless that exists"};
inline constexpr TFlag DryRunFlag{"--dry-run", "", "check and print the changes; write nothing"};
inline constexpr TFlag JsonFlag{"--json", "", "JSON in place of CSV"};
inline constexpr TFlag FindingsJsonFlag{"--json", "", "JSON in place of the lines"};
inline constexpr TFlag ProblemsFlag{"--problems", "", "list the problems alone"};
inline constexpr TFlag AllFlag{"--all", "", "list the findings marked as intended too"};
inline constexpr TFlag FromFlag{"--from", "OTHER",
                                "take FROM's record from OTHER (an executable or cfg, only read)"};
inline constexpr TFlag ReverseFlag{"--reverse", "",
                                   "undo the patch: last line first, each NEW back to OLD"};
inline constexpr TFlag SkipUnknownFlag{"--skip-unknown", "",
                                       "skip the rows of models the table has no slot for"};
inline constexpr TFlag RowsOnlyFlag{"--rows-only", "",
                                    "the rows alone, without legend and ';the end'"};
inline constexpr TFlag ExactFlag{"--exact", "",
                                 "floats bit for bit, also where a cfg's text rounds them"};
inline constexpr TFlag ForceFlag{"--force", "", "replace the file written if it exists"};
inline constexpr TFlag OutputFlag{"--output", "CFG", "write to CFG, whole, in place of stdout"};
inline constexpr TFlag GameDirFlag{"--game-dir", "DIR",
                                   "the game's folder (or a file in it) whose sound files to use"};
// --backup of a command whose file written is CFG.
inline constexpr TFlag OutputBackupFlag{
    "--backup", "", "first copy an existing CFG to CFG.bak, unless that exists"};

} // namespace klarvon::cli
