#pragma once

#include <QLabel>

// Windows laid out for one face may get a wider one here (a substituted
// Tahoma or Times New Roman): a label that would run past right is shown in
// a smaller size of its font, never cut off. Call after setting the text.
inline void fitLabelWidth(QLabel *label, int right)
{
    label->adjustSize();
    QFont font = label->font();
    while (label->geometry().right() > right && font.pointSizeF() > 6) {
        font.setPointSizeF(font.pointSizeF() - 0.5);
        label->setFont(font);
        label->adjustSize();
    }
}

// The same for a label whose place is fixed (a caption over its bar): its
// text, in whatever language, is shown whole in a smaller size of its font
// where the room is too narrow for it.
inline void fitLabelText(QLabel *label)
{
    QFont font = label->font();
    while (QFontMetrics(font).horizontalAdvance(label->text()) > label->contentsRect().width() && font.pointSizeF() > 6) {
        font.setPointSizeF(font.pointSizeF() - 0.5);
        label->setFont(font);
    }
}
