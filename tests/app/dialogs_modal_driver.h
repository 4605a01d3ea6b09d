// Answers modal dialogs from a timer, the way a user would: each step waits until the named
// widget is the active modal widget, then acts on it (sets controls by objectName, clicks a
// button, presses a key). Used by the QtTest programs of the dialog forms.
#pragma once

#include <deque>
#include <functional>
#include <string>
#include <vector>

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

class ModalDriver {
public:
    using Action = std::function<void(QWidget* modal)>;

    // The step runs when a modal widget named `name` (objectName) is active. "QMessageBox" stands
    // for any message box.
    void Then(const QString& name, Action action) { steps_.push_back({name, std::move(action)}); }

    // Starts polling; call before the code that opens the first dialog.
    void Start()
    {
        timer_.setInterval(5);
        QObject::connect(&timer_, &QTimer::timeout, [this] { Poll(); });
        clock_.start();
        timer_.start();
    }

    void Stop() { timer_.stop(); }

    bool Finished() const { return steps_.empty() && !pending_; }
    // What went wrong: unexpected dialogs that had to be closed, or steps that never ran.
    std::vector<std::string> Problems() const
    {
        std::vector<std::string> problems = problems_;
        for (const Step& step : steps_)
            problems.push_back("step never reached: " + step.Name.toStdString());
        return problems;
    }
    // Names of the modal widgets answered, in order.
    const std::vector<std::string>& Seen() const { return seen_; }

private:
    struct Step {
        QString Name;
        Action Do;
    };

    static QString NameOf(QWidget* widget)
    {
        return qobject_cast<QMessageBox*>(widget) ? QStringLiteral("QMessageBox") : widget->objectName();
    }

    void Poll()
    {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || !modal->isVisible() || pending_)
            return;
        if (!steps_.empty() && NameOf(modal) == steps_.front().Name) {
            Step step = std::move(steps_.front());
            steps_.pop_front();
            seen_.push_back(step.Name.toStdString());
            clock_.restart();
            // The action runs outside this timer's slot: it may open a nested modal loop (a
            // message box), and a timer does not fire again while its own slot is running.
            pending_ = true;
            QPointer<QWidget> target(modal);
            QTimer::singleShot(0, [this, step = std::move(step), target] {
                pending_ = false;
                if (target)
                    step.Do(target);
            });
            return;
        }
        // A dialog nobody expected, or the expected one never comes: close what is open so that
        // the test ends instead of hanging.
        if (clock_.elapsed() > 3000) {
            problems_.push_back("unexpected modal widget: " + NameOf(modal).toStdString() +
                                (steps_.empty() ? std::string() : " (waiting for " + steps_.front().Name.toStdString() + ")"));
            clock_.restart();
            if (auto* dialog = qobject_cast<QDialog*>(modal))
                dialog->reject();
            else
                modal->close();
        }
    }

    std::deque<Step> steps_;
    std::vector<std::string> problems_;
    std::vector<std::string> seen_;
    QTimer timer_;
    QElapsedTimer clock_;
    bool pending_ = false;
};

// Control helpers for the actions.
inline void SetEdit(QWidget* form, const char* name, const QString& text)
{
    auto* edit = form->findChild<QLineEdit*>(QString::fromLatin1(name));
    QVERIFY2(edit, name);
    edit->selectAll();
    edit->setText(text);
}

inline void Check(QWidget* form, const char* name)
{
    auto* radio = form->findChild<QRadioButton*>(QString::fromLatin1(name));
    QVERIFY2(radio, name);
    radio->click();
}

inline void Click(QWidget* form, const char* name)
{
    auto* button = form->findChild<QAbstractButton*>(QString::fromLatin1(name));
    QVERIFY2(button, name);
    button->click();
}

// Types `text` into an editable combo box as the user would (replacing what it shows).
inline void TypeComboText(QWidget* form, const char* name, const QString& text)
{
    auto* combo = form->findChild<QComboBox*>(QString::fromLatin1(name));
    QVERIFY2(combo && combo->lineEdit(), name);
    combo->lineEdit()->selectAll();
    // One key event per character; QTest::keyClicks knows only ASCII.
    for (const QChar c : text)
        QTest::sendKeyEvent(QTest::Click, combo->lineEdit(), Qt::Key_unknown, QString(c), Qt::NoModifier);
}

// Picks item `index` of a combo box from its list, as a click in the drop-down does.
inline void PickComboItem(QWidget* form, const char* name, int index)
{
    auto* combo = form->findChild<QComboBox*>(QString::fromLatin1(name));
    QVERIFY2(combo, name);
    combo->setCurrentIndex(index);
    emit combo->activated(index);
}

// The OK button of a form: OKBtn in the dialogs of the bottom-button kind, Button1 in the others.
inline void ClickOk(QWidget* form)
{
    if (form->findChild<QAbstractButton*>(QStringLiteral("OKBtn")))
        Click(form, "OKBtn");
    else
        Click(form, "Button1");
}

inline void ClickCancel(QWidget* form)
{
    if (form->findChild<QAbstractButton*>(QStringLiteral("CancelBtn")))
        Click(form, "CancelBtn");
    else
        Click(form, "Button2");
}
