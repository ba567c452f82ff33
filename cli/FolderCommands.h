// The command groups that work on a folder of audio files, each through the
// same core code as the window's command of the same job. Each lives in a
// file of its own.
#pragma once

#include "cli/CommandGroup.h"
#include "commands/FolderName.h"

namespace quillora::cli {

CommandGroup ListCommand();       // ListCommand.cpp
CommandGroup SuggestCommand();    // SuggestCommand.cpp
CommandGroup SplitNameCommand();  // SplitNameCommand.cpp
CommandGroup SetCommand();        // SetCommand.cpp
CommandGroup ClearCommand();      // ClearCommand.cpp

// Artist, year and album as one TSV line.
QByteArray FolderNameLine(const FolderNameParts& parts);  // SplitNameCommand.cpp

}  // namespace quillora::cli
