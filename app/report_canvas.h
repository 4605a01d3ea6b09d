// The two renderings of the results report: drawn in the main window and printed on pages. Both
// draw through a small canvas interface, so the tests record every call and the window and the
// printer share one drawing routine each.
#pragma once

#include <string>

#include "model/calc_record.h"
#include "output/report.h"

class QPainter;
class QSize;
class QPrinter;

// Where the report text goes. Coordinates are device units with y the TOP of the text.
class ReportCanvas {
public:
    virtual ~ReportCanvas() = default;
    virtual void SetFontHeight(int pixels) = 0;  // character cell height, screen pixels
    virtual void SetFontPoints(int points) = 0;  // font size in points
    virtual void TextOut(int x, int y, const std::string& text) = 0;  // UTF-8
};

// A printer page: its resolution, its printable height and how to go on to the next page.
class PageCanvas : public ReportCanvas {
public:
    virtual int Resolution() const = 0;  // dots per inch
    virtual int PageHeight() const = 0;  // printable height, device units
    virtual int LineHeight(int points) const = 0;  // height of a line in the face at `points`, device units
    virtual void NewPage() = 0;
};

// Window geometry, in client-area pixels.
struct ScreenLayout {
    static constexpr int Top = 50;          // first (title) line; clears the 33 px tool bar
    static constexpr int Step = 17;         // one line step
    static constexpr int TitleHeight = 20;  // character cell height of the title font
    static constexpr int BodyHeight = 12;   // character cell height of the body font
};

// Page geometry in dots of a 600-dpi page; other resolutions are scaled by dpi / 600.
struct PrintLayout {
    static constexpr int Dpi = 600;
    static constexpr int Top = 200;         // first title line, and the top of every further page
    static constexpr int Step = 120;        // one line step
    static constexpr int TitlePoints = 20;
    static constexpr int BodyPoints = 12;
};

int ScreenColumnX(ReportColumn column);  // px
int PrintColumnX(ReportColumn column);   // dots of a 600-dpi page

// Draws the Screen rendering of the record; nothing for report kind 0.
void PaintScreenReport(const CalcRecord& record, ReportCanvas& canvas);

// Draws the Printer rendering of the record. A line that would reach below the printable height
// starts a new page; a report of several pages repeats its title at the top of every further
// page, with the heading of the table whose rows run on, and ends each page with "Strona k z n".
void PrintReportPages(const CalcRecord& record, PageCanvas& canvas);

// The face of both renderings, by the dialogs' rule: "MS Sans Serif" where the system has it,
// otherwise a face of the same widths (Arial, then Liberation Sans), otherwise the system's face.
std::string ReportFontFamily();

// The size of the Screen rendering of the record in the window, in pixels: from the client area's
// top left corner to the right end of its widest text and the bottom of its last line, with a
// margin as wide as the label column's.
QSize ScreenReportSize(const CalcRecord& record);

// QPainter implementation for the window. Qt has no call that sets the character cell height
// (ascent + descent) directly; it is approximated with QFont::setPixelSize, scaled by the face's
// cell-to-em ratio so that the cell comes out at the height asked for.
class QtReportCanvas : public ReportCanvas {
public:
    explicit QtReportCanvas(QPainter& painter);
    void SetFontHeight(int pixels) override;
    void SetFontPoints(int points) override;
    void TextOut(int x, int y, const std::string& text) override;

    // Right and bottom edges of all text drawn so far (0 before any).
    int Right() const { return right_; }
    int Bottom() const { return bottom_; }

private:
    QPainter& painter_;
    int right_ = 0, bottom_ = 0;
};

// QPainter implementation for a printer that the painter has already begun on. The face is set
// once for the whole job; sizes in points keep their physical size at any resolution.
class QtPageCanvas : public PageCanvas {
public:
    QtPageCanvas(QPainter& painter, QPrinter& printer);
    void SetFontHeight(int pixels) override;
    void SetFontPoints(int points) override;
    void TextOut(int x, int y, const std::string& text) override;
    int Resolution() const override;
    int PageHeight() const override;
    int LineHeight(int points) const override;
    void NewPage() override;

private:
    QPainter& painter_;
    QPrinter& printer_;
};

// Prints the record's report on the printer (one job); false when the job cannot be started.
// A PDF printer is set to 600 dpi first.
bool PrintResultsReport(const CalcRecord& record, QPrinter& printer);
