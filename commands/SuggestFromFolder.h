// "Suggest From Folder": reads artist, year and album out of the name of the
// folder holding the listed files and offers them as batch values of the
// album (31, 57), artist (33, 60, 64) and year (82) fields.
#pragma once

#include "commands/FolderName.h"

#include <optional>

namespace quillora {

class Host;
struct Workspace;

// The split of the name of the first, in case-insensitive order, of the
// folders holding the files the grid lists; nothing when none is listed.
std::optional<FolderNameParts> FolderSuggestion(const Workspace& ws, const Host& host);

// The click handler's work. With several folders listed, the first in
// case-insensitive order gives the suggestion; with none it says
// "No directories". Only field map rows the fields panel shows and that are
// ticked to show are changed: they get the value and BatchCheck.
void btnSuggestClick(Workspace& ws, Host& host, int senderTag);

}  // namespace quillora
