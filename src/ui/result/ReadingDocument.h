#pragma once

#include "core/numerology/Reading.h"

#include <QByteArray>
#include <QLocale>
#include <QPageSize>

#include <memory>

class QPagedPaintDevice;
class QTextDocument;

namespace ui {

// The whole of a computed reading for paper: a heading with the program, the
// name and the birth date; for the life path number and then the destiny
// number, its introduction, the number with its working, the personality text
// and the bead as the result page shows it, pictures included; the do's and
// don'ts at the end.
std::unique_ptr<QTextDocument> readingDocument(const core::Reading& reading);

// Lays the reading's document out on the pages of device, a PDF writer or a
// printer, with margins of its own and "Page 1 of 3" at the foot of each page.
// False when the device could not be painted on.
bool printReading(const core::Reading& reading, QPagedPaintDevice& device);

// The reading as the bytes of a PDF file, fonts embedded, on the paper of the
// locale; empty when the document could not be made.
QByteArray readingPdf(const core::Reading& reading);

// Letter where the locale measures in US units, A4 everywhere else.
QPageSize paperOfLocale(const QLocale& locale = QLocale());

} // namespace ui
