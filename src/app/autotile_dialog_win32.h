#pragma once

#include <windows.h>

#include <memory>
#include <optional>

#include "ruletools/autotile_rules.h"
#include "ruletools/rule_edit.h"

// The rule editor's dialog "定型から作る": the layouts from and to (only the
// pairs that have a rule), the tile size, the blocks and the name of an
// autotile rule, filled from what a sheet of the size sheet suggests. OK
// takes what the editor can open among ruleFile (AutotileEdit) and tells
// what it refuses, the dialog staying open; nothing when cancelled.
std::optional<AutotileRequest> AskAutotileRequest(HWND owner, RuleEdit::Size sheet,
                                                  std::shared_ptr<const RuleFileSnapshot> ruleFile);
