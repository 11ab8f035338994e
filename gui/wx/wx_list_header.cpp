// The header of a list: the opening of closed columns.

#include "gui/wx/wx_list_header.h"

namespace gui::wx {
namespace {

// How far right of an edge, in pixels, a press still opens the closed column behind it. The
// pixel on the edge and the one before it belong to the grid, which widens the open column
// there.
constexpr int kEdgeZone = 6;

}  // namespace

ClosedColumnOpener::ClosedColumnOpener(wxGrid& grid) : grid_(grid), header_(*grid.GetGridColLabelWindow()) {
  // Bound handlers run before the grid's own handling of its header, which they leave alone
  // unless the pointer is at a closed column's edge.
  header_.Bind(wxEVT_MOTION, &ClosedColumnOpener::onMotion, this);
  header_.Bind(wxEVT_LEFT_DOWN, &ClosedColumnOpener::onLeftDown, this);
  header_.Bind(wxEVT_LEFT_UP, &ClosedColumnOpener::onLeftUp, this);
  header_.Bind(wxEVT_MOUSE_CAPTURE_LOST, &ClosedColumnOpener::onCaptureLost, this);
}

int ClosedColumnOpener::closedColumnAt(int x, int& edge) const {
  // Walk the columns in the order shown; a closed column sits at the right edge of the last
  // open one before it, and the first closed one behind that edge is the one to open.
  edge = 0;
  for (int position = 0; position < grid_.GetNumberCols(); ++position) {
    const int col = grid_.GetColAt(position);
    if (grid_.IsColShown(col)) {
      edge += grid_.GetColSize(col);
      continue;
    }
    if (x > edge && x <= edge + kEdgeZone) return col;
    // Skip the other closed columns behind the same edge.
    while (position + 1 < grid_.GetNumberCols() && !grid_.IsColShown(grid_.GetColAt(position + 1))) ++position;
  }
  return wxNOT_FOUND;
}

int ClosedColumnOpener::headerX(const wxMouseEvent& event) const {
  return grid_.CalcUnscrolledPosition(event.GetPosition()).x;
}

void ClosedColumnOpener::onMotion(wxMouseEvent& event) {
  const int x = headerX(event);
  if (draggedColumn_ != wxNOT_FOUND) {
    const int width = x - dragEdge_;
    if (width > 0) {
      grid_.ShowCol(draggedColumn_);
      grid_.SetColSize(draggedColumn_, width);
    } else {
      grid_.HideCol(draggedColumn_);
    }
    grid_.ForceRefresh();
    return;
  }
  int edge = 0;
  const bool atClosedColumn = !event.LeftIsDown() && closedColumnAt(x, edge) != wxNOT_FOUND;
  if (atClosedColumn) {
    header_.SetCursor(wxCursor(wxCURSOR_SIZEWE));
    resizeCursorShown_ = true;
    return;
  }
  if (resizeCursorShown_) {
    header_.SetCursor(wxNullCursor);
    resizeCursorShown_ = false;
  }
  event.Skip();
}

void ClosedColumnOpener::onLeftDown(wxMouseEvent& event) {
  int edge = 0;
  const int col = closedColumnAt(headerX(event), edge);
  if (col == wxNOT_FOUND) {
    event.Skip();
    return;
  }
  draggedColumn_ = col;
  dragEdge_ = edge;
  header_.CaptureMouse();
}

void ClosedColumnOpener::onLeftUp(wxMouseEvent& event) {
  if (draggedColumn_ == wxNOT_FOUND) {
    event.Skip();
    return;
  }
  endDrag();
}

void ClosedColumnOpener::onCaptureLost(wxMouseCaptureLostEvent& event) {
  if (draggedColumn_ == wxNOT_FOUND) {
    event.Skip();
    return;
  }
  draggedColumn_ = wxNOT_FOUND;
}

void ClosedColumnOpener::endDrag() {
  draggedColumn_ = wxNOT_FOUND;
  if (header_.HasCapture()) header_.ReleaseMouse();
  header_.SetCursor(wxNullCursor);
  resizeCursorShown_ = false;
  grid_.ForceRefresh();
}

}  // namespace gui::wx
