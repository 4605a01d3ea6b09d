// The printed report: positions of the worked examples on a 600-dpi page, the three-line header
// of the variant table, the page break of a long report, scaling to other resolutions, and the
// whole job through FilePrint into a PDF file.
#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QFileDialog>
#include <QRegularExpression>
#include <QTest>
#include <QTimer>

#include "app/main_form.h"
#include "app/report_canvas.h"
#include "support/test_support.h"
#include "window_fakes.h"

namespace {

constexpr int kTallPage = 100000;  // dots: no page break
constexpr int kBodyLine = 116;     // dots: a 12 point line at 600 dpi

QList<int> Range(int first, int last, int step)
{
    QList<int> values;
    for (int value = first; value <= last; value += step)
        values << value;
    return values;
}

// Title lines to the storey table header of the worked example (round duct), 600 dpi.
const QList<int> kRoundHead = {200, 380, 740, 980, 1100, 1220, 1340, 1580, 1700, 1820, 1940, 2060,
                               2420, 2540, 2660, 2780, 2900, 3020, 3140, 3260};

QList<int> ToList(const std::vector<int>& values) { return QList<int>(values.begin(), values.end()); }

QList<int> Scaled(const QList<int>& values, int dpi)
{
    QList<int> scaled;
    for (int value : values)
        scaled << value * dpi / 600;
    return scaled;
}

int PdfPages(const QByteArray& pdf)
{
    return int(pdf.count("/Type /Page\n") + pdf.count("/Type /Page\r") + pdf.count("/Type /Page ")
               + pdf.count("/Type /Page/") + pdf.count("/Type /Page>"));
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
        QTest::newRow("kind 1, 4 storeys") << 1 << 4 << (kRoundHead + Range(3380, 3860, 120));
        QTest::newRow("kind 1, 30 storeys: table to 5180") << 1 << 30 << (kRoundHead + Range(3380, 5180, 120));
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
        RecordingPageCanvas canvas(600, kTallPage, kBodyLine);
        PrintReportPages(WorkedExample(storeys, kind), canvas);
        QCOMPARE(ToList(LineTops(canvas.Calls)), tops);
    }

    void variantHeaderOnThreeLines()
    {
        RecordingPageCanvas canvas(600, kTallPage, kBodyLine);
        PrintReportPages(WorkedExample(4, 3), canvas);
        QList<QString> header;
        QList<int> values;
        for (const CanvasCall& text : Texts(canvas.Calls)) {
            if (text.Y >= 2540 && text.Y <= 2780)
                header << QStringLiteral("%1 %2 %3").arg(text.Y).arg(text.X).arg(QString::fromStdString(text.Text));
            if (text.Y == 3020)
                values << text.X;
        }
        const QList<QString> expected = {
            QStringLiteral("2540 2900 Wentylator"), QStringLiteral("2540 3800 Wentylator"),
            QStringLiteral("2660 2100 Wentylator"), QStringLiteral("2660 2900 z podstawą"),
            QStringLiteral("2660 3800 z tłumikiem"), QStringLiteral("2780 2900 tłumiącą"),
            QStringLiteral("2780 3800 cylindrycznym"),
        };
        QCOMPARE(header, expected);
        QCOMPARE(values, (QList<int>{200, 2100, 2900, 3800}));
    }

    void titleOnTwoLinesInTwentyPoints()
    {
        RecordingPageCanvas canvas(600, kTallPage, kBodyLine);
        PrintReportPages(WorkedExample(4), canvas);
        int points = 0;
        QList<QString> titles;
        for (const CanvasCall& call : canvas.Calls) {
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
        RecordingPageCanvas canvas(600, 6600, kBodyLine);
        PrintReportPages(WorkedExample(99, 2), canvas);
        const QList<int> expected = kRoundHead + Range(3380, 6380, 120) + QList<int>{-1}
                                    + Range(200, 2960, 120) + Range(3080, 3560, 120);
        QCOMPARE(ToList(LineTops(canvas.Calls)), expected);
    }

    void positionsScaleWithTheResolution_data()
    {
        QTest::addColumn<int>("dpi");
        QTest::newRow("300 dpi") << 300;
        QTest::newRow("600 dpi") << 600;
        QTest::newRow("1200 dpi") << 1200;
    }

    void positionsScaleWithTheResolution()
    {
        QFETCH(int, dpi);
        RecordingPageCanvas canvas(dpi, kTallPage, kBodyLine * dpi / 600);
        PrintReportPages(WorkedExample(30), canvas);
        QCOMPARE(ToList(LineTops(canvas.Calls)), Scaled(kRoundHead + Range(3380, 5180, 120), dpi));
        QList<int> columns;
        for (const CanvasCall& text : Texts(canvas.Calls))
            if (text.Y == 3380 * dpi / 600)
                columns << text.X;
        QCOMPARE(columns, Scaled({200, 1100, 2100, 2900}, dpi));
    }

    void kindZeroPrintsNoText()
    {
        CalcRecord record = WorkedExample(4);
        SetReportKind(record, 0);
        RecordingPageCanvas canvas(600, kTallPage, kBodyLine);
        PrintReportPages(record, canvas);
        QVERIFY(Texts(canvas.Calls).empty());
    }

    void filePrintWritesPdfPages_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("storeys");
        QTest::addColumn<int>("pages");
        QTest::newRow("kind 0: one empty page") << 0 << 4 << 1;
        QTest::newRow("kind 1, 4 storeys: one page") << 1 << 4 << 1;
        QTest::newRow("kind 2, 99 storeys: two pages") << 2 << 99 << 2;
    }

    void filePrintWritesPdfPages()
    {
        QFETCH(int, kind);
        QFETCH(int, storeys);
        QFETCH(int, pages);
        const std::string dir = ScratchDir(std::string("pdf_") + QTest::currentDataTag());
        const QString pdf = QString::fromStdString(dir + "/report.pdf");
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        printer.setPageSize(QPageSize(QPageSize::A4));

        CalcRecord record = WorkedExample(storeys, kind);
        FakeFrontEnd frontEnd;
        FakeLauncher launcher;
        FakeOpener opener;
        FakeDialogs dialogs;
        dialogs.PrintConfirmed = &printer;
        TMainForm form(record, dir, frontEnd, {&launcher, &opener, &dialogs});
        form.FilePrint();

        QCOMPARE(dialogs.PrintDialogRuns, 1);
        QVERIFY(dialogs.Messages.empty());
        QCOMPARE(printer.resolution(), 600);
        QFile file(pdf);
        QVERIFY2(file.open(QIODevice::ReadOnly), "the PDF is written");
        const QByteArray bytes = file.readAll();
        QVERIFY(bytes.startsWith("%PDF"));
        QCOMPARE(PdfPages(bytes), pages);
    }

    void cancelledPrintDialogPrintsNothing()
    {
        CalcRecord record = WorkedExample(4);
        FakeFrontEnd frontEnd;
        FakeLauncher launcher;
        FakeOpener opener;
        FakeDialogs dialogs;  // PrintConfirmed stays nullptr
        TMainForm form(record, ScratchDir("cancel"), frontEnd, {&launcher, &opener, &dialogs});
        form.FilePrint();
        QCOMPARE(dialogs.PrintDialogRuns, 1);
        QVERIFY(dialogs.Messages.empty());
    }

    void realPrintDialogCancelled()
    {
        QWidget owner;
        QtSystemDialogs dialogs(&owner);
        QTimer::singleShot(0, [] {
            if (QDialog* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget()))
                dialog->reject();
        });
        QVERIFY(dialogs.RunPrintDialog() == nullptr);
    }

    void realSaveDialogGivesTheChosenPath()
    {
        const std::string dir = ScratchDir("save_dialog");
        QWidget owner;
        QtSystemDialogs dialogs(&owner);
        QTimer::singleShot(0, [&dir] {
            if (QFileDialog* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget())) {
                dialog->selectFile(QString::fromStdString(dir + "/wykres"));
                static_cast<QDialog*>(dialog)->accept();  // QFileDialog::accept, checks included
            }
        });
        QCOMPARE(dialogs.RunSaveDialog().value_or("cancelled"), dir + "/wykres");
        QTimer::singleShot(0, [] {
            if (QDialog* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget()))
                dialog->reject();
        });
        QVERIFY(!dialogs.RunSaveDialog());
    }
};

QTEST_MAIN(WindowPrintTest)
#include "window_print_test.moc"
