// The report drawn in the main window: line positions and columns of the worked examples, font
// heights per line, nothing for report kind 0, text placed by its top, and the window's own paint.
#include <QImage>
#include <QPainter>
#include <QTest>

#include "app/qt_front_end.h"
#include "window_fakes.h"

namespace {

// Title to the storey table header of the worked example: round duct, rectangular grille.
const QList<int> kRoundHead = {50, 84, 101, 118, 135, 152, 186, 203, 220, 237, 254, 288,
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

        QTest::newRow("kind 1, 4 storeys, round duct") << 1 << 4 << true << (kRoundHead + Range(424, 492, 17));
        // The two duct lines (dimensions, equivalent diameter) push the rest down by one step.
        QTest::newRow("kind 1, 4 storeys, rectangular duct")
            << 1 << 4 << false
            << (QList<int>{50, 84, 101, 118, 135, 152, 169, 203, 220, 237, 254, 271, 305, 322, 339, 356, 373, 390, 407,
                           424} + Range(441, 509, 17));
        QTest::newRow("kind 1, 30 storeys: 16 table lines to 679")
            << 1 << 30 << true << (kRoundHead + Range(424, 679, 17));
        QTest::newRow("kind 1, 8 storeys: one column of 9 rows") << 1 << 8 << true << (kRoundHead + Range(424, 560, 17));
        QTest::newRow("kind 2, 4 storeys: regulated block below the table")
            << 2 << 4 << true << (kRoundHead + Range(424, 577, 17));
        QTest::newRow("kind 3: headers and five variant lines")
            << 3 << 4 << true << (kRoundHead.mid(0, 12) + Range(305, 390, 17));
        QTest::newRow("kind 4: heading and five regulated lines")
            << 4 << 4 << true << (kRoundHead.mid(0, 12) + Range(305, 390, 17));
        QTest::newRow("kind 0: nothing") << 0 << 4 << true << QList<int>{};
    }

    void linePositions()
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
        const std::vector<CanvasCall> texts = Texts(calls);
        QCOMPARE(texts.front().X, 20);  // title
        QVERIFY(texts.front().Text.starts_with("Program doboru wentylatorów dachowych firmy"));
        // First table line: storeys 1 and 2 side by side; the last holds storey 31 on the left only.
        QCOMPARE(Columns(calls, 424), (QList<int>{20, 120, 230, 330}));
        QCOMPARE(Line(calls, 424)[0], QStringLiteral("20   1"));
        QCOMPARE(Line(calls, 424)[2], QStringLiteral("230   2"));
        QCOMPARE(Columns(calls, 679), (QList<int>{20, 120}));
        QCOMPARE(Line(calls, 679)[0], QStringLiteral("20 31"));
        QCOMPARE(texts.back().Y, 679);

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
};

QTEST_MAIN(WindowPaintTest)
#include "window_paint_test.moc"
