#pragma once

class QWidget;

namespace ui {

// A control's place on its window, in twips.
struct TwipsBox
{
    int left;
    int top;
    int width;
    int height;
};

struct TwipsSize
{
    int width;
    int height;
};

void place(QWidget *control, const TwipsBox &box);
void setClientSize(QWidget *window, const TwipsSize &size);

} // namespace ui
