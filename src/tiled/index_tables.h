#pragma once

#include <string>
#include <vector>

// The index tables that a conversion wrote beside its pieces
// (convert/index_table.h): where each part of a source cell landed.

struct IndexTableLine {
  std::size_t piece = 0;  // in the table's pieces
  int x = 0;              // the part's rectangle in the piece
  int y = 0;
  int width = 0;
  int height = 0;
  int sourceX = 0;  // and its top-left pixel in the source
  int sourceY = 0;
};

struct IndexTable {
  std::string path;
  std::string folder;               // the table's folder, where its pieces are
  std::vector<std::string> pieces;  // file names, in the order the table first names them
  std::vector<IndexTableLine> lines;  // the parts that hold a cell; blank slots are left out
};

// Reads the table at path; false with the reason when it cannot be read or
// is not such a table.
bool ReadIndexTable(const std::string& path, IndexTable& table, std::string& reason);
