#pragma once

#include <functional>
#include <map>
#include <string>
#include <vector>

// Group name to the paths of the images that a processing run made for it.
using CombineGroups = std::map<std::string, std::vector<std::string>>;

// The group whose sheets are combined 128 pixels wide; all others are 256.
inline constexpr char kNarrowGroup[] = "200X";

// The width a group's sheets are combined at.
int SheetWidthForGroup(const std::string& group);

// For each group in byte order of its name: sorts its paths in place (byte
// order, unsigned, a shorter path before the longer one it begins), sets the
// combiner's width for the group and its files to load, and calls
// openWindow with the group's name; the window returns when the user has
// closed it.
void LaunchCombiner(CombineGroups& groups,
                    const std::function<void(const std::string& group)>& openWindow);
