#pragma once
// The question asked before a schematic window closes.
#include "editor/elements/Schematic.h"

#include <functional>
#include <string>

enum class CloseAnswer { Yes, No, Cancel };

// The file name and "Circuit has been modified !", "Save current file ?".
std::string CloseQuestion(const Schematic& schematic);

// Whether the window may close. An unmodified schematic closes without a
// question; No closes without saving; Cancel keeps the window; Yes saves
// (save says whether the file was written, after any dialog of its own) and
// closes only when the file was written, so the drawing is never lost.
bool MayClose(const Schematic& schematic, const std::function<CloseAnswer(const std::string&)>& ask,
              const std::function<bool()>& save);
