// A 口算 sheet on paper: its problem pages, each with a header for the pupil's name,
// class, date and time taken, the sheet's code and a QR code of it, and then its answer
// pages. The QR library is loaded when the first code is drawn.
#pragma once

#include <QImage>
#include <QString>
#include <string>
#include <vector>

#include "drills/sheet.h"

class QPagedPaintDevice;
class QWidget;

namespace velunda::ui {

// The QR code of the text, one pixel a module, black on white; a null image where the
// QR library is not installed.
QImage QrCode(const std::string& text);

// Draws the sheet's pages, then its answer pages, onto the device (a PDF or a printer).
void DrawSheet(QPagedPaintDevice& device, const SheetPlan& plan, const std::vector<Problem>& problems);

// The sheet as a PDF in that file, written whole or not at all; an empty text, or the
// message saying why it could not be written.
QString WriteSheetPdf(const QString& path, const SheetPlan& plan, const std::vector<Problem>& problems);

// The dialog of 打印口算题卡…: the set and the number of pages, then a PDF or the printer.
void PrintSheetDialog(QWidget* parent);
// The dialog of 录入题卡成绩…: the sheet's code, the problems answered wrong, the time
// taken; the answers go into the history as a sheet's.
void EnterSheetDialog(QWidget* parent);

}  // namespace velunda::ui
