#include "ruletools/rule_preview.h"

#include "convert/process_log.h"
#include "convert/run_context.h"

std::unique_ptr<IImage> ComposePreview(const ImageProcessor& rule, const IImage& sheet) {
  ProcessLog log;
  RunContext context{log};
  context.writeFiles = false;
  // Apply records the pieces it writes; the caller's rule stays as it was.
  ImageProcessor composer = rule;
  return composer.Apply(sheet, context);
}
