// The main window: built from the menu and tool bar tables, it routes every hint to the status
// line, paints the report on its client area and runs the commands of its menus.
#include "app/main_form.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QCoreApplication>
#include <QDir>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMetaMethod>
#include <QPainter>
#include <QScrollArea>
#include <QScrollBar>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QToolButton>

#include "app/about_box.h"
#include "app/background_plots.h"
#include "app/chart_commands.h"
#include "app/help_manual.h"
#include "app/menu_table.h"
#include "app/process_launcher.h"
#include "app/report_canvas.h"
#include "app/system_dialogs.h"
#include "app/tool_icons.h"
#include "output/storage/text_file.h"
#include "output/storage/working_dir.h"
#include "model/check.h"

const char kMainTitle[] = "Program doboru wentylatorów dachowych firmy KORALINEX";
const char kApplicationTitle[] = "Program doboru wentylatorów firmy KORALINEX";

namespace {

const char kNothingToPrintMessage[] = "Brak wyników do wydruku. Proszę najpierw wykonać obliczenia.";

// Position and size of the window when the user restores it from maximised.
constexpr int kDesignLeft = 173;    // px
constexpr int kDesignTop = 135;     // px
constexpr int kDesignWidth = 808;   // px
constexpr int kDesignHeight = 546;  // px

QString Text(const char* utf8) { return QString::fromUtf8(utf8); }

// The status line's text while no hint is shown.
QString FolderText(const std::string& dir) { return QStringLiteral("Katalog roboczy: ") + QString::fromStdString(dir); }

}  // namespace

ReportArea::ReportArea(TMainForm& form) : QWidget(&form), form_(form)
{
    setObjectName("ClientArea");
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    setPalette(white);
    setAutoFillBackground(true);
}

void ReportArea::paintEvent(QPaintEvent* /*event*/)
{
    // Every paint starts from the white background and draws the whole report anew.
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::WindowText));
    QtReportCanvas canvas(painter);
    form_.paint(canvas);
    painter.end();
    form_.AfterPaint();
}

TMainForm::TMainForm(CalcRecord& record, const std::string& dir, FrontEnd& frontEnd, WindowServices services)
    : record_(record), dir_(dir), session_{record, dir, frontEnd, FileProblems{}}
{
    setObjectName("MainForm");
    if (!services.Launcher)
        ownLauncher_ = std::make_unique<QtProcessLauncher>();
    if (!services.Opener)
        ownOpener_ = std::make_unique<DesktopUrlOpener>();
    if (!services.Dialogs)
        ownDialogs_ = std::make_unique<QtSystemDialogs>(this);
    launcher_ = services.Launcher ? services.Launcher : ownLauncher_.get();
    opener_ = services.Opener ? services.Opener : ownOpener_.get();
    dialogs_ = services.Dialogs ? services.Dialogs : ownDialogs_.get();

    StatusLine = new QStatusBar(this);
    StatusLine->setObjectName("StatusLine");
    StatusLine->setFixedHeight(kStatusLineHeight);
    setStatusBar(StatusLine);

    FolderLabel = new QLabel(FolderText(dir_), StatusLine);
    FolderLabel->setObjectName("FolderLabel");
    StatusLine->addWidget(FolderLabel, 1);  // hidden while a hint is shown

    ReportScroll = new QScrollArea(this);
    ReportScroll->setObjectName("ReportScroll");
    ReportScroll->setFrameShape(QFrame::NoFrame);
    ReportScroll->setWidgetResizable(true);
    ClientArea = new ReportArea(*this);
    ReportScroll->setWidget(ClientArea);
    ReportScroll->viewport()->installEventFilter(this);
    ReportScroll->installEventFilter(this);  // Home and End
    ReportScroll->setFocusPolicy(Qt::StrongFocus);
    setCentralWidget(ReportScroll);
    setFocusProxy(ReportScroll);
    BuildMainMenu();
    BuildSpeedBar();

    move(kDesignLeft, kDesignTop);
    resize(kDesignWidth, kDesignHeight);
    FormCreate();
}

// The dialogs own nothing of the window's; the children go with it.
TMainForm::~TMainForm() = default;

void TMainForm::FormCreate()
{
    setWindowState(windowState() | Qt::WindowMaximized);
    // Hints reach ShowHint through the status-tip events of event(). No application display name
    // is set: Qt would append it to the caption of every dialog and message box.
    setWindowTitle(Text(kMainTitle));
}

void TMainForm::ConnectHandler(QObject* sender, const char* signal, const char* handler)
{
    const QMetaObject* form = metaObject();
    const int slot = form->indexOfSlot(QByteArray(handler).append("()").constData());
    WENT_CHECK(slot >= 0, "every menu and tool bar handler is a slot of the main window");
    const int signalIndex = sender->metaObject()->indexOfSignal(signal);
    WENT_CHECK(signalIndex >= 0, "the sender has the signal");
    connect(sender, sender->metaObject()->method(signalIndex), this, form->method(slot));
    // Whatever the handler showed, the keys go back to the report afterwards.
    connect(sender, sender->metaObject()->method(signalIndex), this,
            metaObject()->method(metaObject()->indexOfSlot("TakeFocusBack()")));
}

void TMainForm::TakeFocusBack()
{
    if (QApplication::activeModalWidget() || !isVisible())
        return;
    activateWindow();
    ReportScroll->setFocus(Qt::OtherFocusReason);
}

void TMainForm::BuildMainMenu()
{
    MainMenu = menuBar();
    MainMenu->setObjectName("MainMenu");
    QMenu* menus[kMenuCount];
    for (int index = 0; index < kMenuCount; ++index) {
        menus[index] = MainMenu->addMenu(Text(kMenus[index].Caption));
        menus[index]->setObjectName(kMenus[index].ObjectName);
        menus[index]->installEventFilter(this);
    }
    FileMenu = menus[0];
    CharMenu = menus[1];
    tlumMenu = menus[2];
    HelpMenu = menus[3];

    for (const MenuItemRow& row : kMenuItems) {
        QMenu* menu = menus[row.Menu];
        if (IsSeparator(row)) {
            menu->addSeparator();
            continue;
        }
        QAction* item = menu->addAction(Text(row.Caption));
        item->setObjectName(row.ObjectName);
        item->setStatusTip(Text(row.Hint));
        item->setProperty("handler", QByteArray(row.Handler));
        ConnectHandler(item, "triggered(bool)", row.Handler);
    }
}

void TMainForm::BuildSpeedBar()
{
    // The tool bar lies over the top of the scrolled view, so it stays when the report scrolls.
    SpeedBar = new QWidget(ReportScroll);
    SpeedBar->setObjectName("SpeedBar");
    // The panel keeps the button-face colour, not the white of the client area it lies on.
    QPalette face = SpeedBar->palette();
    face.setColor(QPalette::Window, QApplication::palette().color(QPalette::Button));
    SpeedBar->setPalette(face);
    SpeedBar->setAutoFillBackground(true);
    SpeedBar->setGeometry(0, 0, ClientArea->width(), kSpeedBarHeight);

    constexpr ToolGlyph glyphs[kSpeedButtonCount] = {ToolGlyph::Printer, ToolGlyph::PrinterSetup,
                                                     ToolGlyph::Help, ToolGlyph::About, ToolGlyph::Exit};
    QToolButton* buttons[kSpeedButtonCount];
    for (int index = 0; index < kSpeedButtonCount; ++index) {
        const SpeedButtonRow& row = kSpeedButtons[index];
        QToolButton* button = new QToolButton(SpeedBar);
        button->setObjectName(row.ObjectName);
        button->setGeometry(row.Left, kSpeedButtonTop, kSpeedButtonSize, kSpeedButtonSize);
        button->setAutoRaise(true);
        button->setIcon(ToolIcon(glyphs[index]));
        button->setIconSize(QSize(kGlyphSize, kGlyphSize));
        button->setToolTip(QString::fromStdString(ShortHint(row.Hint)));
        button->setStatusTip(Text(row.Hint));  // whole; ShowHint takes its long part
        button->setProperty("handler", QByteArray(row.Handler));
        ConnectHandler(button, "clicked(bool)", row.Handler);
        buttons[index] = button;
    }
    SpeedButton1 = buttons[0];
    SpeedButton2 = buttons[1];
    SpeedButton3 = buttons[2];
    SpeedButton4 = buttons[3];
    SpeedButton5 = buttons[4];
    SpeedBar->raise();
    FitReportArea();
}

bool TMainForm::event(QEvent* event)
{
    // Menu items and tool bar buttons announce their hint (or "" on leaving) as a status tip.
    if (event->type() == QEvent::StatusTip) {
        ShowHint(static_cast<QStatusTipEvent*>(event)->tip());
        return true;
    }
    return QMainWindow::event(event);
}

bool TMainForm::eventFilter(QObject* watched, QEvent* event)
{
    // A closed menu leaves no item highlighted, so no hint.
    if (event->type() == QEvent::Hide && qobject_cast<QMenu*>(watched))
        ShowHint(QString());
    // The tool bar spans the visible width of the client area.
    if (event->type() == QEvent::Resize && watched == ReportScroll->viewport() && SpeedBar)
        SpeedBar->setGeometry(0, 0, ReportScroll->viewport()->width(), kSpeedBarHeight);
    // The scroll area itself takes the arrows and the page keys; Home and End go to the ends.
    if (event->type() == QEvent::KeyPress && watched == ReportScroll) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        QScrollBar* vertical = ReportScroll->verticalScrollBar();
        if (key == Qt::Key_Home || key == Qt::Key_End) {
            vertical->setValue(key == Qt::Key_Home ? vertical->minimum() : vertical->maximum());
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void TMainForm::closeEvent(QCloseEvent* event)
{
    // The pictures being drawn are finished first, so that none is left half made.
    if (pictures_)
        pictures_->WaitForAll();
    QMainWindow::closeEvent(event);
}

void TMainForm::ShowHint(const QString& hint)
{
    const QString text = QString::fromStdString(LongHint(hint.toStdString()));
    if (text.isEmpty())
        StatusLine->clearMessage();
    else
        StatusLine->showMessage(text);
}

void TMainForm::FitReportArea()
{
    // The scroll area gives the report area at least the visible size; the report sets the rest.
    ClientArea->setMinimumSize(ScreenReportSize(record_));
}

void TMainForm::Invalidate()
{
    FitReportArea();
    update();
    ClientArea->update();
}

void TMainForm::paint(ReportCanvas& canvas)
{
    PaintScreenReport(record_, canvas);
}

void TMainForm::AfterPaint()
{
    if (firstPaintHook_) {
        std::function<void()> hook = std::move(firstPaintHook_);
        firstPaintHook_ = nullptr;
        hook();
    }
}

void TMainForm::RunCommand(CommandResult (*command)(Session&))
{
    // The command reports its own files and repaints the window through the front end.
    command(session_);
}

void TMainForm::FileNew() { RunCommand(commands::NewCalculation); }
void TMainForm::Wentylator() { RunCommand(commands::SelectFanOnly); }
void TMainForm::dobor_z_katalogu() { RunCommand(commands::SelectFromCatalogue); }
void TMainForm::obr_reg() { RunCommand(commands::RegulateSpeed); }
void TMainForm::par_tlumika() { RunCommand(commands::ShowSilencerVariants); }
void TMainForm::par_reg_tlumika() { RunCommand(commands::RegulateVariantSpeed); }
void TMainForm::kondygnacje() { RunCommand(commands::StoreyFlowDistribution); }
void TMainForm::nastawy() { RunCommand(commands::CommissioningSettings); }

void TMainForm::FilePrint()
{
    if (BuildResultsReport(record_, ReportRendering::Printer).empty()) {
        dialogs_->ShowMessage(kNothingToPrintMessage, kMessageCaption);
        return;
    }
    QPrinter* printer = dialogs_->RunPrintDialog();
    if (!printer)
        return;
    if (!PrintResultsReport(record_, *printer))
        dialogs_->ShowMessage("Nie można rozpocząć wydruku na wybranej drukarce.", kMessageCaption);
}

void TMainForm::FilePrintSetup() { dialogs_->RunPrintSetupDialog(); }

void TMainForm::FileExit() { close(); }

void TMainForm::WorkingFolder()
{
    if (const std::optional<std::string> folder = dialogs_->RunFolderDialog(dir_))
        SwitchFolder(*folder);
}

bool TMainForm::SwitchFolder(const std::string& dir)
{
    FileProblems problems;
    PrepareWorkingDirectory(dir, problems);
    if (!problems.Empty()) {
        dialogs_->ShowMessage(problems.Message(), kMessageCaption);
        return false;
    }
    // The results belong to the building of the old folder.
    ResetCalcRecord(record_);
    dir_ = dir;
    session_.Dir = dir;
    session_.Problems.Clear();
    QDir::setCurrent(QString::fromStdString(dir));
    FolderLabel->setText(FolderText(dir));
    if (folderSwitchHook_)
        folderSwitchHook_(dir);
    Invalidate();
    return true;
}

void TMainForm::HelpContents()
{
    const std::optional<std::string> manual = FindManual(QCoreApplication::applicationDirPath().toStdString());
    if (manual) {
        if (!opener_->OpenFile(*manual))
            dialogs_->ShowMessage(NoBrowserMessage(*manual), kMessageCaption);
    } else
        dialogs_->ShowMessage(kNoManualMessage, kMessageCaption);
}

void TMainForm::HelpAbout()
{
    if (aboutBox_)
        aboutBox_->exec();
}

void TMainForm::WaitForPicture(ChartSet set)
{
    if (pictures_)
        pictures_->WaitFor(JoinPath(dir_, FilesOf(set).Picture));
}

void TMainForm::DisplayChartOf(ChartSet set)
{
    WaitForPicture(set);
    DisplayChart(set, dir_, *launcher_, *dialogs_);
    Invalidate();
}

void TMainForm::OpenReportOf(ChartSet set)
{
    WaitForPicture(set);
    OpenChartReport(set, dir_, *opener_, *dialogs_);
}

void TMainForm::SaveChartOf(ChartSet set)
{
    WaitForPicture(set);
    SaveChart(set, dir_, *dialogs_, *launcher_, session_.Problems);
    Invalidate();
}

// The handler names do not follow the set numbers: char_zapisz1 saves the silencer chart (2),
// char_zapisz2 the regulated one (3).
void TMainForm::char_wyswietl() { DisplayChartOf(ChartSet::Fan); }
void TMainForm::char_drukuj() { OpenReportOf(ChartSet::Fan); }
void TMainForm::char_zapisz() { SaveChartOf(ChartSet::Fan); }
void TMainForm::obr_reg_wyswietl() { DisplayChartOf(ChartSet::Regulated); }
void TMainForm::obr_reg_druk() { OpenReportOf(ChartSet::Regulated); }
void TMainForm::char_zapisz2() { SaveChartOf(ChartSet::Regulated); }
void TMainForm::char_tlumika() { DisplayChartOf(ChartSet::Silencers); }
void TMainForm::druk_tlumika() { OpenReportOf(ChartSet::Silencers); }
void TMainForm::char_zapisz1() { SaveChartOf(ChartSet::Silencers); }
void TMainForm::char_reg_tlumika() { DisplayChartOf(ChartSet::RegulatedSilencers); }
void TMainForm::druk_reg_tlumika() { OpenReportOf(ChartSet::RegulatedSilencers); }
void TMainForm::char_zapisz3() { SaveChartOf(ChartSet::RegulatedSilencers); }
void TMainForm::kond_wyswietl() { DisplayChartOf(ChartSet::StoreyFlows); }
void TMainForm::kond_druk() { OpenReportOf(ChartSet::StoreyFlows); }
void TMainForm::char_zapisz4() { SaveChartOf(ChartSet::StoreyFlows); }
void TMainForm::nast_wyswietl() { DisplayChartOf(ChartSet::Commissioning); }
void TMainForm::nast_druk() { OpenReportOf(ChartSet::Commissioning); }
void TMainForm::char_zapisz5() { SaveChartOf(ChartSet::Commissioning); }
