#pragma once

#include <QLabel>
#include <functional>

// Makes a label act as a link: a left click on it, or Enter or Space while
// it has the keyboard focus (Tab reaches it), runs activate. The label's
// text becomes its accessible name, so a screen reader announces it.
void makeLabelLink(QLabel *label, std::function<void()> activate);
