// The sheet and canvas views of the rule editor: the pictures of
// edit_pictures.h enlarged by the zoom, the cell or slot grid, the clip and
// the selection over them; clicks, drags and keys become edits of the rule.
#include <windowsx.h>

#include <algorithm>
#include <cmath>
#include <optional>

#include "app/rule_editor_ids.h"
#include "app/rule_editor_win32.h"

namespace {

constexpr COLORREF kGridColour = RGB(96, 96, 96);
constexpr COLORREF kClipColour = RGB(220, 40, 40);
constexpr COLORREF kSelectionColour = RGB(255, 200, 0);
// Grid lines are drawn between cells at least this large on screen.
constexpr int kSmallestGridCell = 6;

bool IsSheet(HWND view) { return GetDlgCtrlID(view) == IDC_SHEET_VIEW; }

POINT& ScrollOf(RuleEditorState& state, HWND view) {
  return IsSheet(view) ? state.sheetScroll : state.canvasScroll;
}

const IImage* PictureOf(const RuleEditorState& state, HWND view) {
  return IsSheet(view) ? state.sheetPicture.get() : state.canvasPicture.get();
}

// Picture pixels in view pixels at the zoom.
int Zoomed(const RuleEditorState& state, long long pixels) {
  return static_cast<int>(std::lround(static_cast<double>(pixels) * state.zoom));
}

// A rectangle of the picture, in the view's pixels.
RECT OnView(const RuleEditorState& state, HWND view, const RuleLayout::Rect& area) {
  const POINT scroll = IsSheet(view) ? state.sheetScroll : state.canvasScroll;
  return {Zoomed(state, area.x) - scroll.x, Zoomed(state, area.y) - scroll.y,
          Zoomed(state, static_cast<long long>(area.x) + area.width) - scroll.x,
          Zoomed(state, static_cast<long long>(area.y) + area.height) - scroll.y};
}

// The picture pixel under a point of the view.
POINT InPicture(RuleEditorState& state, HWND view, LPARAM lParam) {
  const POINT scroll = ScrollOf(state, view);
  return {static_cast<LONG>(std::floor((GET_X_LPARAM(lParam) + scroll.x) / state.zoom)),
          static_cast<LONG>(std::floor((GET_Y_LPARAM(lParam) + scroll.y) / state.zoom))};
}

// The sheet's cell (column, row) at a pixel of the sheet.
std::optional<POINT> CellAt(const RuleLayout& layout, POINT pixel) {
  if (layout.cell.width < 1 || layout.cell.height < 1) return std::nullopt;
  const int x = pixel.x - layout.clip.x;
  const int y = pixel.y - layout.clip.y;
  if (x < 0 || y < 0) return std::nullopt;
  const int column = x / layout.cell.width;
  const int row = y / layout.cell.height;
  if (column >= layout.grid.columns || row >= layout.grid.rows) return std::nullopt;
  return POINT{column, row};
}

// The canvas slot at a pixel of the canvas, or -1.
long long SlotAt(const RuleLayout& layout, POINT pixel) {
  if (layout.slot.width < 1 || layout.slot.height < 1 || pixel.x < 0 || pixel.y < 0) return -1;
  const long long column = pixel.x / layout.slot.width;
  const long long row = pixel.y / layout.slot.height;
  if (column >= layout.slots.columns || row >= layout.slots.rows) return -1;
  return row * layout.slots.columns + column;
}

void Outline(HDC dc, const RECT& area, COLORREF colour, int width) {
  const HPEN pen = CreatePen(PS_SOLID, width, colour);
  const HGDIOBJ oldPen = SelectObject(dc, pen);
  const HGDIOBJ oldBrush = SelectObject(dc, GetStockObject(NULL_BRUSH));
  Rectangle(dc, area.left, area.top, area.right + 1, area.bottom + 1);
  SelectObject(dc, oldBrush);
  SelectObject(dc, oldPen);
  DeleteObject(pen);
}

// Lines between the cells (columns x rows of size cell from origin).
void DrawGrid(HDC dc, const RuleEditorState& state, HWND view, RuleLayout::Rect origin,
              RuleLayout::Size cell, RuleLayout::Grid grid) {
  if (Zoomed(state, cell.width) < kSmallestGridCell ||
      Zoomed(state, cell.height) < kSmallestGridCell)
    return;
  const HPEN pen = CreatePen(PS_DOT, 1, kGridColour);
  const HGDIOBJ old = SelectObject(dc, pen);
  const RECT all = OnView(state, view, {origin.x, origin.y, cell.width * grid.columns,
                                        cell.height * grid.rows});
  for (int column = 1; column < grid.columns; ++column) {
    const int x = all.left + Zoomed(state, static_cast<long long>(column) * cell.width);
    MoveToEx(dc, x, all.top, nullptr);
    LineTo(dc, x, all.bottom);
  }
  for (int row = 1; row < grid.rows; ++row) {
    const int y = all.top + Zoomed(state, static_cast<long long>(row) * cell.height);
    MoveToEx(dc, all.left, y, nullptr);
    LineTo(dc, all.right, y);
  }
  SelectObject(dc, old);
  DeleteObject(pen);
}

void DrawOverlay(HDC dc, const RuleEditorState& state, HWND view) {
  const RuleEdit& edit = state.history.Current();
  const RuleLayout& layout = edit.Layout();
  const RuleEditSelection& selection = edit.Selection();
  if (IsSheet(view)) {
    if (layout.cell.width < 1 || layout.cell.height < 1) return;
    DrawGrid(dc, state, view, layout.clip, layout.cell, layout.grid);
    Outline(dc, OnView(state, view, layout.clip), kClipColour, 1);
    const CellBlock& block = selection.cells;
    Outline(dc,
            OnView(state, view,
                   {layout.clip.x + block.column * layout.cell.width,
                    layout.clip.y + block.row * layout.cell.height, block.columns * layout.cell.width,
                    block.rows * layout.cell.height}),
            kSelectionColour, 2);
  } else if (layout.SlotCount() > 0) {
    DrawGrid(dc, state, view, {0, 0, 0, 0}, layout.slot, layout.slots);
    Outline(dc, OnView(state, view, layout.SlotRect(selection.slot)), kSelectionColour, 2);
  }
}

void Paint(HWND view) {
  const RuleEditorState& state = EditorOf(GetParent(view));
  PAINTSTRUCT paint;
  const HDC dc = BeginPaint(view, &paint);
  RECT client;
  GetClientRect(view, &client);
  FillRect(dc, &client, GetSysColorBrush(COLOR_APPWORKSPACE));
  const IImage* picture = PictureOf(state, view);
  if (picture != nullptr && picture->GetWidth() > 0) {
    const int width = picture->GetWidth();
    const int height = picture->GetHeight();
    const HDC memory = CreateCompatibleDC(dc);
    const HBITMAP bitmap = CreateCompatibleBitmap(dc, width, height);
    const HGDIOBJ old = SelectObject(memory, bitmap);
    picture->PaintTo(memory, 0, 0);
    const POINT scroll = IsSheet(view) ? state.sheetScroll : state.canvasScroll;
    SetStretchBltMode(dc, COLORONCOLOR);
    StretchBlt(dc, -scroll.x, -scroll.y, Zoomed(state, width), Zoomed(state, height), memory, 0, 0,
               width, height, SRCCOPY);
    SelectObject(memory, old);
    DeleteObject(bitmap);
    DeleteDC(memory);
    DrawOverlay(dc, state, view);
  }
  EndPaint(view, &paint);
}

void SetScrollRange(RuleEditorState& state, HWND view) {
  const IImage* picture = PictureOf(state, view);
  RECT client;
  GetClientRect(view, &client);
  POINT& scroll = ScrollOf(state, view);
  const int width = picture ? Zoomed(state, picture->GetWidth()) : 0;
  const int height = picture ? Zoomed(state, picture->GetHeight()) : 0;
  scroll.x = std::clamp<int>(scroll.x, 0, std::max<int>(0, width - client.right));
  scroll.y = std::clamp<int>(scroll.y, 0, std::max<int>(0, height - client.bottom));
  SCROLLINFO info = {sizeof info, SIF_RANGE | SIF_PAGE | SIF_POS | SIF_DISABLENOSCROLL, 0, 0, 0,
                     0, 0};
  info.nMax = std::max(width - 1, 0);
  info.nPage = static_cast<UINT>(client.right);
  info.nPos = scroll.x;
  SetScrollInfo(view, SB_HORZ, &info, TRUE);
  info.nMax = std::max(height - 1, 0);
  info.nPage = static_cast<UINT>(client.bottom);
  info.nPos = scroll.y;
  SetScrollInfo(view, SB_VERT, &info, TRUE);
}

void Scroll(HWND view, int bar, int code) {
  RuleEditorState& state = EditorOf(GetParent(view));
  SCROLLINFO info = {sizeof info, SIF_ALL, 0, 0, 0, 0, 0};
  GetScrollInfo(view, bar, &info);
  int position = info.nPos;
  const int page = static_cast<int>(info.nPage);
  switch (code) {
    case SB_LINEUP: position -= 16; break;
    case SB_LINEDOWN: position += 16; break;
    case SB_PAGEUP: position -= page; break;
    case SB_PAGEDOWN: position += page; break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: position = info.nTrackPos; break;
    default: return;
  }
  position = std::clamp(position, 0, std::max(0, info.nMax - page + 1));
  (bar == SB_HORZ ? ScrollOf(state, view).x : ScrollOf(state, view).y) = position;
  SetScrollRange(state, view);
  InvalidateRect(view, nullptr, FALSE);
}

// The block from the cell where the drag began to the cell at pixel.
CellBlock Spanned(POINT from, POINT to) {
  return {static_cast<int>(std::min(from.x, to.x)), static_cast<int>(std::min(from.y, to.y)),
          static_cast<int>(std::abs(to.x - from.x)) + 1,
          static_cast<int>(std::abs(to.y - from.y)) + 1};
}

void OnMouse(HWND view, UINT message, LPARAM lParam) {
  const HWND dialog = GetParent(view);
  RuleEditorState& state = EditorOf(dialog);
  const RuleEdit& edit = state.history.Current();
  const POINT pixel = InPicture(state, view, lParam);
  RuleEditSelection selection = edit.Selection();
  if (IsSheet(view)) {
    const std::optional<POINT> cell = CellAt(edit.Layout(), pixel);
    if (message == WM_LBUTTONDOWN && cell) {
      SetFocus(view);
      SetCapture(view);
      state.dragCell = *cell;
      selection.cells = Spanned(*cell, *cell);
    } else if (GetCapture() == view && cell && message != WM_RBUTTONUP) {
      selection.cells = Spanned(state.dragCell, *cell);
      if (message == WM_LBUTTONUP) ReleaseCapture();
    } else {
      if (message == WM_LBUTTONUP) ReleaseCapture();
      return;
    }
    state.placeNext = true;
    SelectInRule(dialog, selection);
    return;
  }
  const long long slot = SlotAt(edit.Layout(), pixel);
  if (message == WM_LBUTTONDOWN) {
    SetFocus(view);
    SetCapture(view);
    state.dragSlot = slot;
    return;
  }
  if (message == WM_RBUTTONUP) {
    if (slot < 0) return;
    selection.slot = slot;
    SelectInRule(dialog, selection);
    EditRule(dialog, [slot](RuleEdit& rule) { return rule.Blank(slot); });
    return;
  }
  if (message != WM_LBUTTONUP) return;
  ReleaseCapture();
  if (slot < 0) return;
  const long long from = state.dragSlot;
  state.dragSlot = -1;
  selection.slot = slot;
  SelectInRule(dialog, selection);
  if (from >= 0 && from != slot) {
    EditRule(dialog, [from, slot](RuleEdit& rule) { return rule.Swap(from, slot); });
  } else if (state.placeNext) {
    state.placeNext = false;
    EditRule(dialog, [&](RuleEdit& rule) { return rule.PlaceBlock(selection.cells, slot); });
  }
}

// Arrow keys move the selection, Enter places, Delete blanks, Ctrl+Z and
// Ctrl+Y undo and redo.
void OnKey(HWND view, WPARAM key) {
  const HWND dialog = GetParent(view);
  RuleEditorState& state = EditorOf(dialog);
  const RuleEdit& edit = state.history.Current();
  const RuleLayout& layout = edit.Layout();
  if (GetKeyState(VK_CONTROL) < 0) {
    if (key == 'Z' || key == 'Y') UndoOrRedo(dialog, key == 'Y');
    return;
  }
  const int dx = key == VK_LEFT ? -1 : key == VK_RIGHT ? 1 : 0;
  const int dy = key == VK_UP ? -1 : key == VK_DOWN ? 1 : 0;
  RuleEditSelection selection = edit.Selection();
  if (IsSheet(view)) {
    if (key == VK_RETURN) {
      state.placeNext = true;
      SetFocus(GetDlgItem(dialog, IDC_CANVAS_VIEW));
      return;
    }
    if (dx == 0 && dy == 0) return;
    CellBlock& cells = selection.cells;
    if (GetKeyState(VK_SHIFT) < 0) {
      cells.columns = std::clamp(cells.columns + dx, 1, std::max(1, layout.grid.columns - cells.column));
      cells.rows = std::clamp(cells.rows + dy, 1, std::max(1, layout.grid.rows - cells.row));
    } else {
      cells = {std::clamp(cells.column + dx, 0, std::max(0, layout.grid.columns - 1)),
               std::clamp(cells.row + dy, 0, std::max(0, layout.grid.rows - 1)), 1, 1};
    }
    SelectInRule(dialog, selection);
    return;
  }
  const long long slot = selection.slot;
  if (key == VK_RETURN) {
    EditRule(dialog, [&](RuleEdit& rule) { return rule.PlaceBlock(selection.cells, slot); });
    return;
  }
  if (key == VK_DELETE) {
    EditRule(dialog, [slot](RuleEdit& rule) { return rule.Blank(slot); });
    return;
  }
  if ((dx == 0 && dy == 0) || layout.SlotCount() == 0) return;
  selection.slot = std::clamp<long long>(slot + dx + dy * layout.slots.columns, 0,
                                         layout.SlotCount() - 1);
  SelectInRule(dialog, selection);
}

// The largest zoom at which both views show their whole pictures: whole
// steps from 1:1 up, so that pixels stay sharp, any fraction below.
double FitZoom(RuleEditorState& state, HWND dialog) {
  double fit = 0;
  for (const int id : {IDC_SHEET_VIEW, IDC_CANVAS_VIEW}) {
    const HWND view = GetDlgItem(dialog, id);
    const IImage* picture = PictureOf(state, view);
    if (picture == nullptr || picture->GetWidth() < 1 || picture->GetHeight() < 1) continue;
    RECT client;
    GetClientRect(view, &client);
    const double zoom = std::min(static_cast<double>(client.right) / picture->GetWidth(),
                                 static_cast<double>(client.bottom) / picture->GetHeight());
    fit = fit == 0 ? zoom : std::min(fit, zoom);
  }
  if (fit <= 0) return 1;
  return fit >= 1 ? std::floor(fit) : fit;
}

LRESULT CALLBACK RuleViewProc(HWND view, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_PAINT:
      Paint(view);
      return 0;
    case WM_HSCROLL:
    case WM_VSCROLL:
      Scroll(view, message == WM_HSCROLL ? SB_HORZ : SB_VERT, LOWORD(wParam));
      return 0;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_MOUSEMOVE:
    case WM_RBUTTONUP:
      OnMouse(view, message, lParam);
      return 0;
    case WM_GETDLGCODE:
      return DLGC_WANTARROWS | DLGC_WANTCHARS |
             (lParam != 0 && reinterpret_cast<const MSG*>(lParam)->wParam == VK_RETURN
                  ? DLGC_WANTMESSAGE
                  : 0);
    case WM_KEYDOWN:
      OnKey(view, wParam);
      return 0;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
      InvalidateRect(view, nullptr, FALSE);
      return 0;
    default:
      return DefWindowProcW(view, message, wParam, lParam);
  }
}

}  // namespace

void RegisterRuleViews(HINSTANCE module) {
  WNDCLASSEXW view = {};
  view.cbSize = sizeof view;
  view.lpfnWndProc = RuleViewProc;
  view.hInstance = module;
  view.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
  view.lpszClassName = L"" RULE_VIEW_CLASS;
  // A second registration fails harmlessly: the class is the same.
  RegisterClassExW(&view);
}

void RefreshRuleViews(HWND dialog) {
  RuleEditorState& state = EditorOf(dialog);
  if (state.fitZoom) state.zoom = FitZoom(state, dialog);
  for (const int id : {IDC_SHEET_VIEW, IDC_CANVAS_VIEW}) {
    const HWND view = GetDlgItem(dialog, id);
    SetScrollRange(state, view);
    InvalidateRect(view, nullptr, FALSE);
  }
}
