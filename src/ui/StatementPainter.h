#pragma once
#include <QString>

class QPagedPaintDevice;

namespace tw {
struct StatementDocument;

// Draws the statement on the pages of a PDF writer or a printer: real text, a chart
// of the use per month against the degree days, and the page number on each page.
// False when the device cannot be drawn on (a file that cannot be written).
bool PaintStatement(const StatementDocument& doc, QPagedPaintDevice& device);

// Writes the statement as an A4 PDF file; empty on success, else why not.
QString WriteStatementPdf(const StatementDocument& doc, const QString& path);

}  // namespace tw
