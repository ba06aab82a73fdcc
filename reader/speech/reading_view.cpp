#include "speech/reading_view.h"

ReadingView::~ReadingView() = default;
