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
    {"№", 28},
    {"Позиция", 115},
    {"Оборудование", 90},
    {"Серия", 65},
    {"Модель", 95},
    {"Кол-во", 50},
    {"Q ед. (кВт)", 75},
    {"Q всего (кВт)", 85},
    {"Треб. (кВт)", 72},
    {"Откл. (%)", 65},
    {"Хладагент", 80},
    {"t (°C)", 45},
    {"Δt (K)", 45},
}};

// The largest quantity a position takes.
inline constexpr int kMaxQuantity = 9999;

// The cells of the position numbered `number` (from 1), in the columns' order.
std::vector<std::string> positionCells(std::size_t number, const Position& position, const PositionFigures& figures);

// A quantity as typed: a whole number from 1 to kMaxQuantity, spaces around it aside;
// nothing for any other text.
std::optional<int> quantityOf(std::string_view text);

}  // namespace project
