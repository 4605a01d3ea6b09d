// The results report on the screen and on paper: every call of both renderings against golden
// dumps (positions, columns, fonts, page breaks, resolution scaling), no text running into another
// on the screen in the real fonts, the window's paint and scrolling, the whole print job into a PDF
// file, Qt's own dialogs in Polish and the program's message box.
#include <QDir>
#include <QFileDialog>
#include <QFontMetrics>
#include <QPainter>
#include <QScrollArea>
#include <QScrollBar>
#include <QTranslator>

#include "app/report_canvas.h"
#include "app/window_program.h"
#include "window_fakes.h"

namespace {

// Records every call of either rendering as a line of text; as a page, `pageHeight` dots high at `dpi`.
class RecordingCanvas : public PageCanvas {
public:
    RecordingCanvas(int dpi, int pageHeight) : dpi_(dpi), pageHeight_(pageHeight) {}
    void SetFontHeight(int pixels) override { Dump += "height " + std::to_string(pixels) + "\n"; }
    void SetFontPoints(int points) override { Dump += "points " + std::to_string(points) + "\n"; }
    void TextOut(int x, int y, const std::string& text) override
    {
        Dump += std::to_string(x) + "," + std::to_string(y) + " " + text + "\n";
        LastTop = y;
    }
    int Resolution() const override { return dpi_; }
    int PageHeight() const override { return pageHeight_; }
    int LineHeight(int points) const override { return points * 29 / 3 * dpi_ / 600; }  // 116 dots at 12 points
    void NewPage() override { Dump += "new page\n"; }

    std::string Dump;
    int LastTop = -1;

private:
    int dpi_, pageHeight_;
};

// The window's or the page's canvas, measuring each text with the painter's font: a text that runs
// into the one before it on its line (cells come from left to right) is a fault.
template <typename Canvas>
class MeasuringCanvas : public Canvas {
public:
    template <typename... Device>
    explicit MeasuringCanvas(QPainter& painter, Device&... device) : Canvas(painter, device...), painter_(painter)
    {
    }
    void TextOut(int x, int y, const std::string& text) override
    {
        Canvas::TextOut(x, y, text);
        if (y == lastY_ && x <= lastRight_)
            Faults << QString::fromStdString(lastText_ + " runs into " + text);
        const QFontMetrics metrics(painter_.font(), painter_.device());
        lastRight_ = x + metrics.horizontalAdvance(QString::fromStdString(text));
        lastY_ = y;
        lastText_ = text;
    }
    QStringList Faults;

private:
    QPainter& painter_;
    int lastY_ = -1, lastRight_ = 0;
    std::string lastText_;
};

// The first row with ink in an image painted on white; -1 for none.
int FirstInkRow(const QImage& image)
{
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qGray(image.pixel(x, y)) < 128)
                return y;
    return -1;
}

}  // namespace

class WindowReportTest : public QObject {
    Q_OBJECT

private slots:
    void everyCallOfBothRenderings()
    {
        // Columns: golden name, report kind, storeys, round duct, dots per inch (0: on the screen),
        // page height in dots (a page 6600 dots high takes lines whose bottom stays within it).
        const int tall = 100000;  // dots: no page break
        const std::tuple<const char*, int, int, bool, int, int> rows[] = {
            {"screen_kind0", 0, 4, true, 0, 0},
            {"screen_kind1_8_storeys", 1, 8, true, 0, 0},
            {"screen_kind1_30_storeys_rectangular_duct", 1, 30, false, 0, 0},
            {"screen_kind2", 2, 4, true, 0, 0},
            {"screen_kind3", 3, 4, true, 0, 0},
            {"screen_kind4", 4, 4, true, 0, 0},
            {"screen_kind5", 5, 4, true, 0, 0},
            {"paper_kind0", 0, 4, true, 600, tall},
            {"paper_kind1_30_storeys_300_dpi", 1, 30, true, 300, tall},
            {"paper_kind1_30_storeys_1200_dpi", 1, 30, false, 1200, tall},
            {"paper_kind2_99_storeys", 2, 99, true, 600, tall},
            {"paper_kind2_99_storeys_page_break", 2, 99, true, 600, 6600},
            {"paper_kind3", 3, 4, true, 600, tall},
            {"paper_kind4", 4, 4, true, 600, tall},
            {"paper_kind5", 5, 4, true, 600, tall},
        };
        for (const auto& [name, kind, storeys, roundDuct, dpi, pageHeight] : rows) {
            CalcRecord record = SampleRecord(kind, storeys);
            record.DuctShape = roundDuct ? 1 : 0;
            RecordingCanvas canvas(dpi, pageHeight);
            dpi ? PrintReportPages(record, canvas) : PaintScreenReport(record, canvas);
            QCOMPARE(CompareWithGolden(std::string("app/canvas/") + name + ".txt", canvas.Dump), std::string());
        }
    }

    void noTextRunsIntoAnother()
    {
        // Every report kind in the report's face, on the screen and on a 600-dpi page; large numbers
        // make the value cells as wide as they get.
        QCOMPARE(ReportFontFamily(), DialogFont().family().toStdString());
        const auto measure = [](const CalcRecord& record) {
            QImage screen(1, 1, QImage::Format_RGB32);
            QPainter screenPainter(&screen);
            MeasuringCanvas<QtReportCanvas> canvas(screenPainter);
            PaintScreenReport(record, canvas);
            QCOMPARE(canvas.Faults.join("; "), QString());
            QPrinter printer(QPrinter::HighResolution);
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(QString::fromStdString(ScratchDir("faces") + "/page.pdf"));
            printer.setResolution(600);
            QPainter pagePainter(&printer);
            MeasuringCanvas<QtPageCanvas> page(pagePainter, printer);
            PrintReportPages(record, page);
            QCOMPARE(page.Faults.join("; "), QString());
        };
        for (int kind = 1; kind <= 4; ++kind) {
            CalcRecord record = SampleRecord(kind, 99);
            record.FanPressure = 1234.56;
            record.RegulatedPressure = 987.65;
            record.BasePressure = 1111.11;
            record.SilencerPressure = 1010.1;
            record.VariantRegulatedPressure = 876.54;
            record.VariantRegulatedFlow = record.FanFlow * 0.7;
            record.RegulationVariant = 2;
            for (int i = 0; i <= 99; ++i)
                record.StoreyPressure[i] = 1000.0 + i;
            measure(record);
            if (QTest::currentTestFailed())
                return;
        }
        // The commissioning settings of 99 storeys of LUMA 200 grilles, short of a large Qi at the
        // catalogue speed: the widest remarks.
        CalcRecord settings = SampleRecord(kCommissioningReport, 99);
        settings.InstallationKind = kAdjustableRoundGrille;
        settings.GrilleSizeA = 0.163;
        settings.GrilleArea = 3.141592653589793 * 0.163 * 0.163 * 0.25;
        settings.GrilleLossCoefficient = 11.4;
        settings.RequiredGrilleFlowHourly = 1000.0;
        measure(settings);
    }

    void windowPaintsTheRecord()
    {
        // A 99-storey report in the restored window, put together as at start-up: the area is as
        // large as the report, so the last storey line is reached by scrolling; the painted
        // positions stay those of the report.
        CalcRecord record = SampleRecord(1, 99);
        FakeLauncher launcher;
        WindowProgram program(record, ScratchDir("paint"), launcher);
        TMainForm& form = program.MainForm;
        form.setWindowState(Qt::WindowNoState);
        form.resize(808, 546);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        const QImage shown = form.ClientArea->grab().toImage();
        QCOMPARE(FirstInkRow(shown.copy(0, 34, 400, 15)), -1);  // between tool bar and title
        QVERIFY2(FirstInkRow(shown.copy(0, 50, 600, 20)) >= 0, "the title is painted at y 50");
        RecordingCanvas canvas(0, 0);
        PaintScreenReport(record, canvas);
        const int lastBottom = canvas.LastTop + 12;
        QVERIFY(form.ClientArea->height() > lastBottom && form.ClientArea->height() < lastBottom + 40);
        QScrollBar* vertical = form.ReportScroll->verticalScrollBar();
        vertical->setValue(vertical->maximum());
        QCoreApplication::processEvents();
        QVERIFY(form.ClientArea->y() + lastBottom <= form.ReportScroll->viewport()->height());
        QVERIFY2(FirstInkRow(form.ClientArea->grab().toImage().copy(0, canvas.LastTop, 400, 12)) >= 0, "last line painted");

        // The keys scroll the report. Columns: key, where the view then starts (-1: further down
        // than before, -2: further up than before).
        QVERIFY(QTest::qWaitForWindowActive(&form));
        const std::pair<Qt::Key, int> keys[] = {{Qt::Key_Home, 0}, {Qt::Key_Down, -1}, {Qt::Key_PageDown, -1},
                                                {Qt::Key_Up, -2}, {Qt::Key_PageUp, 0}, {Qt::Key_End, vertical->maximum()}};
        for (const auto& [key, expected] : keys) {
            const int before = vertical->value();
            QTest::keyClick(QApplication::focusWidget(), key);
            QVERIFY2(expected == -1 ? vertical->value() > before
                                    : expected == -2 ? vertical->value() < before : vertical->value() == expected,
                     qPrintable(QKeySequence(key).toString()));
        }
        // A message box closed, the keys go to the report again.
        ModalDriver driver;
        driver.Then("QMessageBox", [](QWidget* box) { box->close(); });
        driver.Drive([&] { return program.FrontEnd.ShowMessage("Krótko.", kMessageCaption), 0; });
        QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget*>(form.ReportScroll));

        // Narrower than the report: it scrolls sideways too. The commands end with
        // FrontEnd::Repaint: emptied, the area is painted again and the scroll bars go.
        form.resize(300, 546);
        QTRY_VERIFY(form.ReportScroll->horizontalScrollBar()->maximum() > 0);
        QTest::qWait(50);
        bool painted = false;
        form.SetFirstPaintHook([&painted] { painted = true; });
        SetReportKind(record, 0);
        program.FrontEnd.Repaint();
        QTRY_VERIFY(painted);
        QTRY_COMPARE(vertical->maximum(), 0);
        QCOMPARE(FirstInkRow(form.ClientArea->grab().toImage().copy(0, 40, form.ClientArea->width(), 200)), -1);
    }

    void filePrintWritesPdfPages()
    {
        // Columns: report kind, storeys, pages.
        const int rows[][3] = {{1, 4, 1}, {2, 99, 2}};
        for (const auto& [kind, storeys, pages] : rows) {
            TestWindow window("pdf", SampleRecord(kind, storeys));
            QPrinter printer(QPrinter::HighResolution);
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(QString::fromStdString(window.Dir + "/report.pdf"));
            printer.setPageSize(QPageSize(QPageSize::A4));
            window.Dialogs.PrintConfirmed = &printer;
            window.Form.FilePrint();
            QVERIFY(window.Dialogs.Messages.empty());
            QCOMPARE(printer.resolution(), 600);
            const std::string bytes = ReadFileForTest(window.Dir + "/report.pdf");
            QVERIFY(bytes.rfind("%PDF", 0) == 0);
            QCOMPARE(CountOf(bytes, "/Type /Page") - CountOf(bytes, "/Type /Pages"), pages);
        }
    }

    void realDialogs()
    {
        // Qt's own dialogs speak Polish ("Anuluj", no English button); the save dialog is set up
        // anew each time: overwriting confirmed, no read-only box. The program's message box shows
        // its caption, and is wide enough that a window manager shows the caption whole.
        QTranslator polish;
        QVERIFY(InstallQtPolish(polish));
        QWidget owner;
        QtSystemDialogs dialogs(&owner);
        const std::string dir = ScratchDir("save_dialog");
        QStringList shown;
        const auto look = [&shown](QWidget* dialog) {
            QStringList buttons;
            for (const QAbstractButton* button : dialog->findChildren<QAbstractButton*>())
                buttons << (button->isVisible() ? button->text().remove('&') : "");
            const bool polish = buttons.contains("Anuluj") && !buttons.contains("Cancel") && !buttons.contains("Save");
            shown << QString::number(polish);
            if (auto* d = qobject_cast<QFileDialog*>(dialog)) {
                shown << d->windowTitle() << d->nameFilters().join(';') << QString::number(d->acceptMode())
                      << QString::number(d->fileMode()) << d->directory().absolutePath()
                      << QString::number(d->testOption(QFileDialog::DontConfirmOverwrite) || d->testOption(QFileDialog::ReadOnly));
                d->setOption(QFileDialog::DontConfirmOverwrite);
            }
        };
        ModalDriver driver;
        driver.Then("PrintDialog", [&](QWidget* d) { look(d), qobject_cast<QDialog*>(d)->reject(); });
        driver.Then("SaveDialog", [&](QWidget* d) {
            look(d);
            qobject_cast<QFileDialog*>(d)->selectFile(QString::fromStdString(dir + "/wykres"));
            SetEdit(d, "fileNameEdit", "wykres");
            qobject_cast<QDialog*>(d)->accept();  // QFileDialog::accept, checks included
        });
        driver.Then("SaveDialog", [&](QWidget* d) { look(d), qobject_cast<QDialog*>(d)->reject(); });
        driver.Then("QMessageBox", [&](QWidget* box) {
            QFont title = QApplication::font();
            title.setBold(true);
            const int captionWidth = QFontMetrics(title).horizontalAdvance(box->windowTitle()) + 60;
            shown << box->windowTitle() << QString::number(box->width() >= captionWidth);
            box->close();
        });
        std::vector<std::optional<std::string>> answers;
        driver.Drive([&] {
            answers = {dialogs.RunPrintDialog() ? "printer" : std::optional<std::string>(), dialogs.RunSaveDialog(),
                       dialogs.RunSaveDialog()};
            ShowPlainMessage("Krótko.", kMessageCaption);
            return 0;
        });
        QVERIFY2(driver.Problems().empty(), driver.Problems().c_str());
        QVERIFY(answers == (std::vector<std::optional<std::string>>{std::nullopt, dir + "/wykres", std::nullopt}));
        const QStringList save = {"1", "Zapisz plik charakterystyki", "Pliki graficzne (*.gif)", QString::number(QFileDialog::AcceptSave),
                                  QString::number(QFileDialog::AnyFile), QDir::current().absolutePath(), "0"};
        QCOMPARE(shown, QStringList({"1"}) + save + save + QStringList({kMessageCaption, "1"}));
    }
};

QTEST_MAIN(WindowReportTest)
#include "window_report_test.moc"
