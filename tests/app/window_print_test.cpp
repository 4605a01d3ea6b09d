// The printed report: positions of the worked examples on a 600-dpi page, the three-line header
// of the variant table, the page break of a long report, scaling to other resolutions, and the
// whole job through FilePrint into a PDF file.
#include <functional>

#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QFileDialog>
#include <QTest>
#include <QTimer>

#include "window_fakes.h"

namespace {

constexpr int kTallPage = 100000;  // dots: no page break
constexpr int kBodyLine = 116;     // dots: a 12 point line at 600 dpi

// Title lines to the storey table header of the worked example (round duct), 600 dpi.
const QList<int> kRoundHead = {200, 380, 740, 980, 1100, 1220, 1340, 1580, 1700, 1820, 1940, 2060,
                               2420, 2540, 2660, 2780, 2900, 3020, 3140, 3260};

std::vector<CanvasCall> Printed(const CalcRecord& record, int dpi = 600, int pageHeight = kTallPage)
{
    RecordingCanvas canvas(dpi, pageHeight, kBodyLine * dpi / 600);
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

class WindowPrintTest : public QObject {
    Q_OBJECT

private slots:
    void linePositions_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("storeys");
        QTest::addColumn<QList<int>>("tops");
        QTest::newRow("kind 0: no text") << 0 << 4 << QList<int>{};
        QTest::newRow("kind 1, 4 storeys") << 1 << 4 << (kRoundHead + Range(3380, 3860, 120));
        QTest::newRow("kind 2, 99 storeys on a tall page: table to 9260, block to 9860")
            << 2 << 99 << (kRoundHead + Range(3380, 9860, 120));
        QTest::newRow("kind 3: three header lines, a blank one, five values")
            << 3 << 4 << (kRoundHead.mid(0, 13) + QList<int>{2540, 2660, 2780} + Range(3020, 3500, 120));
        QTest::newRow("kind 4: heading and five regulated lines")
            << 4 << 4 << (kRoundHead.mid(0, 13) + Range(2540, 3140, 120));
    }

    void linePositions()
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
        const QList<int> expected = kRoundHead + Range(3380, 6380, 120) + QList<int>{-1} + Range(200, 2960, 120) +
                                    Range(3080, 3560, 120);
        QCOMPARE(LineTops(Printed(WorkedExample(99, 2), 600, 6600)), expected);
    }

    void positionsScaleWithTheResolution()
    {
        for (int dpi : {300, 600, 1200}) {
            const std::vector<CanvasCall> calls = Printed(WorkedExample(30), dpi);
            QCOMPARE(LineTops(calls), Scaled(kRoundHead + Range(3380, 5180, 120), dpi));
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

QTEST_MAIN(WindowPrintTest)
#include "window_print_test.moc"
