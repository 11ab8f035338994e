#pragma once
// The project window's table as plain texts: its columns, one row of cells a position, and a
// quantity as the user types it. Does not deal with the list on screen or its colours.

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "project/project.h"

namespace project {

struct TableColumn {
  std::string_view title;
  int width = 0;  // pixels at 96 dpi
};

inline constexpr std::array<TableColumn, 13> kProjectColumns = {{
    {"№", 24},
    {"Позиция", 90},
    {"Оборудование", 85},
    {"Серия", 55},
    {"Модель", 85},
    {"Кол-во", 48},
    {"Q ед. (кВт)", 62},
    {"Q всего (кВт)", 62},
    {"Треб. (кВт)", 60},
    {"Откл. (%)", 55},
    {"Хладагент", 70},
    {"t (°C)", 40},
    {"Δt (K)", 40},
}};

// The largest quantity a position takes.
inline constexpr int kMaxQuantity = 9999;

// The cells of the position numbered `number` (from 1), in the columns' order.
std::vector<std::string> positionCells(std::size_t number, const Position& position, const PositionFigures& figures);

// A quantity as typed: a whole number from 1 to kMaxQuantity, spaces around it aside;
// nothing for any other text.
std::optional<int> quantityOf(std::string_view text);

}  // namespace project
