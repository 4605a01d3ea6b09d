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
#include <vector>

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

namespace {

// Where a line of the printed report goes: its page (from 0) and its top on the 600-dpi page.
struct PlacedLine {
    const ReportLine* Line;
    int Page;
    int Y;  // dots of a 600-dpi page
};

int PointsOf(const ReportLine& line)
{
    return line.Font == ReportFont::Title ? PrintLayout::TitlePoints : PrintLayout::BodyPoints;
}

// Lays the lines out on pages whose text must end `bottom` device units down. Blank lines are
// kept for the fonts they set. On every page after the first the title comes first again, then,
// when the line carried over is a table row, the heading of its table.
std::vector<PlacedLine> PlaceLines(const std::vector<ReportLine>& lines, const PageCanvas& canvas, int bottom)
{
    const int dpi = canvas.Resolution();
    std::vector<const ReportLine*> title;
    std::vector<const ReportLine*> heading;  // of the table being printed
    std::vector<PlacedLine> placed;
    int page = 0;
    int y = PrintLayout::Top;
    bool pageHasText = false;
    bool inHeading = false;
    for (const ReportLine& line : lines) {
        // Truncated to a whole dot; only the second title line (1.5 steps, 180) is fractional.
        const int advance = static_cast<int>(line.Advance * PrintLayout::Step);
        y += advance;
        if (line.Font == ReportFont::Title)
            title.push_back(&line);
        if (line.Role == ReportRole::TableHeading) {
            if (!inHeading)
                heading.clear();
            heading.push_back(&line);
        }
        inHeading = line.Role == ReportRole::TableHeading;
        if (!line.Cells.empty() && pageHasText &&
            ToDevice(y, dpi) + canvas.LineHeight(PointsOf(line)) > bottom) {
            ++page;
            y = PrintLayout::Top;
            for (size_t i = 0; i < title.size(); ++i) {
                y += i == 0 ? 0 : static_cast<int>(title[i]->Advance * PrintLayout::Step);
                placed.push_back({title[i], page, y});
            }
            y += 3 * PrintLayout::Step;  // as far below the title as the first page's text
            if (line.Role == ReportRole::TableRow && !heading.empty()) {
                for (size_t i = 0; i < heading.size(); ++i) {
                    y += i == 0 ? 0 : PrintLayout::Step;
                    placed.push_back({heading[i], page, y});
                }
                y += std::max(advance, PrintLayout::Step);
            }
        }
        placed.push_back({&line, page, y});
        pageHasText = pageHasText || !line.Cells.empty();
    }
    return placed;
}

}  // namespace

void PrintReportPages(const CalcRecord& record, PageCanvas& canvas)
{
    const std::vector<ReportLine> lines = BuildResultsReport(record, ReportRendering::Printer);
    const int dpi = canvas.Resolution();
    std::vector<PlacedLine> placed = PlaceLines(lines, canvas, canvas.PageHeight());
    // Several pages: each ends in its number, so the text keeps clear of the last line.
    const int footerHeight = canvas.LineHeight(PrintLayout::BodyPoints);
    const bool numbered = !placed.empty() && placed.back().Page > 0;
    if (numbered)
        placed = PlaceLines(lines, canvas, canvas.PageHeight() - 2 * footerHeight);
    const int pages = placed.empty() ? 1 : placed.back().Page + 1;
    const auto footer = [&](int page) {
        canvas.SetFontPoints(PrintLayout::BodyPoints);
        canvas.TextOut(ToDevice(PrintColumnX(ReportColumn::Label), dpi), canvas.PageHeight() - footerHeight,
                       "Strona " + std::to_string(page + 1) + " z " + std::to_string(pages));
    };
    int page = 0;
    for (const PlacedLine& at : placed) {
        if (at.Page != page) {
            footer(page);
            canvas.NewPage();
            page = at.Page;
        }
        canvas.SetFontPoints(PointsOf(*at.Line));
        for (const ReportCell& cell : at.Line->Cells)
            canvas.TextOut(ToDevice(PrintColumnX(cell.Column), dpi), ToDevice(at.Y, dpi), cell.Text);
    }
    if (numbered)
        footer(page);
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
int QtPageCanvas::LineHeight(int points) const
{
    QFont font = painter_.font();
    font.setPointSize(points);
    return QFontMetrics(font, painter_.device()).height();
}
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
