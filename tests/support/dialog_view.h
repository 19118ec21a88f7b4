#pragma once
// What tests read of the main window that it shows only as pixels: the text and the colours of its
// segment display.
#include "app/TallyburnDialog.h"

struct TallyburnDialogView {
    static const CSegmentDisplay& Display(const CTallyburnDialog& dialog) { return dialog.m_display; }
};
