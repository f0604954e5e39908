#pragma once

#include <optional>
#include <string>
#include <vector>

#include "common/messages.h"
#include "setting/rule_file_document.h"
#include "setting/rule_section.h"

// The sections that a rule tool makes (an inverse, an autotile rule):
// printed ready to be appended to the rule file, or with --append written
// into it through the rule file's writer.

// Says that name cannot name a section, problem saying why, in message
// ("... 「name」: problem ...") and returns the exit status of a usage error.
int PrintNameProblem(Message message, const std::string& name, const std::string& problem);

// For --append: the rule file, read before the sections are made so that a
// name its encoding cannot hold is a usage error like the others (named by
// nameMessage). Nothing, after saying why, when the file cannot be read
// (status 1) or cannot hold one of names (status 2).
std::optional<RuleFileDocument> ReadRuleFileForAppend(const std::string& ruleFile,
                                                      const std::vector<std::string>& names,
                                                      Message nameMessage, int& status);

// Prints sections, each after an empty line; or, with document, appends them
// to it, saves it over ruleFile once and says so for each section. Returns
// the exit status: 1 when the file was not written.
int PrintOrAppendSections(const std::vector<RuleSection>& sections,
                          std::optional<RuleFileDocument>& document, const std::string& ruleFile);
