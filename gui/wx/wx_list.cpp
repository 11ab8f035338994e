// Lists: the table model, the cell renderer and the grid control.

#include "gui/wx/wx_list.h"

#include <algorithm>
#include <utility>

#include <wx/dc.h>
#include <wx/pen.h>

#include "gui/scale.h"
#include "gui/text_fit.h"
#include "gui/wx/wx_convert.h"
#include "gui/wx/wx_look.h"

namespace gui::wx {
namespace {

// Cells of a list. The selected row of a list without the keyboard focus stays marked in a
// light grey with the cells' own text colours; the grid would keep its white selection text,
// hardly readable on that grey.
class ListCellRenderer : public wxGridCellStringRenderer {
 public:
  void Draw(wxGrid& grid, wxGridCellAttr& attr, wxDC& dc, const wxRect& rect, int row, int col,
            bool isSelected) override {
    wxWindow* focus = wxWindow::FindFocus();
    const bool focused = focus && (focus == &grid || grid.IsDescendant(focus));
    if (!isSelected || focused || !grid.IsThisEnabled()) {
      wxGridCellStringRenderer::Draw(grid, attr, dc, rect, row, col, isSelected);
    } else {
      wxGridCellAttr* inactive = attr.Clone();
      inactive->SetBackgroundColour(kInactiveSelection);
      wxGridCellStringRenderer::Draw(grid, *inactive, dc, rect, row, col, false);
      inactive->DecRef();
    }
    // The focus mark, as a Windows list shows it: a dotted line round the row with the
    // keyboard's place (the selected row, else the first) while the list has the focus.
    const int selected = static_cast<const ListGrid&>(grid).selectedRow();
    if (focused && row == (selected == kNoSelection ? 0 : selected)) {
      dc.SetPen(wxPen(isSelected ? *wxWHITE : *wxBLACK, 1, wxPENSTYLE_DOT));
      dc.SetBrush(*wxTRANSPARENT_BRUSH);
      dc.DrawLine(rect.GetLeft(), rect.GetTop(), rect.GetRight() + 1, rect.GetTop());
      dc.DrawLine(rect.GetLeft(), rect.GetBottom(), rect.GetRight() + 1, rect.GetBottom());
    }
  }

  wxGridCellRenderer* Clone() const override { return new ListCellRenderer; }

 private:
  inline static const wxColour kInactiveSelection{0xcc, 0xcc, 0xcc};
};

}  // namespace

// ---------------------------------------------------------------------------------------------
// List model.

ListTable::ListTable(std::vector<ListColumn> columns) : columns_(std::move(columns)) {}

int ListTable::GetNumberRows() { return static_cast<int>(rows_.size()); }

int ListTable::GetNumberCols() { return static_cast<int>(columns_.size()); }

wxString ListTable::GetValue(int row, int col) {
  const std::string* cell = find(row, col);
  return cell ? toWx(*cell) : wxString();
}

bool ListTable::IsEmptyCell(int row, int col) {
  const std::string* cell = find(row, col);
  return !cell || cell->empty();
}

wxString ListTable::GetColLabelValue(int col) {
  if (col < 0 || col >= GetNumberCols()) return {};
  const auto index = static_cast<std::size_t>(col);
  if (index < headerLabels_.size()) return headerLabels_[index];
  return toWx(columns_[index].title);
}

wxGridCellAttr* ListTable::GetAttr(int row, int col, wxGridCellAttr::wxAttrKind) {
  if (row < 0 || row >= GetNumberRows()) return nullptr;
  const RowStyle& style = rows_[static_cast<std::size_t>(row)].style;
  const bool colouredText = col == 0 && style.firstCellColour.has_value();
  if (!style.background && !colouredText) return nullptr;
  auto* attr = new wxGridCellAttr;
  if (style.background) attr->SetBackgroundColour(toWx(*style.background));
  if (colouredText) attr->SetTextColour(toWx(*style.firstCellColour));
  return attr;
}

const std::string* ListTable::find(int row, int col) const {
  if (row < 0 || row >= static_cast<int>(rows_.size()) || col < 0) return nullptr;
  const Row& r = rows_[static_cast<std::size_t>(row)];
  if (col >= static_cast<int>(r.cells.size())) return nullptr;
  return &r.cells[static_cast<std::size_t>(col)];
}

// ---------------------------------------------------------------------------------------------
// List control.

ListGrid::ListGrid(wxWindow* parent, const wxRect& place, ListTable* table, const wxFont& font,
                   double scale)
    : wxGrid(parent, wxID_ANY, place.GetPosition(), place.GetSize(), wxWANTS_CHARS | wxBORDER_SIMPLE) {
  SetTable(table, true, wxGridSelectRows);
  SetRowLabelSize(0);
  // The grid draws its own header (in the desktop's header look) so that a title can take two
  // lines and a closed column can be opened from its edge.
  SetUseNativeColLabels(true);
  SetColLabelAlignment(wxALIGN_LEFT, wxALIGN_CENTRE);
  SetDefaultCellAlignment(wxALIGN_LEFT, wxALIGN_CENTRE);
  SetDefaultCellFitMode(wxGridFitMode::Ellipsize());
  SetDefaultRenderer(new ListCellRenderer);
  SetDefaultCellBackgroundColour(*wxWHITE);
  SetDefaultCellTextColour(*wxBLACK);
  SetGridLineColour(wxColour(0xdc, 0xdc, 0xdc));
  EnableGridLines(true);
  EnableEditing(false);
  DisableDragRowSize();
  DisableDragGridSize();
  EnableDragColMove(true);
  SetCellHighlightPenWidth(0);
  SetCellHighlightROPenWidth(0);
  SetTabBehaviour(Tab_Leave);
  if (GetGridWindow()) GetGridWindow()->SetBackgroundColour(*wxWHITE);
  // A column given no width starts closed: its cells hold their texts, and the user opens it
  // by dragging the header edge it sits behind.
  SetColMinimalAcceptableWidth(1);
  const auto& columns = table->columns();
  for (std::size_t c = 0; c < columns.size(); ++c) {
    if (columns[c].width <= 0) HideCol(static_cast<int>(c));
  }
  applyScale(font, scale);
  closedColumnOpener_ = std::make_unique<ClosedColumnOpener>(*this);

  Bind(wxEVT_GRID_CELL_LEFT_CLICK, &ListGrid::onLeftClick, this);
  Bind(wxEVT_GRID_CELL_LEFT_DCLICK, &ListGrid::onOtherClick, this);
  Bind(wxEVT_GRID_CELL_RIGHT_CLICK, &ListGrid::onOtherClick, this);
  Bind(wxEVT_GRID_SELECT_CELL, &ListGrid::onCurrentCell, this);
  Bind(wxEVT_GRID_RANGE_SELECTING, &ListGrid::onRangeSelecting, this);
  Bind(wxEVT_GRID_RANGE_SELECTED, &ListGrid::onRangeSelected, this);
  Bind(wxEVT_KEY_DOWN, &ListGrid::onKey, this);
  // The focus mark comes and goes with the focus.
  if (wxWindow* cells = GetGridWindow()) {
    cells->Bind(wxEVT_SET_FOCUS, [this](wxFocusEvent& event) { event.Skip(); ForceRefresh(); });
    cells->Bind(wxEVT_KILL_FOCUS, [this](wxFocusEvent& event) { event.Skip(); ForceRefresh(); });
  }
}

void ListGrid::takeFocus() {
  if (wxWindow* cells = GetGridWindow()) {
    cells->SetFocus();
  } else {
    SetFocus();
  }
}

void ListGrid::onKey(wxKeyEvent& event) {
  const int code = event.GetKeyCode();
  const int last = GetNumberRows() - 1;
  if (event.HasAnyModifiers() || last < 0 ||
      (code != WXK_UP && code != WXK_DOWN && code != WXK_HOME && code != WXK_END)) {
    event.Skip();
    return;
  }
  // The first key into a list without a selection selects its first row (End: its last).
  int row = code == WXK_END ? last : 0;
  if (selected_ != kNoSelection && code == WXK_DOWN) row = std::min(selected_ + 1, last);
  if (selected_ != kNoSelection && code == WXK_UP) row = std::max(selected_ - 1, 0);
  if (row == selected_) return;
  select(row);
  if (onUserChange) onUserChange();
}

void ListGrid::rowsInserted(int position, int count) {
  if (selected_ != kNoSelection && selected_ >= position) selected_ += count;
  wxGridTableMessage message(GetTable(), wxGRIDTABLE_NOTIFY_ROWS_INSERTED, position, count);
  ++programChange_;
  ProcessTableMessage(message);
  ClearAttrCache();
  --programChange_;
  showSelection(false);
  ForceRefresh();
}

void ListGrid::rowsCleared(int count) {
  selected_ = kNoSelection;
  wxGridTableMessage message(GetTable(), wxGRIDTABLE_NOTIFY_ROWS_DELETED, 0, count);
  ++programChange_;
  ClearSelection();
  ProcessTableMessage(message);
  ClearAttrCache();
  --programChange_;
  ForceRefresh();
}

void ListGrid::rowChanged() {
  ClearAttrCache();
  ForceRefresh();
}

void ListGrid::select(int row) {
  selected_ = row >= 0 && row < GetNumberRows() ? row : kNoSelection;
  showSelection();
}

void ListGrid::showSelection(bool scroll) {
  ++programChange_;
  ClearSelection();
  if (selected_ != kNoSelection) {
    if (GetGridCursorRow() != selected_) SetGridCursor(selected_, firstVisibleColumn());
    SelectRow(selected_);
    if (scroll) MakeCellVisible(selected_, std::max(0, GetGridCursorCol()));
  }
  --programChange_;
}

void ListGrid::showSelectionLater() {
  if (repairPending_) return;
  repairPending_ = true;
  CallAfter([this] {
    repairPending_ = false;
    showSelection();
  });
}

void ListGrid::onLeftClick(wxGridEvent& event) {
  // Not skipped: the grid's own click handling (ranges, ctrl toggling) is left out.
  SetFocus();
  select(event.GetRow());
  if (onUserClick) onUserClick();
}

void ListGrid::onOtherClick(wxGridEvent& event) { select(event.GetRow()); }

void ListGrid::onCurrentCell(wxGridEvent& event) {
  event.Skip();
  if (programChange_ > 0) return;
  const int row = event.GetRow();
  if (row == selected_) {
    showSelectionLater();
    return;
  }
  CallAfter([this, row] {
    if (row < 0 || row >= GetNumberRows() || row == selected_) return;
    select(row);
    if (onUserChange) onUserChange();
  });
}

void ListGrid::onRangeSelecting(wxGridRangeSelectEvent& event) {
  if (programChange_ == 0) event.Veto();
}

void ListGrid::onRangeSelected(wxGridRangeSelectEvent& event) {
  event.Skip();
  if (programChange_ == 0) showSelectionLater();
}

void ListGrid::applyScale(const wxFont& font, double scale) {
  SetLabelFont(font);
  SetDefaultCellFont(font);
  auto& table = static_cast<ListTable&>(*GetTable());
  const auto& columns = table.columns();
  for (std::size_t c = 0; c < columns.size(); ++c) {
    if (columns[c].width > 0) SetColSize(static_cast<int>(c), scaled(columns[c].width, scale));
  }
  const int headerHeight = layOutHeader(table, font, scale);
  // The header and three rows fill the list, as at 96 dpi: where a larger font's lines make
  // the header a few pixels higher than the layout's, the rows give them up.
  int lineWidth = 0, lineHeight = 0;
  GetTextExtent("Ag", &lineWidth, &lineHeight, nullptr, nullptr, &font);
  const int rowsRoom = (GetClientSize().y - headerHeight) / kListRowsShown;
  const int rowHeight = std::max(lineHeight + 2, std::min(scaled(kListRowHeight, scale), rowsRoom));
  SetDefaultRowSize(rowHeight, true);
  SetScrollRate(1, rowHeight);
}

int ListGrid::layOutHeader(ListTable& table, const wxFont& font, double scale) {
  const auto width = [this, &font](const std::string& line) {
    int lineWidth = 0, lineHeight = 0;
    GetTextExtent(toWx(line), &lineWidth, &lineHeight, nullptr, nullptr, &font);
    return lineWidth;
  };
  std::vector<wxString> labels;
  std::size_t lines = 1;
  for (const ListColumn& column : table.columns()) {
    // A closed column keeps its title on one line: it is seen only once the user opens the
    // column, as wide as the user makes it.
    if (column.width <= 0) {
      labels.push_back(toWx(column.title));
      continue;
    }
    const std::vector<std::string> wrapped =
        wrapTitle(column.title, scaled(column.width - 2 * kListHeaderPadding, scale), width);
    lines = std::max(lines, wrapped.size());
    wxString label;
    for (const std::string& line : wrapped) label += (label.empty() ? wxString() : wxString("\n")) + toWx(line);
    labels.push_back(label);
  }
  table.setHeaderLabels(std::move(labels));
  int lineWidth = 0, lineHeight = 0;
  GetTextExtent("Ag", &lineWidth, &lineHeight, nullptr, nullptr, &font);
  const int height = static_cast<int>(lines) * lineHeight + 2 * scaled(kListHeaderPadding, scale);
  SetColLabelSize(height);
  return height;
}

int ListGrid::firstVisibleColumn() const {
  for (int col = 0; col < GetNumberCols(); ++col) {
    if (IsColShown(col)) return col;
  }
  return 0;
}

}  // namespace gui::wx
