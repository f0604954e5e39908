#include "cli/rule_tool_size.h"

#include "cli/converter_command.h"
#include "common/file_failure.h"
#include "common/file_io.h"
#include "image/image.h"
#include "ruletools/rule_size.h"

std::optional<RuleLayout::Size> RuleToolImageSize(const ConverterOptions& options,
                                                  const std::string& rule, std::string& problem,
                                                  int& status) {
  problem.clear();
  status = kExitConverted;
  if (!options.files.empty()) {
    const std::string& sheet = options.files.front();
    try {
      const std::unique_ptr<IImage> image = OpenImage(AbsolutePath(sheet));
      return RuleLayout::Size{image->GetWidth(), image->GetHeight()};
    } catch (const InvalidImageError& error) {
      problem = WithFileFailure(std::string(error.what()) + ": " + sheet, error.Reason());
    }
    status = kExitNotConverted;
    return std::nullopt;
  }
  // The parser has refused a --size that is not a size.
  if (options.size) return ParseSizeKey(*options.size);
  return SizeFromSizeTable(rule);
}
