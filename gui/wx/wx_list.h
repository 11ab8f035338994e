#pragma once
// Lists: wxGrid controls fed by a small table model, because only a grid honours the colour
// of single cells.

#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include <wx/grid.h>

#include "gui/toolkit.h"
#include "gui/wx/wx_list_header.h"

namespace gui::wx {

// List model: the rows the program added, their texts and colours.
class ListTable : public wxGridTableBase {
 public:
  struct Row {
    std::vector<std::string> cells;
    RowStyle style;
  };

  explicit ListTable(std::vector<ListColumn> columns);

  int GetNumberRows() override;
  int GetNumberCols() override;
  wxString GetValue(int row, int col) override;
  void SetValue(int, int, const wxString&) override {}  // the list is read-only
  bool IsEmptyCell(int row, int col) override;
  wxString GetColLabelValue(int col) override;
  wxString GetRowLabelValue(int) override { return {}; }

  bool CanHaveAttributes() override { return true; }
  wxGridCellAttr* GetAttr(int row, int col, wxGridCellAttr::wxAttrKind) override;

  // The text of a cell; null beyond the rows and beyond the row's cells.
  const std::string* find(int row, int col) const;

  std::vector<Row>& rows() { return rows_; }
  const std::vector<ListColumn>& columns() const { return columns_; }
  // The header's texts as drawn: each title wrapped to its column's width.
  void setHeaderLabels(std::vector<wxString> labels) { headerLabels_ = std::move(labels); }

 private:
  std::vector<ListColumn> columns_;
  std::vector<wxString> headerLabels_;
  std::vector<Row> rows_;
};

// The list control: a read-only grid that behaves like a report-view list with whole-row,
// single selection. The list keeps the selected row itself and shows exactly that row
// selected; whatever the grid's own selection logic does (ranges, shift and ctrl keys, select
// all, cleared selections) is vetoed or undone.
class ListGrid : public wxGrid {
 public:
  // `place` is in the window's pixels; the columns' widths and the rows' height are given at
  // s = 1 and shown at `scale`.
  ListGrid(wxWindow* parent, const wxRect& place, ListTable* table, const wxFont& font, double scale);

  // Shows the list in another font and at another scale (the window moved to another DPI).
  void applyScale(const wxFont& font, double scale);

  // What the user does: a left click on a row, and a selection moved with the keyboard.
  std::function<void()> onUserClick;
  std::function<void()> onUserChange;

  int selectedRow() const { return selected_; }
  // The program's choice of the selected row (kNoSelection: none), scrolled into view.
  void select(int row);

  // Gives the keyboard focus to the rows.
  void takeFocus();

  // The row notifications of the model; the selected row moves with its row.
  void rowsInserted(int position, int count);
  void rowsCleared(int count);
  // A row's cells or style changed in place.
  void rowChanged();

 private:
  // Makes the grid show exactly the selected row selected, with the current cell in it, and
  // scrolls that row into view when asked.
  void showSelection(bool scroll = true);
  // Done after the grid has finished its own handling of the key or click.
  void showSelectionLater();

  void onLeftClick(wxGridEvent& event);
  void onOtherClick(wxGridEvent& event);
  void onCurrentCell(wxGridEvent& event);
  void onRangeSelecting(wxGridRangeSelectEvent& event);
  void onRangeSelected(wxGridRangeSelectEvent& event);
  // Up, Down, Home and End move the selected row.
  void onKey(wxKeyEvent& event);

  int firstVisibleColumn() const;
  // Lays the header out: titles wrapped to their columns, as many lines high as the longest;
  // returns its height.
  int layOutHeader(ListTable& table, const wxFont& font, double scale);

  int selected_ = kNoSelection;
  int programChange_ = 0;
  bool repairPending_ = false;
  std::unique_ptr<ClosedColumnOpener> closedColumnOpener_;
};

}  // namespace gui::wx
