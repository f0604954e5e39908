#pragma once

#include <string>
#include <vector>

#include "convert/image_processor.h"

// What one rule does to an image of one size: the clip, the cell grid, the
// canvas, which cell lands in which slot and which piece each part of the
// canvas goes to. The pipeline applies it; the rule tools and the index
// table read it, so none of them works out a division of its own.
struct RuleLayout {
  using Size = ImageProcessor::Size;
  using Grid = ImageProcessor::Grid;
  using Rect = ImageProcessor::Rect;

  Size image;
  // The clipped rectangle in source pixels; 0 x 0 when Clip does not lie
  // inside the image.
  Rect clip;
  Grid grid;  // SrcDiv
  // 0 x 0 when the grid is finer than the clipped image: then no cell is cut.
  Size cell;
  // The cells that Replace names and the grid has, ascending, each once.
  std::vector<int> cutCells;

  Size canvas;
  // False when the image layer cannot make a canvas of that size.
  bool canvasMade = false;
  // The size the cells have when they are composed: the cell size, or what
  // an Individual rule made of them.
  Size slot;
  // The canvas grid; 0 x 0 when nothing is drawn.
  Grid slots{0, 0};
  // For each slot, row by row, the cell drawn there or -1. Slots past its
  // end are blank: Replace has no item for them.
  std::vector<int> slotCells;

  Grid fileDiv;
  // The size of every piece; a remainder strip of the canvas is not written.
  Size piece;
  std::string nameFoot;

  // The grid that slots of the slot size make on the canvas, whether or not
  // a cell is drawn (slots holds it only when one is): where a rule being
  // edited can place cells.
  Grid CanvasGrid() const;
  long long CellCount() const { return static_cast<long long>(grid.columns) * grid.rows; }
  long long SlotCount() const { return static_cast<long long>(slots.columns) * slots.rows; }
  long long PieceCount() const { return static_cast<long long>(fileDiv.columns) * fileDiv.rows; }
  // True when the grid has cell index: a Replace item that it lacks leaves
  // its slot blank.
  bool HasCell(long long index) const { return index >= 0 && index < CellCount(); }
  // The cell drawn in slot, or -1.
  int CellInSlot(long long slot) const;
  // Cell of the grid, in source pixels.
  Rect CellRect(int cell) const;
  // Slot of the canvas grid, in canvas pixels.
  Rect SlotRect(long long slot) const;
  // Piece (row by row over FileDiv), in canvas pixels.
  Rect PieceRect(long long piece) const;
  // The piece that holds canvas pixel (x, y), or -1 in a remainder strip
  // that no piece holds and outside the canvas.
  long long PieceAt(int x, int y) const;
  // "[V]" + baseName + NameFoot + the piece number when there are several
  // pieces + ".png".
  std::string PieceFileName(const std::string& baseName, long long piece) const;
  // Pixels right of and below what is used: of the clip outside the whole
  // cells (all of it when no cell is cut), of the canvas outside the whole
  // slots (nothing without a slot size) and outside the pieces.
  Size ClipLeftOver() const;
  Size CanvasLeftOver() const;
  Size PiecesLeftOver() const;
  // The index table beside the pieces: "[V]" + baseName + NameFoot + ".csv".
  std::string IndexTableFileName(const std::string& baseName) const;
  // The canvas that Apply hands back: 0 x 0 when it could not be made.
  Size ReturnedCanvas() const { return canvasMade ? canvas : Size{}; }
};

// The layout of rule for an image of the given size, its cells composed at
// their own size.
RuleLayout LayoutOf(const ImageProcessor& rule, RuleLayout::Size image);

// The same with the cells composed at slot size (what an Individual rule
// returned for them).
RuleLayout LayoutOf(const ImageProcessor& rule, RuleLayout::Size image, RuleLayout::Size slot);

// The layout of rule whose Individual rule is individual: the slots take
// the size of the canvas that individual makes of one cell.
RuleLayout LayoutWithIndividual(const ImageProcessor& rule, RuleLayout::Size image,
                                const ImageProcessor& individual);
