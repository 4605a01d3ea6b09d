// The results report on the screen and on paper: line positions, columns and fonts of the worked
// examples, text placed by its top, the window's paint, the printed variant header, page break,
// resolution scaling and the whole print job into a PDF file.
#include <algorithm>
#include <functional>
#include <tuple>

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QImage>
#include <QAbstractButton>
#include <QFontMetrics>
#include <QList>
#include <QMessageBox>
#include <QPainter>
#include <QScrollArea>
#include <QScrollBar>
#include <QStringList>
#include <QTest>
#include <QTimer>
#include <QTranslator>

#include "app/qt_front_end.h"
#include "app/report_canvas.h"
#include "app/window_program.h"
#include "dialogs/forms/modal_form.h"
#include "window_fakes.h"

namespace {

// One call on a canvas: "height 20", "points 12", "text" with its position, or "new page".
struct CanvasCall {
    std::string Kind;
    int Value = 0, X = 0, Y = 0;
    std::string Text;
};

constexpr int kTallPage = 100000;  // dots: no page break

// Records the calls of either rendering; as a page, one `pageHeight` dots high at `dpi`.
class RecordingCanvas : public PageCanvas {
public:
    RecordingCanvas(int dpi, int pageHeight) : dpi_(dpi), pageHeight_(pageHeight) {}
    void SetFontHeight(int pixels) override { Calls.push_back({"height", pixels, 0, 0, ""}); }
    void SetFontPoints(int points) override { Calls.push_back({"points", points, 0, 0, ""}); }
    void TextOut(int x, int y, const std::string& text) override { Calls.push_back({"text", 0, x, y, text}); }
    int Resolution() const override { return dpi_; }
    int PageHeight() const override { return pageHeight_; }
    int LineHeight() const override { return 116 * dpi_ / 600; }  // a 12 point line
    void NewPage() override { Calls.push_back({"new page", 0, 0, 0, ""}); }

    std::vector<CanvasCall> Calls;

private:
    int dpi_, pageHeight_;
};

// The calls of the screen rendering, or of the printed one on a page `pageHeight` dots high at `dpi`.
std::vector<CanvasCall> Drawn(const CalcRecord& record, bool printed, int dpi = 600, int pageHeight = kTallPage)
{
    RecordingCanvas canvas(dpi, pageHeight);
    printed ? PrintReportPages(record, canvas) : PaintScreenReport(record, canvas);
    return canvas.Calls;
}
std::vector<CanvasCall> Painted(const CalcRecord& record) { return Drawn(record, false); }

// The distinct line positions in drawing order (cells of one line share their y); a new page is -1.
QList<int> LineTops(const std::vector<CanvasCall>& calls)
{
    QList<int> tops;
    bool pageBreak = false;
    for (const CanvasCall& call : calls) {
        if (call.Kind == "new page")
            tops.push_back(-1), pageBreak = true;
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
    for (const QString& cell : Line(calls, y))
        columns << cell.section(' ', 0, 0).toInt();
    return columns;
}

QList<int> Range(int first, int last, int step)
{
    QList<int> values;
    for (int value = first; value <= last; value += step)
        values << value;
    return values;
}

// Title to the storey table header of the worked example (round duct, rectangular grille): on
// the screen, and printed at 600 dpi.
const QList<int> kScreenHead = {50, 84, 101, 118, 135, 152, 186, 203, 220, 237, 254, 288, 305, 322, 339, 356, 373, 390, 407};
const QList<int> kPrintHead = {200,  380,  740,  980,  1100, 1220, 1340, 1580, 1700, 1820,
                               1940, 2060, 2420, 2540, 2660, 2780, 2900, 3020, 3140, 3260};

// A text as drawn, measured with the font it was drawn in: the page it stands on and its box.
struct DrawnText {
    int Page;
    QRect Box;
    QString Text;
};

// Passes every call on to the real canvas and measures each text with the painter's font.
class MeasuringCanvas : public PageCanvas {
public:
    MeasuringCanvas(ReportCanvas& canvas, PageCanvas* page, QPainter& painter) : canvas_(canvas), page_(page), painter_(painter) {}
    void SetFontHeight(int pixels) override { canvas_.SetFontHeight(pixels); }
    void SetFontPoints(int points) override { canvas_.SetFontPoints(points); }
    void TextOut(int x, int y, const std::string& text) override
    {
        canvas_.TextOut(x, y, text);
        const QFontMetrics metrics(painter_.font(), painter_.device());
        const QString shown = QString::fromStdString(text);
        Drawn.push_back({pages_, QRect(x, y, metrics.horizontalAdvance(shown), metrics.height()), shown});
    }
    int Resolution() const override { return page_->Resolution(); }
    int PageHeight() const override { return page_->PageHeight(); }
    int LineHeight() const override { return page_->LineHeight(); }
    void NewPage() override { page_->NewPage(), ++pages_; }

    std::vector<DrawnText> Drawn;

private:
    ReportCanvas& canvas_;
    PageCanvas* page_;
    QPainter& painter_;
    int pages_ = 0;
};

// Texts that run into the next text of their line, or out of `area` when it is not empty.
QStringList Overlaps(std::vector<DrawnText> drawn, const QRect& area)
{
    std::sort(drawn.begin(), drawn.end(), [](const DrawnText& a, const DrawnText& b) {
        return std::tuple(a.Page, a.Box.top(), a.Box.left()) < std::tuple(b.Page, b.Box.top(), b.Box.left());
    });
    QStringList faults;
    for (size_t i = 0; i < drawn.size(); ++i) {
        const DrawnText& cell = drawn[i];
        if (i + 1 < drawn.size() && drawn[i + 1].Page == cell.Page && drawn[i + 1].Box.top() == cell.Box.top() &&
            cell.Box.left() + cell.Box.width() >= drawn[i + 1].Box.left())
            faults << QStringLiteral("'%1' runs into '%2'").arg(cell.Text, drawn[i + 1].Text);
        if (!area.isEmpty() && !area.contains(cell.Box))
            faults << QStringLiteral("'%1' leaves the page").arg(cell.Text);
    }
    return faults;
}

// Rows of the first and last ink pixel in an image painted on white.
std::pair<int, int> InkRows(const QImage& image)
{
    int first = -1, last = -1;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qGray(image.pixel(x, y)) < 128) {
                first = first < 0 ? y : first;
                last = y;
                break;
            }
    return {first, last};
}

int PdfPages(const QByteArray& pdf) { return int(pdf.count("/Type /Page") - pdf.count("/Type /Pages")); }

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
    void linePositions_data()
    {
        QTest::addColumn<bool>("printed");
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("storeys");
        QTest::addColumn<bool>("roundDuct");
        QTest::addColumn<QList<int>>("tops");
        const QList<int> screenVariants = kScreenHead.mid(0, 12) + Range(305, 390, 17);
        QTest::newRow("screen, kind 1, 4 storeys") << false << 1 << 4 << true << (kScreenHead + Range(424, 492, 17));
        // The two duct lines (dimensions, equivalent diameter) push the rest down by one step.
        QTest::newRow("screen, kind 1, rectangular duct") << false << 1 << 4 << false
            << (QList<int>{50, 84, 101, 118, 135, 152, 169, 203, 220, 237, 254, 271, 305, 322, 339, 356, 373, 390, 407, 424} +
                Range(441, 509, 17));
        QTest::newRow("screen, kind 1, 30 storeys: 16 lines to 679") << false << 1 << 30 << true << (kScreenHead + Range(424, 679, 17));
        QTest::newRow("screen, kind 1, 8 storeys: one column") << false << 1 << 8 << true << (kScreenHead + Range(424, 560, 17));
        QTest::newRow("screen, kind 2: regulated block below") << false << 2 << 4 << true << (kScreenHead + Range(424, 577, 17));
        QTest::newRow("screen, kind 3: variant lines") << false << 3 << 4 << true << screenVariants;
        QTest::newRow("screen, kind 4: regulated variant lines") << false << 4 << 4 << true << screenVariants;
        QTest::newRow("screen, kind 0: nothing") << false << 0 << 4 << true << QList<int>{};
        QTest::newRow("paper, kind 0: nothing") << true << 0 << 4 << true << QList<int>{};
        QTest::newRow("paper, kind 1, 4 storeys") << true << 1 << 4 << true << (kPrintHead + Range(3380, 3860, 120));
        QTest::newRow("paper, kind 2, 99 storeys on a tall page") << true << 2 << 99 << true << (kPrintHead + Range(3380, 9860, 120));
        QTest::newRow("paper, kind 3: three header lines, a blank one, five values") << true << 3 << 4 << true
            << (kPrintHead.mid(0, 13) + QList<int>{2540, 2660, 2780} + Range(3020, 3500, 120));
        QTest::newRow("paper, kind 4: heading and five lines") << true << 4 << 4 << true << (kPrintHead.mid(0, 13) + Range(2540, 3140, 120));
    }

    void linePositions()
    {
        QFETCH(bool, printed);
        QFETCH(int, kind);
        QFETCH(int, storeys);
        QFETCH(bool, roundDuct);
        QFETCH(QList<int>, tops);
        const CalcRecord record = WorkedExample(storeys, kind, roundDuct);
        const std::vector<CanvasCall> calls = Drawn(record, printed);
        QCOMPARE(LineTops(calls), tops);
        QVERIFY(kind != 0 || printed || calls.empty());
    }

    void noTextRunsIntoAnother()
    {
        // Every report kind in the report's face, on the screen and on a 600-dpi A4 page; large
        // numbers make the value cells as wide as they get.
        QCOMPARE(ReportFontFamily(), DialogFont().family().toStdString());
        const std::string dir = ScratchDir("faces");
        for (int kind = 1; kind <= 4; ++kind) {
            CalcRecord record = WorkedExample(99, kind);
            record.FanPressure = 1234.56, record.RegulatedPressure = 987.65, record.BasePressure = 1111.11;
            record.SilencerPressure = 1010.1, record.VariantRegulatedPressure = 876.54;
            record.VariantRegulatedFlow = record.FanFlow * 0.7, record.RegulationVariant = 2;
            for (int i = 0; i <= 99; ++i)
                record.StoreyPressure[i] = 1000.0 + i;

            QImage screen(1200, 2000, QImage::Format_RGB32);
            QPainter screenPainter(&screen);
            QtReportCanvas window(screenPainter);
            MeasuringCanvas onScreen(window, nullptr, screenPainter);
            PaintScreenReport(record, onScreen);
            QVERIFY(!onScreen.Drawn.empty());
            QCOMPARE(Overlaps(onScreen.Drawn, QRect()).join("; "), QString());

            QPrinter printer(QPrinter::HighResolution);
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(QString::fromStdString(dir + "/kind" + std::to_string(kind) + ".pdf"));
            printer.setPageSize(QPageSize(QPageSize::A4));
            printer.setResolution(600);
            QPainter pagePainter(&printer);
            QtPageCanvas page(pagePainter, printer);
            MeasuringCanvas onPaper(page, &page, pagePainter);
            PrintReportPages(record, onPaper);
            QCOMPARE(Overlaps(onPaper.Drawn, QRect(0, 0, printer.width(), printer.height())).join("; "), QString());
        }
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
        // On paper the variant header takes three lines.
        const std::vector<CanvasCall> paper = Drawn(WorkedExample(4, 3), true);
        QCOMPARE(Line(paper, 2540), (QStringList{"2900 Wentylator", "3800 Wentylator"}));
        QCOMPARE(Line(paper, 2660), (QStringList{"2100 Wentylator", "2900 z podstawą", "3800 z tłumikiem"}));
        QCOMPARE(Line(paper, 2780), (QStringList{"2900 tłumiącą", "3800 cylindrycznym"}));
        QCOMPARE(Columns(paper, 3020), (QList<int>{200, 2100, 2900, 3800}));
    }

    void titleInTwentyBodyInTwelve()
    {
        // Screen: a one-line title at y 50 in 20 px; paper: a two-line title at 200 and 380 in 20 points.
        for (const bool printed : {false, true}) {
            int size = 0;
            QStringList titles;
            for (const CanvasCall& call : Drawn(WorkedExample(4), printed)) {
                if (call.Kind == (printed ? "points" : "height"))
                    size = call.Value;
                if (call.Kind != "text")
                    continue;
                const bool title = printed ? call.Y == 200 || call.Y == 380 : call.Y == 50;
                QVERIFY2(size == (title ? 20 : 12), qPrintable(QStringLiteral("line at %1 in size %2").arg(call.Y).arg(size)));
                if (title)
                    titles << QString::fromStdString(call.Text);
            }
            QCOMPARE(titles.size(), printed ? 2 : 1);
            if (printed) {
                QCOMPARE(titles[0], QStringLiteral("Program doboru wentylatorów dachowych "));
                QVERIFY(titles[1].startsWith(QStringLiteral("firmy KORALINEX sp z o.o. ")));
            }
        }
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
        // The commands end with FrontEnd::Repaint; the report area itself must be painted again.
        CalcRecord record = WorkedExample(4);
        FakeLauncher launcher;
        FakeOpener opener;
        FakeDialogs dialogs;
        const std::string dir = ScratchDir("paint");
        QtFrontEnd frontEnd(launcher, dir);
        TMainForm form(record, dir, frontEnd, {&launcher, &opener, &dialogs});
        frontEnd.SetMainForm(&form);
        form.setWindowState(Qt::WindowNoState);
        form.resize(808, 546);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        const QImage shown = form.ClientArea->grab().toImage();
        QCOMPARE(InkRows(shown.copy(0, 34, 400, 15)).first, -1);  // between tool bar and title
        QVERIFY2(InkRows(shown.copy(0, 50, 600, 20)).first >= 0, "the title is painted at y 50");

        QTest::qWait(50);
        bool painted = false;
        form.SetFirstPaintHook([&painted] { painted = true; });
        SetReportKind(record, 0);
        frontEnd.Repaint();
        QTRY_VERIFY(painted);
        QCOMPARE(InkRows(form.ClientArea->grab().toImage().copy(0, 40, 600, 400)).first, -1);
    }
    void reportAreaScrolls()
    {
        // A 99-storey report in the restored window: the area is as large as the report, so the
        // last storey line is reached by scrolling; the painted positions stay those of the report.
        TestWindow window("scroll", WorkedExample(99, 1));
        TMainForm& form = window.Form;
        form.setWindowState(Qt::WindowNoState);
        form.resize(808, 546);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        const QList<int> tops = LineTops(Painted(window.Record));
        const int lastBottom = tops.back() + 12;
        QVERIFY(form.ClientArea->height() > lastBottom && form.ClientArea->height() < lastBottom + 40);
        QScrollBar* vertical = form.ReportScroll->verticalScrollBar();
        vertical->setValue(vertical->maximum());
        QCoreApplication::processEvents();
        const int viewportHeight = form.ReportScroll->viewport()->height();
        QVERIFY(form.ClientArea->y() + lastBottom <= viewportHeight);
        QVERIFY2(InkRows(form.ClientArea->grab().toImage().copy(0, tops.back(), 400, 12)).first >= 0, "last line painted");
        QCOMPARE(form.SpeedBar->geometry(), QRect(0, 0, form.ReportScroll->viewport()->width(), 33));

        // Narrower than the report: it scrolls sideways too; emptied, the scroll bars go.
        form.resize(300, 546);
        QTRY_VERIFY(form.ReportScroll->horizontalScrollBar()->maximum() > 0);
        SetReportKind(window.Record, 0);
        form.Invalidate();
        QTRY_COMPARE(vertical->maximum(), 0);
    }

    void longReportGoesOnOnANewPage()
    {
        // A page 6600 dots high takes lines whose bottom stays within it: up to y 6484.
        const QList<int> expected = kPrintHead + Range(3380, 6380, 120) + QList<int>{-1} + Range(200, 2960, 120) +
                                    Range(3080, 3560, 120);
        QCOMPARE(LineTops(Drawn(WorkedExample(99, 2), true, 600, 6600)), expected);
    }

    void positionsScaleWithTheResolution()
    {
        for (int dpi : {300, 600, 1200}) {
            const std::vector<CanvasCall> calls = Drawn(WorkedExample(30), true, dpi);
            QList<int> tops = kPrintHead + Range(3380, 5180, 120), columns = {200, 1100, 2100, 2900};
            for (QList<int>* values : {&tops, &columns})
                for (int& value : *values)
                    value = value * dpi / 600;
            QCOMPARE(LineTops(calls), tops);
            QCOMPARE(Columns(calls, 3380 * dpi / 600), columns);
        }
    }

    void filePrintWritesPdfPages()
    {
        // Columns: report kind, storeys, pages (0: the print dialog is cancelled).
        const int rows[][3] = {{1, 4, 0}, {0, 4, 1}, {2, 99, 2}};
        for (const auto& [kind, storeys, pages] : rows) {
            TestWindow window("pdf", WorkedExample(storeys, kind));
            const QString pdf = QString::fromStdString(window.Dir + "/report.pdf");
            QPrinter printer(QPrinter::HighResolution);
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(pdf);
            printer.setPageSize(QPageSize(QPageSize::A4));
            window.Dialogs.PrintConfirmed = pages > 0 ? &printer : nullptr;
            window.Form.FilePrint();
            QCOMPARE(window.Dialogs.PrintDialogRuns, 1);
            QVERIFY(window.Dialogs.Messages.empty());
            QFile file(pdf);
            QCOMPARE(file.exists(), pages > 0);
            if (pages == 0)
                continue;
            QCOMPARE(printer.resolution(), 600);
            QVERIFY2(file.open(QIODevice::ReadOnly), "the PDF is written");
            const QByteArray bytes = file.readAll();
            QVERIFY(bytes.startsWith("%PDF"));
            QCOMPARE(PdfPages(bytes), pages);
        }
    }

    void realDialogs()
    {
        // Qt's own dialogs speak Polish: no English button text, and "Anuluj" to cancel.
        QTranslator polish;
        QVERIFY(InstallQtPolish(polish));
        QStringList english;
        const auto polishButtons = [&english](QDialog* dialog) {
            QStringList texts;
            for (const QAbstractButton* button : dialog->findChildren<QAbstractButton*>())
                if (button->isVisible())
                    texts << button->text().remove('&');
            for (const QString& text : texts)
                if (QStringList{"Cancel", "Save", "Print", "Yes", "No"}.contains(text))
                    english << dialog->metaObject()->className() + (": " + text);
            if (!texts.contains("Anuluj"))
                english << dialog->metaObject()->className() + QStringLiteral(" without Anuluj: ") + texts.join(',');
        };
        QWidget owner;
        QtSystemDialogs dialogs(&owner);
        AnswerNextDialog<QDialog>([&](QDialog* dialog) { polishButtons(dialog), dialog->reject(); });
        QVERIFY(dialogs.RunPrintDialog() == nullptr);
        AnswerNextDialog<QDialog>([&](QDialog* dialog) { polishButtons(dialog), dialog->reject(); });
        dialogs.RunPrintSetupDialog();
        QMessageBox question(QMessageBox::Question, "", "", QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        question.show();
        polishButtons(&question);

        // The save dialog, set up anew each time: overwriting confirmed, no read-only box.
        const std::string dir = ScratchDir("save_dialog");
        QStringList shown;
        const auto look = [&shown](QFileDialog* d) {
            shown << d->windowTitle() << d->nameFilters().join(';') << QString::number(d->acceptMode())
                  << QString::number(d->fileMode()) << d->directory().absolutePath()
                  << QString::number(d->testOption(QFileDialog::DontConfirmOverwrite) || d->testOption(QFileDialog::ReadOnly));
            d->setOption(QFileDialog::DontConfirmOverwrite);
        };
        AnswerNextDialog<QFileDialog>([&](QFileDialog* dialog) {
            look(dialog);
            dialog->selectFile(QString::fromStdString(dir + "/wykres"));
            static_cast<QDialog*>(dialog)->accept();  // QFileDialog::accept, checks included
        });
        QCOMPARE(dialogs.RunSaveDialog().value_or("cancelled"), dir + "/wykres");
        AnswerNextDialog<QFileDialog>([&](QFileDialog* dialog) { look(dialog), polishButtons(dialog), dialog->reject(); });
        QVERIFY(!dialogs.RunSaveDialog());
        const QStringList expected = {"Zapisz plik charakterystyki", "Pliki graficzne (*.gif)", QString::number(QFileDialog::AcceptSave),
                                      QString::number(QFileDialog::AnyFile), QDir::current().absolutePath(), "0"};
        QCOMPARE(shown, expected + expected);
        QCOMPARE(english, QStringList());
    }
};

QTEST_MAIN(WindowReportTest)
#include "window_report_test.moc"
