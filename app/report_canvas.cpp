// The window and printer renderings of the results report, and their QPainter canvases.
#include "app/report_canvas.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QImage>
#include <QSize>
#include <QPainter>
#include <QPrinter>
#include <QString>
#include <algorithm>
#include <cmath>

#include "dialogs/forms/modal_form.h"

namespace {

// A position of the 600-dpi page on a page of `dpi` dots per inch, rounded to a whole dot.
int ToDevice(int dots600, int dpi)
{
    return static_cast<int>(std::lround(static_cast<double>(dots600) * dpi / PrintLayout::Dpi));
}

void DrawTextTop(QPainter& painter, int x, int y, const std::string& text)
{
    // QPainter places text on its baseline; the report gives the top of the character cell.
    painter.drawText(x, y + painter.fontMetrics().ascent(), QString::fromStdString(text));
}

}  // namespace

int ScreenColumnX(ReportColumn column) { return ColumnPositionOf(column).ScreenX; }
int PrintColumnX(ReportColumn column) { return ColumnPositionOf(column).PrintX; }

void PaintScreenReport(const CalcRecord& record, ReportCanvas& canvas)
{
    int y = ScreenLayout::Top;
    for (const ReportLine& line : BuildResultsReport(record, ReportRendering::Screen)) {
        y += static_cast<int>(line.Advance * ScreenLayout::Step);
        // The height is set again for every line, title or body.
        canvas.SetFontHeight(line.Font == ReportFont::Title ? ScreenLayout::TitleHeight
                                                            : ScreenLayout::BodyHeight);
        for (const ReportCell& cell : line.Cells)
            canvas.TextOut(ScreenColumnX(cell.Column), y, cell.Text);
    }
}

void PrintReportPages(const CalcRecord& record, PageCanvas& canvas)
{
    const int dpi = canvas.Resolution();
    int y = PrintLayout::Top;  // dots of a 600-dpi page
    bool pageHasText = false;
    for (const ReportLine& line : BuildResultsReport(record, ReportRendering::Printer)) {
        // Truncated to a whole dot; only the second title line (1.5 steps, 180) is fractional.
        y += static_cast<int>(line.Advance * PrintLayout::Step);
        canvas.SetFontPoints(line.Font == ReportFont::Title ? PrintLayout::TitlePoints
                                                            : PrintLayout::BodyPoints);
        if (line.Cells.empty())
            continue;
        // A line that would reach below the printable area goes on the next page, at the top.
        if (pageHasText && ToDevice(y, dpi) + canvas.LineHeight() > canvas.PageHeight()) {
            canvas.NewPage();
            y = PrintLayout::Top;
        }
        for (const ReportCell& cell : line.Cells)
            canvas.TextOut(ToDevice(PrintColumnX(cell.Column), dpi), ToDevice(y, dpi), cell.Text);
        pageHasText = true;
    }
}

std::string ReportFontFamily()
{
    // The wider faces (DejaVu Sans) would run the labels into their values.
    static const std::string family = DialogFont().family().toStdString();
    return family;
}

QSize ScreenReportSize(const CalcRecord& record)
{
    QImage scratch(1, 1, QImage::Format_RGB32);
    QPainter painter(&scratch);
    QtReportCanvas canvas(painter);
    PaintScreenReport(record, canvas);
    const int margin = ScreenColumnX(ReportColumn::Label);
    return QSize(canvas.Right() + margin, canvas.Bottom() + margin);
}

QtReportCanvas::QtReportCanvas(QPainter& painter) : painter_(painter)
{
    QFont font(QString::fromStdString(ReportFontFamily()));
    font.setStyleHint(QFont::SansSerif);
    painter_.setFont(font);
    // Text cells are drawn on an opaque white background, as on the window.
    painter_.setBackgroundMode(Qt::OpaqueMode);
    painter_.setBackground(Qt::white);
}

void QtReportCanvas::SetFontHeight(int pixels)
{
    // The height asked for is the character cell (ascent + descent), while Qt's pixel size is
    // the em. The em is scaled by the face's own cell-to-em ratio so that the cell comes out at
    // the height asked for and the labels keep clear of the value column.
    QFont font = painter_.font();
    font.setPixelSize(pixels);
    const QFontMetricsF metrics(font, painter_.device());
    const double cell = metrics.ascent() + metrics.descent();
    if (cell > 0)
        font.setPixelSize(std::max(1, static_cast<int>(std::lround(pixels * pixels / cell))));
    painter_.setFont(font);
}

void QtReportCanvas::SetFontPoints(int points)
{
    QFont font = painter_.font();
    font.setPointSize(points);
    painter_.setFont(font);
}

void QtReportCanvas::TextOut(int x, int y, const std::string& text)
{
    DrawTextTop(painter_, x, y, text);
    const QFontMetrics metrics = painter_.fontMetrics();
    right_ = std::max(right_, x + metrics.horizontalAdvance(QString::fromStdString(text)));
    bottom_ = std::max(bottom_, y + metrics.height());
}

QtPageCanvas::QtPageCanvas(QPainter& painter, QPrinter& printer) : painter_(painter), printer_(printer)
{
    QFont font(QString::fromStdString(ReportFontFamily()));
    font.setStyleHint(QFont::SansSerif);
    painter_.setFont(font);
}

void QtPageCanvas::SetFontHeight(int pixels)
{
    QFont font = painter_.font();
    font.setPixelSize(pixels);
    painter_.setFont(font);
}

void QtPageCanvas::SetFontPoints(int points)
{
    // Points are resolved against the printer's resolution by the painter.
    QFont font = painter_.font();
    font.setPointSize(points);
    painter_.setFont(font);
}

void QtPageCanvas::TextOut(int x, int y, const std::string& text)
{
    DrawTextTop(painter_, x, y, text);
}

int QtPageCanvas::Resolution() const { return printer_.resolution(); }
int QtPageCanvas::PageHeight() const { return printer_.height(); }
int QtPageCanvas::LineHeight() const { return painter_.fontMetrics().height(); }
void QtPageCanvas::NewPage() { printer_.newPage(); }

bool PrintResultsReport(const CalcRecord& record, QPrinter& printer)
{
    // The page positions are those of a 600-dpi page; a PDF gets exactly that resolution.
    if (printer.outputFormat() == QPrinter::PdfFormat)
        printer.setResolution(PrintLayout::Dpi);
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    QtPageCanvas canvas(painter, printer);
    PrintReportPages(record, canvas);
    return painter.end();
}
