#pragma once

class QLayout;
class QWidget;

// Enter and Tab walk a window's controls in reading order, taken from its layout: boxes and
// form rows in order, a grid row by row. A grid marked with MarkColumns is read column by
// column instead (the two-column entry windows): the left column top to bottom, a field
// spanning the columns where it stands, then the right column. Group boxes and tab pages
// are read where they stand. So a window gets its order from how it is laid out and needs
// no list of its own.
void SetTabOrderFromLayout(QWidget* window);

void MarkColumns(QLayout* grid);
