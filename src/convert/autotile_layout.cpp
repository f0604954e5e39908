#include "convert/autotile_layout.h"

const char* AutotileLayoutName(AutotileLayout layout) {
  switch (layout) {
    case AutotileLayout::kBlock2x3:
      return "block2x3";
    case AutotileLayout::kBlob47:
      return "blob47";
    case AutotileLayout::kWang16:
      return "wang16";
  }
  return "";
}

std::optional<AutotileLayout> AutotileLayoutNamed(const std::string& name) {
  for (const AutotileLayout layout : kAutotileLayouts) {
    if (name == AutotileLayoutName(layout)) return layout;
  }
  return std::nullopt;
}

bool IsTerrain(AutotileLayout layout) { return layout != AutotileLayout::kBlock2x3; }
