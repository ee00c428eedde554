#pragma once

#include <QString>
#include <QWidget>
#include <functional>

namespace tarvo {

// What a screen reader finds on the board picture: a table of 8 x 8 cells,
// each named by `cellName(row, column)`, rows and columns from 1. Call it
// before anything asks for the picture's accessible interface.
void MakeBoardAccessible(QWidget* board, std::function<QString(int, int)> cellName);

// Moves a screen reader's attention to the cell under the keyboard's frame.
void FocusBoardCell(QWidget* board, int row, int col);

} // namespace tarvo
