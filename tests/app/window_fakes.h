// Stand-ins for what the main window starts and asks outside itself, a window built on them, and a
// driver that answers modal dialogs as a user would: each step waits until the widget named by its
// objectName (its class, "QMessageBox", without one) is the active modal widget, then acts on it.
#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QCursor>
#include <QDir>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QPrinter>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <deque>
#include <fstream>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "app/main_form.h"
#include "app/process_launcher.h"
#include "app/system_dialogs.h"
#include "commands/commands.h"
#include "dialogs/forms/dialog_forms.h"
#include "model/calc_record.h"
#include "output/storage/working_dir.h"
#include "support/sample_record.h"
#include "support/test_support.h"

// A program started in the background: it runs, as RunAndWait does, only when waited for, and
// notes whether the busy cursor was shown meanwhile; stopped, it ends without its picture.
class FakeRunningProgram : public RunningProgram {
public:
    FakeRunningProgram(std::function<ProcessRun()> run, ProgramEnded ended, std::vector<std::string>& waited)
        : run_(std::move(run)), ended_(std::move(ended)), waited_(waited)
    {
    }
    void Wait() override
    {
        if (!ended_)
            return;
        const QCursor* cursor = QApplication::overrideCursor();
        waited_.push_back(cursor && cursor->shape() == Qt::WaitCursor ? "with the busy cursor" : "without a busy cursor");
        const ProcessRun run = run_();
        std::exchange(ended_, nullptr)(run);
    }
    void Stop() override
    {
        if (ended_)
            std::exchange(ended_, nullptr)({true, false, 0, ""});
    }

private:
    std::function<ProcessRun()> run_;
    ProgramEnded ended_;
    std::vector<std::string>& waited_;
};

// Records every start as "program arg1 arg2 ... in directory".
class FakeLauncher : public ProcessLauncher {
public:
    bool StartDetached(const std::string& program, const std::vector<std::string>& arguments,
                       const std::string& workingDirectory) override
    {
        std::string line = program;
        for (const std::string& argument : arguments)
            line += " " + argument;
        Started.push_back(line + " in " + workingDirectory);
        return !Missing;
    }
    // Recorded as a start; like gnuplot, the run writes a whole GIF to the picture its script names
    // in "set output '...'". Started in the background, it runs when waited for.
    ProcessRun RunAndWait(const std::string& program, const std::vector<std::string>& arguments,
                          const std::string& workingDirectory, std::chrono::milliseconds) override
    {
        if (!StartDetached(program, arguments, workingDirectory))
            return {};
        return Draw(arguments, workingDirectory);
    }
    std::unique_ptr<RunningProgram> Start(const std::string& program, const std::vector<std::string>& arguments,
                                          const std::string& workingDirectory, std::chrono::milliseconds,
                                          ProgramEnded ended) override
    {
        const bool found = StartDetached(program, arguments, workingDirectory);
        auto run = [found, arguments, workingDirectory] { return found ? Draw(arguments, workingDirectory) : ProcessRun{}; };
        return std::make_unique<FakeRunningProgram>(run, std::move(ended), Waited);
    }
    static ProcessRun Draw(const std::vector<std::string>& arguments, const std::string& workingDirectory)
    {
        std::ifstream script(workingDirectory + "/" + arguments.back());
        for (std::string line; std::getline(script, line);) {
            if (line.rfind("set output '", 0) != 0)
                continue;
            const QString picture = QString::fromStdString(line.substr(12, line.size() - 13)).replace("''", "'");
            const QString path = QDir(QString::fromStdString(workingDirectory)).filePath(picture);
            std::ofstream(path.toStdString()) << "GIF89a1234567;";
        }
        return {true, true, 0, ""};
    }
    bool Missing = false;  // the program is not on the search path
    std::vector<std::string> Started;
    std::vector<std::string> Waited;  // a background program waited for, with or without the busy cursor
};

class FakeOpener : public UrlOpener {
public:
    bool OpenFile(const std::string& path) override { return Opened.push_back(path), !Missing; }
    bool Missing = false;  // no browser can be started
    std::vector<std::string> Opened;
};

class FakeDialogs : public SystemDialogs {
public:
    QPrinter* RunPrintDialog() override { return Ran.push_back("print"), PrintConfirmed; }
    void RunPrintSetupDialog() override { Ran.push_back("printer set-up"); }
    std::optional<std::string> RunSaveDialog() override { return Ran.push_back("save"), SaveAnswer; }
    std::optional<std::string> RunFolderDialog(const std::string&) override
    {
        return Ran.push_back("folder"), FolderAnswer;
    }
    void ShowMessage(const std::string& text, const std::string&) override { Messages.push_back(text); }

    QPrinter* PrintConfirmed = nullptr;  // nullptr: the user cancels the print dialog
    std::optional<std::string> SaveAnswer;  // nullopt: the user cancels the save dialog
    std::optional<std::string> FolderAnswer;  // nullopt: the user cancels the folder chooser
    std::vector<std::string> Ran, Messages;  // the dialogs run; the messages shown
};

// Shows the dialogs through Forms, when set; records messages as "caption: text".
class FakeFrontEnd : public FrontEnd {
public:
    bool ShowDialog(DialogId dialog) override
    {
        Shown.push_back(FactsOf(dialog).FormName);
        return Forms && Forms->Exec(dialog);
    }
    void ShowMessage(const std::string& text, const std::string& caption) override { Messages.push_back(caption + ": " + text); }
    bool StartPlotter(const std::string& scriptName) override { return Plotted.push_back(scriptName), false; }
    void Repaint() override { ++Repaints; }

    DialogForms* Forms = nullptr;
    std::vector<std::string> Shown, Messages, Plotted;  // the dialogs' form names; "caption: text"
    int Repaints = 0;
};

class ModalDriver {
public:
    using Action = std::function<void(QWidget* modal)>;

    ModalDriver()
    {
        timer_.setInterval(5);
        QObject::connect(&timer_, &QTimer::timeout, [this] { Poll(); });
    }

    void Then(const QString& name, Action action) { steps_.push_back({name, std::move(action)}); }

    // Runs `code` (which opens the dialogs) while the steps are answered; returns its result.
    template <typename Code>
    auto Drive(Code code)
    {
        clock_.start();
        timer_.start();
        auto result = code();
        timer_.stop();
        return result;
    }

    // "" when every step ran and no unexpected dialog had to be closed.
    std::string Problems() const
    {
        std::string text = problems_ + (pending_ ? "a step still runs; " : "");
        for (const Step& step : steps_)
            text += "step never reached: " + step.Name.toStdString() + "; ";
        return text;
    }

private:
    struct Step {
        QString Name;
        Action Do;
    };

    static QString NameOf(QWidget* w)
    {
        return w->objectName().isEmpty() ? w->metaObject()->className() : w->objectName();
    }

    void Poll()
    {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || !modal->isVisible() || pending_)
            return;
        if (!steps_.empty() && NameOf(modal) == steps_.front().Name) {
            // Run outside this slot: the action may open a nested modal loop, and a timer does
            // not fire again while its own slot runs.
            pending_ = true;
            clock_.restart();
            QTimer::singleShot(0, [this, step = std::move(steps_.front()), target = QPointer<QWidget>(modal)] {
                pending_ = false;
                if (target)
                    step.Do(target);
            });
            steps_.pop_front();
            return;
        }
        // An unexpected dialog, or the expected one never comes: close it so the test ends.
        if (clock_.elapsed() > 3000) {
            problems_ += "unexpected modal widget: " + NameOf(modal).toStdString() +
                         (steps_.empty() ? "" : " (waiting for " + steps_.front().Name.toStdString() + ")") + "; ";
            clock_.restart();
            modal->close();
        }
    }

    std::deque<Step> steps_;
    std::string problems_;
    QTimer timer_;
    QElapsedTimer clock_;
    bool pending_ = false;
};

// The control named `name`; a test fails at once where there is none.
template <typename T>
T* Child(QWidget* form, const char* name)
{
    T* child = form->findChild<T*>(QString::fromLatin1(name));
    if (!child)
        qFatal("no control %s in %s", name, qPrintable(form->objectName()));
    return child;
}

inline void SetEdit(QWidget* form, const char* name, const QString& text) { Child<QLineEdit>(form, name)->setText(text); }
inline void Check(QWidget* form, const char* name) { Child<QRadioButton>(form, name)->click(); }
inline void Click(QWidget* form, const char* name) { Child<QAbstractButton>(form, name)->click(); }
inline void Key(QWidget* form, Qt::Key key) { QTest::keyClick(form->focusWidget() ? form->focusWidget() : form, key); }

// Types over an editable combo box's text, one key event per character (keyClicks is ASCII only);
// the box keeps the focus, so that Enter is pressed in it.
inline void TypeComboText(QWidget* form, const char* name, const QString& text)
{
    auto* combo = Child<QComboBox>(form, name);
    combo->setFocus();
    combo->lineEdit()->selectAll();
    for (const QChar c : text)
        QTest::sendKeyEvent(QTest::Click, combo->lineEdit(), Qt::Key_unknown, QString(c), Qt::NoModifier);
}

// Picks item `index` of a combo box, as a click in the drop-down does.
inline void PickComboItem(QWidget* form, const char* name, int index)
{
    auto* combo = Child<QComboBox>(form, name);
    combo->setCurrentIndex(index);
    emit combo->activated(index);
}

// OK and Anuluj: OKBtn/CancelBtn in the bottom-button dialogs, Button1/Button2 in the others.
inline bool BottomKind(QWidget* form) { return form->findChild<QAbstractButton*>("OKBtn") != nullptr; }
inline void ClickOk(QWidget* form) { Click(form, BottomKind(form) ? "OKBtn" : "Button1"); }
inline void ClickCancel(QWidget* form) { Click(form, BottomKind(form) ? "CancelBtn" : "Button2"); }

inline CalcRecord EmptyRecord()
{
    CalcRecord record;
    ResetCalcRecord(record);
    return record;
}

// The main window and the dialog forms on the stand-ins, in a working folder of their own set up
// as at start-up; the front end shows the dialogs.
struct TestWindow {
    explicit TestWindow(const std::string& name, const CalcRecord& record = EmptyRecord())
        : Dir(ScratchDir(name)), Record(record), Form(Record, Dir, FrontEnd, {&Launcher, &Opener, &Dialogs})
    {
        PrepareWorkingDirectory(Dir, Form.Problems());
        Forms = std::make_unique<DialogForms>(DialogContext{&Record, Dir, &Form.Problems()});
        FrontEnd.Forms = Forms.get();
    }
    // Shows the dialog answered by `act`; true for OK.
    bool Exec(DialogId id, const ModalDriver::Action& act)
    {
        ModalDriver driver;
        driver.Then(Forms->Form(id)->objectName(), act);
        const bool accepted = driver.Drive([&] { return Forms->Exec(id); });
        if (const std::string problems = driver.Problems(); !problems.empty())
            QTest::qFail(problems.c_str(), __FILE__, __LINE__);
        return accepted;
    }
    std::string Dir;
    CalcRecord Record;
    FakeFrontEnd FrontEnd;
    FakeLauncher Launcher;
    FakeOpener Opener;
    FakeDialogs Dialogs;
    TMainForm Form;
    std::unique_ptr<DialogForms> Forms;
};
