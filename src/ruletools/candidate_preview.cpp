#include "ruletools/candidate_preview.h"

#include "common/messages.h"
#include "convert/image_processor.h"
#include "convert/rule_error.h"
#include "ruletools/applied_layout.h"
#include "ruletools/rule_preview.h"
#include "ruletools/rule_size.h"

CandidatePreview PreviewCandidate(const std::string& rule, const IImage& sheet) {
  CandidatePreview preview;
  try {
    const ImageProcessor processor(rule);
    preview.layout = AppliedLayout(processor, {sheet.GetWidth(), sheet.GetHeight()});
    const RuleLayout& layout = preview.layout;
    if (!layout.canvasMade) {
      preview.error = Text(Message::kExplainCanvasNotMade, {SizeText(layout.canvas)});
      return preview;
    }
    preview.canvas = ComposePreview(processor, sheet);
  } catch (const RuleError& error) {
    preview.error = error.Text();
    return preview;
  }
  if (!preview.canvas) {
    preview.error = Text(Message::kExplainCanvasNotMade, {SizeText(preview.layout.canvas)});
    return preview;
  }
  const RuleLayout& layout = preview.layout;
  preview.line = Text(Message::kSelectPreviewLine,
                      {Text(Message::kExplainGrid, {std::to_string(layout.grid.columns),
                                                    std::to_string(layout.grid.rows)}),
                       SizeText(layout.canvas), std::to_string(layout.PieceCount())});
  return preview;
}
