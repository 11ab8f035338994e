#pragma once
// The header of a list: closed columns (width 0) that the user opens by dragging the header
// edge they sit behind, as in a Windows list view.

#include <wx/grid.h>

namespace gui::wx {

// Lets the user open a closed column: just right of the edge that ends the columns before it,
// the pointer becomes a resize cursor, and dragging from there widens the first closed column
// behind that edge. Every other header drag (widening open columns, moving columns) is the
// grid's own.
class ClosedColumnOpener {
 public:
  explicit ClosedColumnOpener(wxGrid& grid);

 private:
  // The closed column that a press at header position x would open, or wxNOT_FOUND; `edge`
  // gets the position of the edge it opens from.
  int closedColumnAt(int x, int& edge) const;
  int headerX(const wxMouseEvent& event) const;

  void onMotion(wxMouseEvent& event);
  void onLeftDown(wxMouseEvent& event);
  void onLeftUp(wxMouseEvent& event);
  void onCaptureLost(wxMouseCaptureLostEvent& event);
  void endDrag();

  wxGrid& grid_;
  wxWindow& header_;
  int draggedColumn_ = wxNOT_FOUND;
  int dragEdge_ = 0;
  bool resizeCursorShown_ = false;
};

}  // namespace gui::wx
