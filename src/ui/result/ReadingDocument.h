#pragma once

#include "core/numerology/Reading.h"

#include <QByteArray>
#include <QPageLayout>

class QPagedPaintDevice;

namespace ui {

// The whole of a computed reading on paper: a heading with the program, the
// name and the birth date; for the life path number and then the destiny
// number, its introduction, the number with its working, the personality text
// and the bead as the result page shows it, pictures included; the chart: the
// birth number's page likewise, every number in a table, the Lo Shu grid with
// its lines and notes, and the rules; the do's and don'ts at the end.

// Lays the reading out on the pages of device, a PDF writer or a printer, with
// margins of its own and "Page 1 of 3" at the foot of each page. False when
// the device could not be painted on.
bool printReadingOn(const core::Reading& reading, QPagedPaintDevice& device);

// The reading as the bytes of a PDF file, fonts embedded, on Letter paper
// where the locale measures in US units and A4 elsewhere; empty when the
// document could not be made.
QByteArray readingPdf(const core::Reading& reading);

// The same on the paper and in the orientation of page (a printer's).
QByteArray readingPdf(const core::Reading& reading, const QPageLayout& page);

} // namespace ui
