// The main window: menu bar, tool bar, status-line hints and the white client area on which the
// results report is painted. Its menu handlers run the shared commands and nothing more.
#pragma once

#include <QMainWindow>
#include <QWidget>
#include <functional>
#include <memory>
#include <string>

#include "commands/commands.h"
#include "output/charts.h"

class QAction;
class QLabel;
class QScrollArea;
class QMenu;
class QMenuBar;
class QStatusBar;
class QToolButton;
class BackgroundPlots;
class ProcessLauncher;
class ReportCanvas;
class SystemDialogs;
class TAboutBox;
class TMainForm;
class UrlOpener;

extern const char kMainTitle[];         // caption and task bar text once the window exists
extern const char kApplicationTitle[];  // caption of a failure before the window exists

// What the window starts and asks outside itself; nullptr members get the real ones.
struct WindowServices {
    ProcessLauncher* Launcher = nullptr;  // QProcess
    UrlOpener* Opener = nullptr;          // the desktop's default application
    SystemDialogs* Dialogs = nullptr;     // Qt's print, printer setup and save dialogs
};

// The client area below the menu bar: the report painted on white, as large as the report and at
// least as large as the window's client area, scrolled below the tool bar that stays at the top.
class ReportArea : public QWidget {
    Q_OBJECT
public:
    explicit ReportArea(TMainForm& form);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    TMainForm& form_;
};

class TMainForm : public QMainWindow {
    Q_OBJECT
public:
    TMainForm(CalcRecord& record, const std::string& dir, FrontEnd& frontEnd, WindowServices services = {});
    ~TMainForm() override;

    // The files the current command could not write; the dialogs add theirs here too.
    FileProblems& Problems() { return session_.Problems; }
    void SetAboutBox(TAboutBox* aboutBox) { aboutBox_ = aboutBox; }
    // Run once, after the first paint of the client area (start-up measurement).
    void SetFirstPaintHook(std::function<void()> hook) { firstPaintHook_ = std::move(hook); }
    // The pictures drawn in the background, which the chart commands wait for.
    void SetPictures(BackgroundPlots* pictures) { pictures_ = pictures; }
    // Run after the window has changed its working folder, with the new folder.
    void SetFolderSwitchHook(std::function<void(const std::string&)> hook) { folderSwitchHook_ = std::move(hook); }

    const std::string& Dir() const { return dir_; }
    // Makes `dir` the working folder (created when missing): the record is emptied, so the report
    // is cleared, and the status line names the folder. False, with a message, when the folder
    // cannot be made.
    bool SwitchFolder(const std::string& dir);

    // Asks for the report to be painted again. QWidget::update() of the window alone would not
    // do: Qt leaves out the opaque client area that covers it.
    void Invalidate();

    // The paint handler: the results report of the record, drawn on the client area.
    void paint(ReportCanvas& canvas);
    void AfterPaint();

    QMenuBar* MainMenu = nullptr;
    QStatusBar* StatusLine = nullptr;
    QLabel* FolderLabel = nullptr;     // the working folder, shown when the status line has no hint
    QScrollArea* ReportScroll = nullptr;  // scrolls the report area when the report is larger
    ReportArea* ClientArea = nullptr;
    QWidget* SpeedBar = nullptr;
    QToolButton* SpeedButton1 = nullptr;
    QToolButton* SpeedButton2 = nullptr;
    QToolButton* SpeedButton3 = nullptr;
    QToolButton* SpeedButton4 = nullptr;
    QToolButton* SpeedButton5 = nullptr;
    QMenu* FileMenu = nullptr;
    QMenu* CharMenu = nullptr;
    QMenu* tlumMenu = nullptr;
    QMenu* HelpMenu = nullptr;

public slots:
    void FileNew();
    void Wentylator();
    void dobor_z_katalogu();
    void FilePrint();
    void FilePrintSetup();
    void WorkingFolder();
    void FileExit();
    void char_wyswietl();
    void char_drukuj();
    void char_zapisz();
    void obr_reg();
    void obr_reg_wyswietl();
    void obr_reg_druk();
    void char_zapisz2();
    void par_tlumika();
    void char_tlumika();
    void druk_tlumika();
    void char_zapisz1();
    void par_reg_tlumika();
    void char_reg_tlumika();
    void druk_reg_tlumika();
    void char_zapisz3();
    void kondygnacje();
    void kond_wyswietl();
    void kond_druk();
    void char_zapisz4();
    void nastawy();
    void nast_wyswietl();
    void nast_druk();
    void char_zapisz5();
    void HelpContents();
    void HelpAbout();
    // Gives the window the focus again, its report the keys, once no dialog is left open.
    void TakeFocusBack();
    // Shows the long part of the current hint in the status line; "" empties it.
    void ShowHint(const QString& hint);

protected:
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void FormCreate();
    void BuildMainMenu();
    void BuildSpeedBar();
    void FitReportArea();
    void ConnectHandler(QObject* sender, const char* signal, const char* handler);
    void RunCommand(CommandResult (*command)(Session&));
    void DisplayChartOf(ChartSet set);
    void OpenReportOf(ChartSet set);
    void SaveChartOf(ChartSet set);
    void WaitForPicture(ChartSet set);

    CalcRecord& record_;
    std::string dir_;
    Session session_;
    std::unique_ptr<ProcessLauncher> ownLauncher_;
    std::unique_ptr<UrlOpener> ownOpener_;
    std::unique_ptr<SystemDialogs> ownDialogs_;
    ProcessLauncher* launcher_;
    UrlOpener* opener_;
    SystemDialogs* dialogs_;
    TAboutBox* aboutBox_ = nullptr;
    BackgroundPlots* pictures_ = nullptr;
    std::function<void()> firstPaintHook_;
    std::function<void(const std::string&)> folderSwitchHook_;
};
