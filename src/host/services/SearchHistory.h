// The IDE's history of searched texts, kept in the registry where the IDE has always kept it.
#pragma once

#include <string>

#include "host/api/EditorServices.h"

namespace skrivo::host {

// Puts the text at the head of the history (once), keeping the newest few.
void AddToSearchHistory(const std::string& text);

}  // namespace skrivo::host
