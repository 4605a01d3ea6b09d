// The main window's shell: menu bar, tool bar and about box against their dump, every menu item in
// every state of the working folder against a transcript of what it started, opened, wrote and
// said, status-line hints, the working folder, gnuplot's real save, the manual and the launcher.
#include <filesystem>

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QStatusBar>
#include <QToolButton>

#include "app/about_box.h"
#include "app/chart_commands.h"
#include "app/help_manual.h"
#include "app/menu_table.h"
#include "app/window_program.h"
#include "dialogs/forms/rectangular_grille_form.h"
#include "output/storage/picture_guard.h"
#include "window_fakes.h"

namespace fs = std::filesystem;

namespace {

QString Status(const TestWindow& window) { return window.Form.StatusLine->currentMessage(); }

void WriteFile(const std::string& path, const std::string& bytes) { std::ofstream(path, std::ios::binary) << bytes; }

// `text` with the working directory as <dir> and line breaks as \n.
std::string Shown(const std::string& text, const std::string& dir)
{
    const QString shown = QString::fromStdString(text).replace(QString::fromStdString(dir), "<dir>");
    return QString(shown).replace("\n", "\\n").toStdString();
}

}  // namespace

class WindowMenuTest : public QObject {
    Q_OBJECT

private slots:
    // The title, the menus, the tool bar and the about box as the window builds them, against
    // their dump; the hints in the status line.
    void menusToolBarAndStatusLine()
    {
        TestWindow window("items", SampleRecord(0));
        TMainForm& form = window.Form;
        // No display name that the window system would append to the caption of every window.
        QCOMPARE(QGuiApplication::applicationDisplayName(), QCoreApplication::applicationName());
        std::string dump = form.windowTitle().toStdString() + "\n";
        for (QAction* top : form.MainMenu->actions()) {
            QMenu* menu = top->menu();
            QVERIFY(menu);
            dump += (menu->objectName() + " | " + menu->title() + "\n").toStdString();
            QStringList keys;  // every item of a menu has an access key of its own
            for (QAction* item : menu->actions()) {
                const QString key = QKeySequence::mnemonic(item->text()).toString();
                QVERIFY2(item->isSeparator() || (!key.isEmpty() && !keys.contains(key)), qPrintable(item->text()));
                keys << key;
                QVERIFY(item->isEnabled() && item->isVisible() && item->shortcut().isEmpty());
                const QString line = "    " + item->objectName() + " | " + item->text() + " | " + item->statusTip() +
                                     " | " + item->property("handler").toString();
                dump += item->isSeparator() ? "    -\n" : line.toStdString() + "\n";
            }
        }
        for (int i = 1; auto* button = form.SpeedBar->findChild<QToolButton*>("SpeedButton" + QString::number(i)); ++i)
            dump += (button->objectName() + " | " + QString::number(button->geometry().left()) + " | " +
                     button->toolTip() + " | " + button->property("handler").toString() + "\n").toStdString();
        // The about box, shown from the Help menu; its OK closes it.
        TAboutBox box;
        form.SetAboutBox(&box);
        const QString about = QStringList{box.windowTitle(), QStringLiteral("%1x%2").arg(box.width()).arg(box.height()),
                                          box.ProductName->text(), box.ProductName2->text(), box.Version->text(),
                                          box.Copyright->text(), box.OKButton->text()}.join(" | ");
        dump += about.toStdString() + (box.OKButton->isDefault() ? " default" : "") + "\n";
        QCOMPARE(CompareWithGolden("app/menus_and_tool_bar.txt", dump), std::string());
        QVERIFY(!box.ProgramIcon->pixmap().isNull());
        QTimer::singleShot(0, &box, [&box] { QTest::mouseClick(box.OKButton, Qt::LeftButton); });
        form.findChild<QAction*>("HelpAboutItem")->trigger();
        QCOMPARE(box.result(), int(QDialog::Accepted));

        QVERIFY(form.windowState() & Qt::WindowMaximized);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QCOMPARE(form.ClientArea->palette().color(QPalette::Window), QColor(Qt::white));
        QCOMPARE(Status(window), QString());  // empty at start
        // The working folder stands in the status line while no hint hides it.
        QCOMPARE(form.FolderLabel->text(), QString::fromStdString("Katalog roboczy: " + window.Dir));
        form.ShowHint(QStringLiteral("Drukuje aktualne wyniki"));
        QVERIFY(!form.FolderLabel->isVisible());
        // Columns: hint, status line (the long part after the first bar; all of a hint without a bar).
        const char* hints[][2] = {{"Krótka|Długa podpowiedź", "Długa podpowiedź"}, {"Krótka|", ""}, {"a|b|c", "b|c"},
                                  {"Obliczenia ilości", "Obliczenia ilości"}, {"", ""}};
        for (const auto& [hint, status] : hints) {
            form.ShowHint(QStringLiteral("previous"));
            form.ShowHint(QString::fromUtf8(hint));
            QCOMPARE(Status(window), QString::fromUtf8(status));
        }
        // A highlighted menu item shows its hint or empties the line.
        form.findChild<QAction*>("FileNewItem")->showStatusText(form.MainMenu);
        QCOMPARE(Status(window), QStringLiteral("Obliczenia ilości odciąganego powietrza"));
        form.findChild<QAction*>("HelpAboutItem")->showStatusText(form.MainMenu);
        QCOMPARE(Status(window), QString());
    }

    // Every menu item in every state of the working folder, on an empty record (the chart commands
    // do not read it), against the transcript (without an about box; the test above shows it).
    void everyItemInEveryState()
    {
        TestWindow menus("items", SampleRecord(0));
        QList<QAction*> items;
        for (QAction* top : menus.Form.MainMenu->actions())
            items += top->menu()->actions();
        // "old reg": the regulations are older than the fan selection; the last two only for saves.
        const char* states[] = {"no files", "all files", "old reg", "no gnuplot and no browser", "save cancelled",
                                "save script blocked"};
        std::string transcript;
        for (const std::string state : states) {
            for (QAction* item : items) {
                const std::string name = item->objectName().toStdString();
                if (item->isSeparator() || (state.rfind("save", 0) == 0 && name.rfind("char_zapisz", 0) != 0))
                    continue;
                TestWindow w("item");
                w.FrontEnd.Forms = nullptr;  // a dialog is shown and cancelled at once
                w.Launcher.Missing = w.Opener.Missing = state == "no gnuplot and no browser";
                w.Dialogs.SaveAnswer = state == "save cancelled" ? std::nullopt : std::optional(w.Dir + "/wykres");
                for (const char* file : {"1.gnu", "pt.gnu", "reg.gnu", "reg_tl.gnu"})
                    WriteFile(w.Dir + "/" + file, "");
                for (int set = 1; set <= static_cast<int>(ChartSet::Commissioning) && state != "no files"; ++set) {
                    const ChartFiles& files = FilesOf(static_cast<ChartSet>(set));
                    for (const char* file : {files.DisplayScript, files.CopyScript, files.HtmlReport})
                        WriteFile(w.Dir + "/" + file, std::string(file) + "\n");
                    if (state == "save script blocked")
                        fs::create_directories(w.Dir + "/" + files.SaveScript);
                }
                if (state == "old reg")
                    fs::last_write_time(w.Dir + "/pt.gnu", fs::last_write_time(w.Dir + "/reg_tl.gnu") + std::chrono::seconds(2));
                w.Form.show();
                w.Form.findChild<QAction*>(item->objectName())->trigger();

                std::string line = state + " | " + name + ":";
                const auto add = [&line](const char* what, const std::string& text) {
                    line += text.empty() || text == "0" ? "" : std::string(" ") + what + " " + text + ";";
                };
                std::string saved;
                for (int set = 1; set <= static_cast<int>(ChartSet::Commissioning); ++set) {
                    const std::string file = FilesOf(static_cast<ChartSet>(set)).SaveScript;
                    if (fs::is_regular_file(w.Dir + "/" + file))
                        saved += file + ": " + ReadFileForTest(w.Dir + "/" + file);
                }
                add("dialog", Joined(w.FrontEnd.Shown));
                add("started", Joined(w.Launcher.Started));
                add("opened", Joined(w.Opener.Opened));
                add("system dialog", Joined(w.Dialogs.Ran));
                add("wrote", saved);
                add("said", Joined(w.Dialogs.Messages) + Joined(w.FrontEnd.Messages));
                add("repainted", std::to_string(w.FrontEnd.Repaints));
                add("window", w.Form.isVisible() ? "" : "closed");
                transcript += Shown(line, w.Dir) + "\n";
            }
        }
        QCOMPARE(CompareWithGolden("app/menu_items.txt", transcript), std::string());
    }

    void workingFolder()
    {
        // Chosen from the menu: the report is cleared, the dialogs show the new folder's values,
        // the plots start there and the status line names it.
        const std::string root = ScratchDir("working_folder"), first = root + "/first", second = root + "/second";
        CalcRecord record = SampleRecord(1);
        FakeLauncher launcher;
        FakeOpener opener;
        FakeDialogs dialogs;
        fs::create_directories(second);
        std::ofstream(second + "/dialog33.sav", std::ios::binary) << "2.80\n7\n0.20\n0.25\n2.50\n";
        WindowProgram program(record, first, launcher, {&launcher, &opener, &dialogs});
        dialogs.FolderAnswer = second;
        program.MainForm.findChild<QAction*>("FileFolderItem")->trigger();
        QCOMPARE(record.ScreenReportKind, 0);
        QCOMPARE(program.Forms->Form22->Edit1->text(), QStringLiteral("2.80"));
        QVERIFY(fs::exists(second + "/wykresy/koralinex.jpg"));
        QCOMPARE(program.MainForm.FolderLabel->text(), QString::fromStdString("Katalog roboczy: " + second));
        program.FrontEnd.StartPlotter("gif.gnu");
        QCOMPARE(Joined(launcher.Started), "gnuplot gif.gnu in " + second);
        QCOMPARE(QDir::currentPath().toStdString(), fs::canonical(second).string());
        // A folder that cannot be prepared is refused, and the window stays where it was.
        std::ofstream(root + "/wykresy_blocked", std::ios::binary) << "";
        fs::create_directories(root + "/blocked");
        fs::create_symlink(root + "/wykresy_blocked", root + "/blocked/wykresy");
        dialogs.FolderAnswer = root + "/blocked";
        program.MainForm.findChild<QAction*>("FileFolderItem")->trigger();
        QCOMPARE(program.MainForm.Dir(), second);
        QCOMPARE(dialogs.Messages.size(), size_t{1});

        // From the arguments: none is the current folder; "~/" is the home folder; a missing
        // folder is made; one that cannot be made is refused.
        QDir::setCurrent(QString::fromStdString(root));
        qputenv("HOME", QByteArray::fromStdString(root + "/home"));
        std::ofstream(root + "/file", std::ios::binary) << "";
        const std::pair<QStringList, std::optional<std::string>> rows[] = {
            {{"went_char"}, root},
            {{"went_char", "new/building"}, root + "/new/building"},
            {{"went_char", "~/projects"}, root + "/home/projects"},
            {{"went_char", "file/building"}, std::nullopt},
        };
        for (const auto& [arguments, folder] : rows) {
            QCOMPARE(WorkingFolderFromArguments(arguments), folder);
            QVERIFY(!folder || fs::is_directory(*folder));
        }
    }
    void saveRunsGnuplotAndKeepsTheOldPictureWhenItFails()
    {
        if (QStandardPaths::findExecutable("gnuplot").isEmpty())
            QSKIP("gnuplot is not installed");
        TestWindow window("save_gnuplot");
        window.Dialogs.SaveAnswer = window.Dir + "/Projekt O'Brien/wykres 1";
        std::filesystem::create_directories(window.Dir + "/Projekt O'Brien");
        WriteFile(window.Dir + "/1.gnu", "0 0\n1 1\n");
        WriteFile(window.Dir + "/tmp1.gnu", "plot '1.gnu' with lines \n");
        QtProcessLauncher launcher;
        QCOMPARE(SaveChart(ChartSet::Fan, window.Dir, window.Dialogs, launcher, window.Form.Problems()),
                 SaveOutcome::Saved);
        const std::string picture = window.Dir + "/Projekt O'Brien/wykres 1.gif";
        QVERIFY(IsWholeGif(ReadFileForTest(picture)));
        QVERIFY(window.Dialogs.Messages.empty());

        // A script gnuplot cannot plot: it leaves an empty file; the previous picture comes back
        // and the message quotes gnuplot.
        WriteFile(window.Dir + "/tmp1.gnu", "plot 'brak.gnu' with lines\n");
        WriteFile(picture, "GIF89a previous picture;");
        QCOMPARE(SaveChart(ChartSet::Fan, window.Dir, window.Dialogs, launcher, window.Form.Problems()),
                 SaveOutcome::NotWritten);
        QCOMPARE(ReadFileForTest(picture), std::string("GIF89a previous picture;"));
        const std::string message = Joined(window.Dialogs.Messages);
        QVERIFY2(message.rfind("Nie udało się zapisać charakterystyki w pliku:\n" + picture + "\nProgram gnuplot: ", 0) == 0 &&
                     message.find("\"gifd1.gnu\" line ") != std::string::npos,
                 message.c_str());
    }

    void helpManual()
    {
        // Found beside the program first, then in the shared documentation.
        const std::string root = ScratchDir("manual");
        std::filesystem::create_directories(root + "/bin");
        std::filesystem::create_directories(root + "/share/doc/went_char");
        QVERIFY(!FindManual(root + "/bin"));
        WriteFile(root + "/share/doc/went_char/went_char_pl.html", "<html></html>");
        QCOMPARE(FindManual(root + "/bin").value_or(""), root + "/share/doc/went_char/went_char_pl.html");
        WriteFile(root + "/bin/went_char_pl.html", "<html></html>");
        QCOMPARE(FindManual(root + "/bin").value_or(""), root + "/bin/went_char_pl.html");

        // Every menu and every item has its section in the manual: a heading or a term of its
        // own, named as the menu shows it.
        const QString manual = QString::fromStdString(ReadFileForTest(WENT_SOURCE_DIR "/app/went_char_pl.html"));
        QStringList sections;
        static const QRegularExpression heading("<(h2|h3|dt)>([^<]*)</\\1>");
        for (const QRegularExpressionMatch& match : heading.globalMatch(manual))
            sections << match.captured(2);
        QStringList missing;
        for (const MenuItemRow& row : kMenuItems) {
            const QString caption = QString::fromUtf8(row.Caption).remove('&');
            if (!IsSeparator(row) && !sections.contains(caption))
                missing << caption;
        }
        for (const MenuRow& menu : kMenus)
            if (!sections.filter(QString::fromUtf8(menu.Caption).remove('&')).size())
                missing << menu.Caption;
        QCOMPARE(missing.join("; "), QString());
    }

    void realLauncherStartsInTheWorkingDirectoryWithoutInput()
    {
        // An empty input, so that a script's "pause -1" cannot wait on the terminal.
        const std::string dir = ScratchDir("launcher");
        QtProcessLauncher launcher;
        launcher.StartDetached("/bin/sh", {"-c", "cat > input.txt; pwd > started.txt"}, dir);
        QTRY_COMPARE(ReadFileForTest(dir + "/started.txt"), dir + "\n");
        QCOMPARE(ReadFileForTest(dir + "/input.txt"), std::string());

        // Started in the background and waited for: its end is announced once; past its time it
        // is ended. Columns: script, time allowed, how the run went.
        const std::tuple<const char*, int, std::string> runs[] = {
            {"cat; pwd", 10000, "started, finished: " + dir + "\n"},
            {"sleep 10", 200, "started, ended: "},
        };
        for (const auto& [script, limit, expected] : runs) {
            std::vector<std::string> ends;
            const auto program = launcher.Start("/bin/sh", {"-c", script}, dir, std::chrono::milliseconds(limit),
                                                [&ends](const ProcessRun& run) {
                                                    ends.push_back(std::string(run.Started ? "started, " : "") +
                                                                   (run.Finished ? "finished: " : "ended: ") + run.Output);
                                                });
            QElapsedTimer clock;
            clock.start();
            program->Wait();
            program->Wait();
            QCOMPARE(Joined(ends), expected);
            QVERIFY(clock.elapsed() < 5000);
        }
    }
};

QTEST_MAIN(WindowMenuTest)
#include "window_menu_test.moc"
