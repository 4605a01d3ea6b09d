// The results report on the screen and on paper: line positions and columns of the worked
// examples, fonts per line, nothing for report kind 0, text placed by its top, the window's own
// paint; the three-line header of the printed variant table, the page break of a long report,
// scaling to other resolutions, and the whole print job through FilePrint into a PDF file.
#include <functional>

#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QFileDialog>
#include <QImage>
#include <QList>
#include <QPainter>
#include <QStringList>
#include <QTest>
#include <QTimer>

#include "app/qt_front_end.h"
#include "app/report_canvas.h"
#include "window_fakes.h"

namespace {

// One call on a canvas: "height 20", "points 12", "text" with its position, or "new page".
struct CanvasCall {
    std::string Kind;
    int Value = 0;
    int X = 0;
    int Y = 0;
    std::string Text;
};

constexpr int kTallPage = 100000;  // dots: no page break
constexpr int kBodyLine = 116;     // dots: a 12 point line at 600 dpi

// Records the calls of either rendering; as a page, one `pageHeight` dots high at `dpi`.
class RecordingCanvas : public PageCanvas {
public:
    explicit RecordingCanvas(int dpi = 600, int pageHeight = kTallPage) : dpi_(dpi), pageHeight_(pageHeight) {}
    void SetFontHeight(int pixels) override { Calls.push_back({"height", pixels, 0, 0, ""}); }
    void SetFontPoints(int points) override { Calls.push_back({"points", points, 0, 0, ""}); }
    void TextOut(int x, int y, const std::string& text) override { Calls.push_back({"text", 0, x, y, text}); }
    int Resolution() const override { return dpi_; }
    int PageHeight() const override { return pageHeight_; }
    int LineHeight() const override { return kBodyLine * dpi_ / 600; }
    void NewPage() override { Calls.push_back({"new page", 0, 0, 0, ""}); }

    std::vector<CanvasCall> Calls;

private:
    int dpi_;
    int pageHeight_;
};

// The distinct line positions in drawing order (cells of one line share their y); a new page
// shows as -1.
QList<int> LineTops(const std::vector<CanvasCall>& calls)
{
    QList<int> tops;
    bool pageBreak = false;
    for (const CanvasCall& call : calls) {
        if (call.Kind == "new page") {
            tops.push_back(-1);
            pageBreak = true;
        }
        if (call.Kind != "text")
            continue;
        if (pageBreak || tops.empty() || tops.back() != call.Y)
            tops.push_back(call.Y);
        pageBreak = false;
    }
    return tops;
}

// The cells of the line at `y`, as "x text", and their x alone.
QStringList Line(const std::vector<CanvasCall>& calls, int y)
{
    QStringList cells;
    for (const CanvasCall& call : calls)
        if (call.Kind == "text" && call.Y == y)
            cells << QStringLiteral("%1 %2").arg(call.X).arg(QString::fromStdString(call.Text));
    return cells;
}

QList<int> Columns(const std::vector<CanvasCall>& calls, int y)
{
    QList<int> columns;
    for (const CanvasCall& call : calls)
        if (call.Kind == "text" && call.Y == y)
            columns << call.X;
    return columns;
}

QList<int> Range(int first, int last, int step)
{
    QList<int> values;
    for (int value = first; value <= last; value += step)
        values << value;
    return values;
}

// Title to the storey table header of the worked example: round duct, rectangular grille.
const QList<int> kScreenHead = {50, 84, 101, 118, 135, 152, 186, 203, 220, 237, 254, 288,
                                305, 322, 339, 356, 373, 390, 407};

std::vector<CanvasCall> Painted(const CalcRecord& record)
{
    RecordingCanvas canvas;
    PaintScreenReport(record, canvas);
    return canvas.Calls;
}

// Rows of the first and last ink pixel in an image painted on white.
std::pair<int, int> InkRows(const QImage& image)
{
    int first = -1;
    int last = -1;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qGray(image.pixel(x, y)) < 128) {
                if (first < 0)
                    first = y;
                last = y;
                break;
            }
    return {first, last};
}

// Title lines to the storey table header of the worked example (round duct), 600 dpi.
const QList<int> kPrintHead = {200, 380, 740, 980, 1100, 1220, 1340, 1580, 1700, 1820, 1940, 2060,
                               2420, 2540, 2660, 2780, 2900, 3020, 3140, 3260};

std::vector<CanvasCall> Printed(const CalcRecord& record, int dpi = 600, int pageHeight = kTallPage)
{
    RecordingCanvas canvas(dpi, pageHeight);
    PrintReportPages(record, canvas);
    return canvas.Calls;
}

QList<int> Scaled(const QList<int>& values, int dpi)
{
    QList<int> scaled;
    for (int value : values)
        scaled << value * dpi / 600;
    return scaled;
}

int PdfPages(const QByteArray& pdf)
{
    return int(pdf.count("/Type /Page\n") + pdf.count("/Type /Page\r") + pdf.count("/Type /Page ") +
               pdf.count("/Type /Page/") + pdf.count("/Type /Page>"));
}

// Answers the next modal dialog with `answer` as soon as it shows.
template <typename Dialog>
void AnswerNextDialog(std::function<void(Dialog*)> answer)
{
    QTimer::singleShot(0, [answer] {
        if (auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget()))
            answer(dialog);
    });
}

}  // namespace

class WindowReportTest : public QObject {
    Q_OBJECT

private slots:
    void screenLinePositions_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("storeys");
        QTest::addColumn<bool>("roundDuct");
        QTest::addColumn<QList<int>>("tops");

        QTest::newRow("kind 1, 4 storeys, round duct") << 1 << 4 << true << (kScreenHead + Range(424, 492, 17));
        // The two duct lines (dimensions, equivalent diameter) push the rest down by one step.
        QTest::newRow("kind 1, 4 storeys, rectangular duct")
            << 1 << 4 << false
            << (QList<int>{50, 84, 101, 118, 135, 152, 169, 203, 220, 237, 254, 271, 305, 322, 339, 356, 373, 390, 407,
                           424} + Range(441, 509, 17));
        QTest::newRow("kind 1, 30 storeys: 16 table lines to 679")
            << 1 << 30 << true << (kScreenHead + Range(424, 679, 17));
        QTest::newRow("kind 1, 8 storeys: one column of 9 rows") << 1 << 8 << true << (kScreenHead + Range(424, 560, 17));
        QTest::newRow("kind 2, 4 storeys: regulated block below the table")
            << 2 << 4 << true << (kScreenHead + Range(424, 577, 17));
        QTest::newRow("kind 3: headers and five variant lines")
            << 3 << 4 << true << (kScreenHead.mid(0, 12) + Range(305, 390, 17));
        QTest::newRow("kind 4: heading and five regulated lines")
            << 4 << 4 << true << (kScreenHead.mid(0, 12) + Range(305, 390, 17));
        QTest::newRow("kind 0: nothing") << 0 << 4 << true << QList<int>{};
    }

    void screenLinePositions()
    {
        QFETCH(int, kind);
        QFETCH(int, storeys);
        QFETCH(bool, roundDuct);
        QFETCH(QList<int>, tops);
        const std::vector<CanvasCall> calls = Painted(WorkedExample(storeys, kind, roundDuct));
        QCOMPARE(LineTops(calls), tops);
        QVERIFY(kind != 0 || calls.empty());
    }

    void cellsStandAtTheirColumns()
    {
        const std::vector<CanvasCall> calls = Painted(WorkedExample(30));
        QVERIFY(Line(calls, 50).value(0).startsWith(QStringLiteral("20 Program doboru wentylatorów dachowych firmy")));
        // First table line: storeys 1 and 2 side by side; the last holds storey 31 on the left only.
        QCOMPARE(Columns(calls, 424), (QList<int>{20, 120, 230, 330}));
        QCOMPARE(Line(calls, 424).value(0), QStringLiteral("20   1"));
        QCOMPARE(Line(calls, 424).value(2), QStringLiteral("230   2"));
        QCOMPARE(Columns(calls, 679), (QList<int>{20, 120}));
        QCOMPARE(Line(calls, 679).value(0), QStringLiteral("20 31"));

        const std::vector<CanvasCall> variants = Painted(WorkedExample(4, 3));
        QCOMPARE(Line(variants, 305), (QStringList{"230 Wentylator", "330 Wentylator z podstawą tłumiącą",
                                                   "530 Wentylator z tłumikiem cylindrycznym"}));
        QCOMPARE(Columns(variants, 322), (QList<int>{20, 230, 370, 570}));
    }

    void titleFontTwentyThenBodyTwelve()
    {
        int height = 0;
        int titleTexts = 0;
        for (const CanvasCall& call : Painted(WorkedExample(4))) {
            if (call.Kind == "height")
                height = call.Value;
            if (call.Kind != "text")
                continue;
            titleTexts += call.Y == 50 ? 1 : 0;
            QVERIFY2(height == (call.Y == 50 ? 20 : 12),
                     qPrintable(QStringLiteral("line at y %1 has height %2").arg(call.Y).arg(height)));
        }
        QCOMPARE(titleTexts, 1);
    }

    void textIsPlacedByItsTop()
    {
        // Capitals with accents may reach above a font's ascent; the cell top is set by the rest.
        for (int height : {20, 12}) {
            QImage image(300, 100, QImage::Format_RGB32);
            image.fill(Qt::white);
            {
                QPainter painter(&image);
                QtReportCanvas canvas(painter);
                canvas.SetFontHeight(height);
                canvas.TextOut(10, 40, "Dane ńłę gj");
            }
            const auto [first, last] = InkRows(image);
            const QByteArray what = "cell " + QByteArray::number(height) + " px, ink from row " +
                                    QByteArray::number(first) + " to " + QByteArray::number(last);
            QVERIFY2(first >= 40 && first <= 40 + height / 3 && last < 40 + height * 3 / 2, what);
        }
    }

    void windowPaintsTheRecord()
    {
        TestWindow window("paint");
        TMainForm& form = window.Form;
        form.setWindowState(Qt::WindowNoState);
        form.resize(808, 546);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));

        const QImage shown = form.ClientArea->grab().toImage();
        QCOMPARE(InkRows(shown.copy(0, 34, 400, 15)).first, -1);  // between tool bar and title
        QVERIFY2(InkRows(shown.copy(0, 50, 600, 20)).first >= 0, "the title is painted at y 50");

        SetReportKind(window.Record, 0);
        form.Invalidate();
        QCOMPARE(InkRows(form.ClientArea->grab().toImage().copy(0, 40, 600, 400)).first, -1);
    }

    void commandRepaintReachesTheReport()
    {
        // The commands end with FrontEnd::Repaint; the report area itself must be painted again.
        CalcRecord record = WorkedExample(4);
        FakeLauncher launcher;
        FakeOpener opener;
        FakeDialogs dialogs;
        const std::string dir = ScratchDir("repaint");
        QtFrontEnd frontEnd(launcher, dir);
        TMainForm form(record, dir, frontEnd, {&launcher, &opener, &dialogs});
        frontEnd.SetMainForm(&form);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QTest::qWait(50);
        bool painted = false;
        form.SetFirstPaintHook([&painted] { painted = true; });
        frontEnd.Repaint();
        QTRY_VERIFY(painted);
    }

    void printedLinePositions_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("storeys");
        QTest::addColumn<QList<int>>("tops");
        QTest::newRow("kind 0: no text") << 0 << 4 << QList<int>{};
        QTest::newRow("kind 1, 4 storeys") << 1 << 4 << (kPrintHead + Range(3380, 3860, 120));
        QTest::newRow("kind 2, 99 storeys on a tall page: table to 9260, block to 9860")
            << 2 << 99 << (kPrintHead + Range(3380, 9860, 120));
        QTest::newRow("kind 3: three header lines, a blank one, five values")
            << 3 << 4 << (kPrintHead.mid(0, 13) + QList<int>{2540, 2660, 2780} + Range(3020, 3500, 120));
        QTest::newRow("kind 4: heading and five regulated lines")
            << 4 << 4 << (kPrintHead.mid(0, 13) + Range(2540, 3140, 120));
    }

    void printedLinePositions()
    {
        QFETCH(int, kind);
        QFETCH(int, storeys);
        QFETCH(QList<int>, tops);
        QCOMPARE(LineTops(Printed(WorkedExample(storeys, kind))), tops);
    }

    void variantHeaderOnThreeLines()
    {
        const std::vector<CanvasCall> calls = Printed(WorkedExample(4, 3));
        QCOMPARE(Line(calls, 2540), (QStringList{"2900 Wentylator", "3800 Wentylator"}));
        QCOMPARE(Line(calls, 2660), (QStringList{"2100 Wentylator", "2900 z podstawą", "3800 z tłumikiem"}));
        QCOMPARE(Line(calls, 2780), (QStringList{"2900 tłumiącą", "3800 cylindrycznym"}));
        QCOMPARE(Columns(calls, 3020), (QList<int>{200, 2100, 2900, 3800}));
    }

    void titleOnTwoLinesInTwentyPoints()
    {
        int points = 0;
        QStringList titles;
        for (const CanvasCall& call : Printed(WorkedExample(4))) {
            if (call.Kind == "points")
                points = call.Value;
            if (call.Kind != "text")
                continue;
            const bool title = call.Y == 200 || call.Y == 380;
            QVERIFY2(points == (title ? 20 : 12),
                     qPrintable(QStringLiteral("line at %1 printed in %2 points").arg(call.Y).arg(points)));
            if (title)
                titles << QString::fromStdString(call.Text);
        }
        QCOMPARE(titles.size(), 2);
        QCOMPARE(titles[0], QStringLiteral("Program doboru wentylatorów dachowych "));
        QVERIFY(titles[1].startsWith(QStringLiteral("firmy KORALINEX sp z o.o. ")));
    }

    void longReportGoesOnOnANewPage()
    {
        // A page 6600 dots high takes lines whose bottom stays within it: up to y 6484.
        const QList<int> expected = kPrintHead + Range(3380, 6380, 120) + QList<int>{-1} + Range(200, 2960, 120) +
                                    Range(3080, 3560, 120);
        QCOMPARE(LineTops(Printed(WorkedExample(99, 2), 600, 6600)), expected);
    }

    void positionsScaleWithTheResolution()
    {
        for (int dpi : {300, 600, 1200}) {
            const std::vector<CanvasCall> calls = Printed(WorkedExample(30), dpi);
            QCOMPARE(LineTops(calls), Scaled(kPrintHead + Range(3380, 5180, 120), dpi));
            QCOMPARE(Columns(calls, 3380 * dpi / 600), Scaled({200, 1100, 2100, 2900}, dpi));
        }
    }

    void filePrintWritesPdfPages_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("storeys");
        QTest::addColumn<int>("pages");  // 0: the print dialog is cancelled
        QTest::newRow("cancelled") << 1 << 4 << 0;
        QTest::newRow("kind 0: one empty page") << 0 << 4 << 1;
        QTest::newRow("kind 1, 4 storeys: one page") << 1 << 4 << 1;
        QTest::newRow("kind 2, 99 storeys: two pages") << 2 << 99 << 2;
    }

    void filePrintWritesPdfPages()
    {
        QFETCH(int, kind);
        QFETCH(int, storeys);
        QFETCH(int, pages);
        TestWindow window(std::string("pdf_") + QTest::currentDataTag(), WorkedExample(storeys, kind));
        const QString pdf = QString::fromStdString(window.Dir + "/report.pdf");
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        printer.setPageSize(QPageSize(QPageSize::A4));
        if (pages > 0)
            window.Dialogs.PrintConfirmed = &printer;
        window.Form.FilePrint();

        QCOMPARE(window.Dialogs.PrintDialogRuns, 1);
        QVERIFY(window.Dialogs.Messages.empty());
        QFile file(pdf);
        if (pages == 0) {
            QVERIFY(!file.exists());
            return;
        }
        QCOMPARE(printer.resolution(), 600);
        QVERIFY2(file.open(QIODevice::ReadOnly), "the PDF is written");
        const QByteArray bytes = file.readAll();
        QVERIFY(bytes.startsWith("%PDF"));
        QCOMPARE(PdfPages(bytes), pages);
    }

    void realDialogs()
    {
        QWidget owner;
        QtSystemDialogs dialogs(&owner);
        AnswerNextDialog<QDialog>([](QDialog* dialog) { dialog->reject(); });
        QVERIFY(dialogs.RunPrintDialog() == nullptr);

        const std::string dir = ScratchDir("save_dialog");
        AnswerNextDialog<QFileDialog>([&dir](QFileDialog* dialog) {
            dialog->selectFile(QString::fromStdString(dir + "/wykres"));
            static_cast<QDialog*>(dialog)->accept();  // QFileDialog::accept, checks included
        });
        QCOMPARE(dialogs.RunSaveDialog().value_or("cancelled"), dir + "/wykres");
        AnswerNextDialog<QDialog>([](QDialog* dialog) { dialog->reject(); });
        QVERIFY(!dialogs.RunSaveDialog());
    }
};

QTEST_MAIN(WindowReportTest)
#include "window_report_test.moc"
