#include "tiled/index_tables.h"

#include <climits>

#include "common/file_io.h"
#include "common/messages.h"
#include "common/path.h"

namespace {

constexpr char kHeader[] = "piece,x,y,width,height,cell,source_x,source_y";

// The fields of one CSV line: in double quotes where a field holds a comma
// or a quote, its own quotes doubled.
std::vector<std::string> Fields(const std::string& line) {
  std::vector<std::string> fields(1);
  bool quoted = false;
  for (std::size_t i = 0; i < line.size(); ++i) {
    const char c = line[i];
    if (quoted) {
      if (c == '"' && i + 1 < line.size() && line[i + 1] == '"') {
        fields.back() += '"';
        ++i;
      } else if (c == '"') {
        quoted = false;
      } else {
        fields.back() += c;
      }
    } else if (c == '"') {
      quoted = true;
    } else if (c == ',') {
      fields.emplace_back();
    } else {
      fields.back() += c;
    }
  }
  return fields;
}

bool Number(const std::string& text, int& value, bool negativeAllowed) {
  std::size_t i = negativeAllowed && !text.empty() && text[0] == '-' ? 1 : 0;
  if (i == text.size() || text.size() - i > 9) return false;
  long long parsed = 0;
  for (; i < text.size(); ++i) {
    if (text[i] < '0' || text[i] > '9') return false;
    parsed = parsed * 10 + (text[i] - '0');
  }
  value = static_cast<int>(text[0] == '-' ? -parsed : parsed);
  return true;
}

}  // namespace

bool ReadIndexTable(const std::string& path, IndexTable& table, std::string& reason) {
  table = IndexTable();
  table.path = path;
  table.folder = FolderPart(path);
  std::string bytes;
  if (!ReadWholeFile(path, bytes)) {
    reason = Text(Message::kRemapTableUnreadable, {path});
    return false;
  }
  std::size_t lineNumber = 0;
  for (std::size_t at = 0; at < bytes.size();) {
    std::size_t end = bytes.find('\n', at);
    if (end == std::string::npos) end = bytes.size();
    std::string line = bytes.substr(at, end - at);
    at = end + 1;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (lineNumber++ == 0) {
      if (line != kHeader) break;
      continue;
    }
    const std::vector<std::string> fields = Fields(line);
    IndexTableLine parsed;
    int cell = 0;
    // A piece is a file of the table's own folder.
    if (fields.size() != 8 || fields[0].empty() || fields[0] == "." || fields[0] == ".." ||
        fields[0].find_first_of("/\\") != std::string::npos || !Number(fields[1], parsed.x, false) ||
        !Number(fields[2], parsed.y, false) || !Number(fields[3], parsed.width, false) ||
        !Number(fields[4], parsed.height, false) || !Number(fields[5], cell, true)) {
      reason = Text(Message::kRemapTableBadLine, {path, std::to_string(lineNumber)});
      return false;
    }
    if (cell < 0) continue;  // a blank slot
    if (!Number(fields[6], parsed.sourceX, false) || !Number(fields[7], parsed.sourceY, false)) {
      reason = Text(Message::kRemapTableBadLine, {path, std::to_string(lineNumber)});
      return false;
    }
    std::size_t piece = 0;
    while (piece < table.pieces.size() && table.pieces[piece] != fields[0]) ++piece;
    if (piece == table.pieces.size()) table.pieces.push_back(fields[0]);
    parsed.piece = piece;
    table.lines.push_back(parsed);
  }
  if (lineNumber == 0 || bytes.compare(0, sizeof kHeader - 1, kHeader) != 0) {
    reason = Text(Message::kRemapNotATable, {path});
    return false;
  }
  return true;
}
