// The report drawn in the main window: line positions and columns of the worked examples, font
// heights per line, nothing for report kind 0, text placed by its top, and the window's own paint.
#include <QImage>
#include <QPainter>
#include <QTest>

#include "app/main_form.h"
#include "app/qt_front_end.h"
#include "app/report_canvas.h"
#include "support/test_support.h"
#include "window_fakes.h"

namespace {

QList<int> Range(int first, int last, int step)
{
    QList<int> values;
    for (int value = first; value <= last; value += step)
        values << value;
    return values;
}

// Title to the storey table header of the worked example: round duct, rectangular grille.
const QList<int> kRoundHead = {50, 84, 101, 118, 135, 152, 186, 203, 220, 237, 254, 288,
                               305, 322, 339, 356, 373, 390, 407};

QList<int> ToList(const std::vector<int>& values) { return QList<int>(values.begin(), values.end()); }

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

}  // namespace

class WindowPaintTest : public QObject {
    Q_OBJECT

private slots:
    void linePositions_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("storeys");
        QTest::addColumn<bool>("roundDuct");
        QTest::addColumn<QList<int>>("tops");

        QTest::newRow("kind 1, 4 storeys, round duct")
            << 1 << 4 << true << (kRoundHead + Range(424, 492, 17));
        // The two duct lines (dimensions, equivalent diameter) push the rest down by one step.
        QList<int> shifted = {50, 84, 101, 118, 135, 152, 169, 203, 220, 237, 254, 271, 305,
                              322, 339, 356, 373, 390, 407, 424};
        shifted += Range(441, 509, 17);
        QTest::newRow("kind 1, 4 storeys, rectangular duct") << 1 << 4 << false << shifted;
        QTest::newRow("kind 1, 30 storeys: 16 table lines to 679")
            << 1 << 30 << true << (kRoundHead + Range(424, 679, 17));
        QTest::newRow("kind 1, 8 storeys: one column of 9 rows")
            << 1 << 8 << true << (kRoundHead + Range(424, 560, 17));
        QTest::newRow("kind 2, 4 storeys: regulated block below the table")
            << 2 << 4 << true << (kRoundHead + Range(424, 577, 17));
        QTest::newRow("kind 3: headers and five variant lines")
            << 3 << 4 << true << (kRoundHead.mid(0, 12) + Range(305, 390, 17));
        QTest::newRow("kind 4: heading and five regulated lines")
            << 4 << 4 << true << (kRoundHead.mid(0, 12) + Range(305, 390, 17));
    }

    void linePositions()
    {
        QFETCH(int, kind);
        QFETCH(int, storeys);
        QFETCH(bool, roundDuct);
        QFETCH(QList<int>, tops);
        RecordingCanvas canvas;
        PaintScreenReport(WorkedExample(storeys, kind, roundDuct), canvas);
        QCOMPARE(ToList(LineTops(canvas.Calls)), tops);
    }

    void cellsStandAtTheirColumns()
    {
        RecordingCanvas canvas;
        PaintScreenReport(WorkedExample(30), canvas);
        const std::vector<CanvasCall> texts = Texts(canvas.Calls);

        QCOMPARE(texts.front().X, 20);  // title
        QVERIFY(QString::fromStdString(texts.front().Text).startsWith(QStringLiteral("Program doboru wentylatorów dachowych firmy")));
        // First table line: storeys 1 and 2 side by side.
        std::vector<CanvasCall> first;
        for (const CanvasCall& text : texts)
            if (text.Y == 424)
                first.push_back(text);
        QCOMPARE(int(first.size()), 4);
        QCOMPARE(first[0].X, 20);
        QCOMPARE(first[0].Text, std::string("  1"));
        QCOMPARE(first[1].X, 120);
        QCOMPARE(first[2].X, 230);
        QCOMPARE(first[2].Text, std::string("  2"));
        QCOMPARE(first[3].X, 330);
        // The last line holds storey 31 on the left only.
        const CanvasCall& number = texts[texts.size() - 2];
        const CanvasCall& pressure = texts.back();
        QCOMPARE(number.Y, 679);
        QCOMPARE(number.X, 20);
        QCOMPARE(number.Text, std::string("31"));
        QCOMPARE(pressure.Y, 679);
        QCOMPARE(pressure.X, 120);
    }

    void variantTableColumns()
    {
        RecordingCanvas canvas;
        PaintScreenReport(WorkedExample(4, 3), canvas);
        QList<QPair<int, QString>> header;
        QList<int> valueColumns;
        for (const CanvasCall& text : Texts(canvas.Calls)) {
            if (text.Y == 305)
                header << qMakePair(text.X, QString::fromStdString(text.Text));
            if (text.Y == 322)
                valueColumns << text.X;
        }
        const QList<QPair<int, QString>> expected = {
            {230, QStringLiteral("Wentylator")},
            {330, QStringLiteral("Wentylator z podstawą tłumiącą")},
            {530, QStringLiteral("Wentylator z tłumikiem cylindrycznym")},
        };
        QCOMPARE(header, expected);
        QCOMPARE(valueColumns, (QList<int>{20, 230, 370, 570}));
    }

    void titleFontTwentyThenBodyTwelve()
    {
        RecordingCanvas canvas;
        PaintScreenReport(WorkedExample(4), canvas);
        int height = 0;
        int titleTexts = 0;
        for (const CanvasCall& call : canvas.Calls) {
            if (call.Kind == "height")
                height = call.Value;
            if (call.Kind != "text")
                continue;
            if (call.Y == 50) {
                ++titleTexts;
                QVERIFY2(height == 20, "the title is drawn with a 20 px cell");
            } else {
                QVERIFY2(height == 12, qPrintable(QStringLiteral("body line at y %1 has height %2").arg(call.Y).arg(height)));
            }
        }
        QCOMPARE(titleTexts, 1);
    }

    void kindZeroDrawsNothing()
    {
        CalcRecord record = WorkedExample(4);
        SetReportKind(record, 0);
        RecordingCanvas canvas;
        PaintScreenReport(record, canvas);
        QVERIFY(canvas.Calls.empty());
    }

    void textIsPlacedByItsTop_data()
    {
        QTest::addColumn<int>("height");
        QTest::newRow("title cell 20 px") << 20;
        QTest::newRow("body cell 12 px") << 12;
    }

    void textIsPlacedByItsTop()
    {
        QFETCH(int, height);
        QImage image(300, 100, QImage::Format_RGB32);
        image.fill(Qt::white);
        {
            QPainter painter(&image);
            QtReportCanvas canvas(painter);
            canvas.SetFontHeight(height);
            // Capitals with accents may reach above a font's ascent; the cell top is set by the rest.
            canvas.TextOut(10, 40, "Dane ńłę gj");
        }
        const auto [first, last] = InkRows(image);
        QVERIFY2(first >= 40, qPrintable(QStringLiteral("ink starts at row %1, above the top 40").arg(first)));
        QVERIFY2(first <= 40 + height / 3, qPrintable(QStringLiteral("ink starts late, at row %1").arg(first)));
        QVERIFY2(last < 40 + height * 3 / 2, qPrintable(QStringLiteral("ink ends at row %1").arg(last)));
    }

    void windowPaintsTheRecord()
    {
        CalcRecord record = WorkedExample(4);
        FakeFrontEnd frontEnd;
        FakeLauncher launcher;
        FakeOpener opener;
        FakeDialogs dialogs;
        TMainForm form(record, ScratchDir("paint"), frontEnd, {&launcher, &opener, &dialogs});
        form.setWindowState(Qt::WindowNoState);
        form.resize(808, 546);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));

        const QImage shown = form.ClientArea->grab().toImage();
        const QImage band = shown.copy(0, 34, 400, 15);  // between tool bar and title
        QCOMPARE(InkRows(band).first, -1);
        const QImage title = shown.copy(0, 50, 600, 20);
        QVERIFY2(InkRows(title).first >= 0, "the title is painted at y 50");

        SetReportKind(record, 0);
        form.Invalidate();
        const QImage empty = form.ClientArea->grab().toImage().copy(0, 40, 600, 400);
        QCOMPARE(InkRows(empty).first, -1);
    }

    void commandRepaintReachesTheReport()
    {
        // The commands end with FrontEnd::Repaint; the report area itself must be painted again.
        CalcRecord record = WorkedExample(4);
        FakeLauncher launcher;
        QtFrontEnd frontEnd(launcher, ScratchDir("repaint"));
        FakeOpener opener;
        FakeDialogs dialogs;
        TMainForm form(record, ScratchDir("repaint"), frontEnd, {&launcher, &opener, &dialogs});
        frontEnd.SetMainForm(&form);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QTest::qWait(50);
        bool painted = false;
        form.SetFirstPaintHook([&painted] { painted = true; });
        frontEnd.Repaint();
        QTRY_VERIFY(painted);
    }
};

QTEST_MAIN(WindowPaintTest)
#include "window_paint_test.moc"
