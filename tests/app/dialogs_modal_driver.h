// Answers modal dialogs from a timer as a user would: each step waits until the widget named by
// its objectName ("QMessageBox" for any message box) is the active modal widget, then acts on it.
#pragma once

#include <deque>
#include <functional>
#include <string>

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

    // Every step ran and no unexpected dialog had to be closed.
    bool Ok() const { return steps_.empty() && !pending_ && problems_.empty(); }
    std::string Problems() const
    {
        std::string text = problems_;
        for (const Step& step : steps_)
            text += "step never reached: " + step.Name.toStdString() + "; ";
        return text;
    }

private:
    struct Step {
        QString Name;
        Action Do;
    };

    static QString NameOf(QWidget* w) { return qobject_cast<QMessageBox*>(w) ? "QMessageBox" : w->objectName(); }

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
            if (auto* dialog = qobject_cast<QDialog*>(modal))
                dialog->reject();
            else
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

// Types over an editable combo box's text, one key event per character (keyClicks is ASCII only).
inline void TypeComboText(QWidget* form, const char* name, const QString& text)
{
    auto* combo = Child<QComboBox>(form, name);
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
