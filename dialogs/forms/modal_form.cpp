// Shared behaviour of the modal dialogs: window frame, fixed size, placement, font, Escape and
// the confirmation through ConfirmDialog.
#include "dialogs/forms/modal_form.h"

#include <QApplication>
#include <QComboBox>
#include <QFontMetrics>
#include <QGridLayout>
#include <QSpacerItem>
#include <QFontDatabase>
#include <QFrame>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QShowEvent>
#include <algorithm>

#include "model/check.h"

namespace {

// Heights of the controls in pixels, as the forms were designed.
constexpr int kEditHeight = 21;
constexpr int kRadioHeight = 17;
constexpr int kComboHeight = 21;
constexpr int kButtonWidth = 75;
constexpr int kButtonHeight = 25;
constexpr int kButtonGap = 5;  // between OK and Anuluj when they stand side by side

}  // namespace

QFont DialogFont()
{
    // The forms were laid out for "MS Sans Serif" 8 pt. Without it, a face with Arial's metrics
    // keeps the texts within the fixed client sizes; the wider system faces would cut the longest
    // radio captions.
    static const QStringList kFaces = {QStringLiteral("MS Sans Serif"), QStringLiteral("Arial"),
                                       QStringLiteral("Liberation Sans")};
    const QStringList installed = QFontDatabase::families();
    for (const QString& face : kFaces) {
        if (installed.contains(face))
            return QFont(face, 8);
    }
    QFont font;  // the system font
    font.setPointSize(8);
    return font;
}

int CaptionWidth(const QString& caption)
{
    // Title bars use a bold face about the size of the application's; the buttons at the right
    // of the title bar and the frame take about 120 px more.
    QFont title = QApplication::font();
    title.setBold(true);
    constexpr int kTitleBarExtras = 120;  // px
    return QFontMetrics(title).horizontalAdvance(caption) + kTitleBarExtras;
}

void WidenForCaption(QMessageBox& box)
{
    const int width = CaptionWidth(box.windowTitle());
    if (auto* grid = qobject_cast<QGridLayout*>(box.layout()))
        grid->addItem(new QSpacerItem(width, 0, QSizePolicy::Minimum, QSizePolicy::Minimum), grid->rowCount(), 0, 1,
                      grid->columnCount());
}

ModalForm::ModalForm(const DialogContext& context, DialogId id, const FormShape& shape)
    : QDialog(nullptr,
              Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                  Qt::WindowCloseButtonHint),
      context_(context), id_(id), placement_(shape.Placement), escapeCancels_(shape.EscapeCancels)
{
    WENT_CHECK(context.Record && context.Problems, "a form needs the record and the problem list");
    setObjectName(QString::fromLatin1(FactsOf(id).FormName));
    setWindowTitle(QString::fromUtf8(FactsOf(id).Caption));
    setFont(DialogFont());
    // Wide enough that the window manager shows the caption whole.
    setFixedSize(std::max(shape.Client.width(), CaptionWidth(windowTitle())), shape.Client.height());
    setSizeGripEnabled(false);
    if (!placement_.Centred)
        move(placement_.DesignPosition);
}

DialogOutcome ModalForm::Confirm(const DialogInput& input)
{
    const DialogOutcome outcome =
        ConfirmDialog(id_, input, *context_.Record, ValueFileTarget{context_.Dir}, *context_.Problems);
    if (outcome.Accepted) {
        accept();
        return outcome;
    }
    // Nothing was stored; the user corrects the text in place.
    QMessageBox box(QMessageBox::Warning, QString::fromUtf8(kMessageCaption), QString::fromUtf8(outcome.Message),
                    QMessageBox::Ok, this);
    WidenForCaption(box);
    box.exec();
    return outcome;
}

void ModalForm::ConfirmTexts(std::initializer_list<QLineEdit*> edits, const QComboBox* combo, int choice)
{
    DialogInput input;
    input.Choice = choice;
    for (const QLineEdit* edit : edits)
        input.Edits.push_back(Utf8(edit->text()));
    if (combo)
        input.ComboText = Utf8(combo->currentText());
    const DialogOutcome outcome = Confirm(input);
    // The box the refusal names gets the focus, its text selected for typing over.
    if (!outcome.Accepted && outcome.Box >= 0 && static_cast<size_t>(outcome.Box) < edits.size()) {
        QLineEdit* refused = edits.begin()[outcome.Box];
        refused->setFocus(Qt::OtherFocusReason);
        refused->selectAll();
    }
}

void ModalForm::ConfirmChoice(std::initializer_list<const QRadioButton*> radios)
{
    DialogInput input;
    input.Choice = -1;
    int i = 0;
    for (const QRadioButton* radio : radios) {
        if (radio->isChecked())
            input.Choice = i;
        ++i;
    }
    Confirm(input);
}

void ModalForm::FillEditsAtCreation(std::initializer_list<QLineEdit*> edits)
{
    const std::vector<std::string> texts = EditTextsAtCreation(id_, context_.Dir);
    WENT_CHECK(texts.size() == edits.size(), "one text per edit box of the value file");
    filledEdits_.assign(edits.begin(), edits.end());
    size_t i = 0;
    for (QLineEdit* edit : edits) {
        if (i < texts.size())
            edit->setText(QString::fromUtf8(texts[i]));
        ++i;
    }
}

int ModalForm::StartChoice() const { return ChoiceAtCreation(id_, ReadBuildingFile(context_.Dir)); }

void ModalForm::CheckAtCreation(std::initializer_list<QRadioButton*> radios)
{
    const int choice = StartChoice();
    WENT_CHECK(choice >= 0 && static_cast<size_t>(choice) < radios.size(), "the start choice names a button");
    radios.begin()[choice]->setChecked(true);
}

std::optional<std::string> ModalForm::StartComboText() const
{
    return ComboTextAtCreation(id_, ReadBuildingFile(context_.Dir));
}

QLabel* ModalForm::MakeLabel(const char* name, const QString& text, int left, int top, QWidget* parent)
{
    auto* label = new QLabel(text, parent ? parent : this);
    label->setObjectName(QString::fromLatin1(name));
    label->setTextFormat(Qt::PlainText);  // keeps the blanks that align the example tables
    label->move(left, top);
    label->adjustSize();
    return label;
}

QLineEdit* ModalForm::MakeEdit(const char* name, int left, int top, int width)
{
    auto* edit = new QLineEdit(this);
    edit->setObjectName(QString::fromLatin1(name));
    edit->setGeometry(left, top, width, kEditHeight);
    return edit;
}

QPushButton* ModalForm::MakeButton(const char* name, const QString& text, int left, int top)
{
    auto* button = new QPushButton(text, this);
    button->setObjectName(QString::fromLatin1(name));
    button->setGeometry(left, top, kButtonWidth, kButtonHeight);
    return button;
}

QRadioButton* ModalForm::MakeRadio(const char* name, const QString& text, int left, int top, int width,
                                   QWidget* parent)
{
    auto* radio = new QRadioButton(text, parent ? parent : this);
    radio->setFont(font());  // inside a style-sheeted group the font is not inherited
    radio->setObjectName(QString::fromLatin1(name));
    radio->setGeometry(left, top, width, kRadioHeight);
    return radio;
}

QFrame* ModalForm::MakeBevel(const char* name, int left, int top, int width, int height)
{
    auto* bevel = new QFrame(this);
    bevel->setObjectName(QString::fromLatin1(name));
    bevel->setFrameShape(QFrame::Box);
    bevel->setFrameShadow(QFrame::Sunken);
    bevel->setGeometry(left, top, width, height);
    return bevel;
}

QComboBox* ModalForm::MakeEditableCombo(const char* name, const std::vector<std::string>& items,
                                        const QString& initial, int left, int top, int width)
{
    auto* combo = new QComboBox(this);
    combo->setObjectName(QString::fromLatin1(name));
    combo->setEditable(true);
    combo->setInsertPolicy(QComboBox::NoInsert);  // Enter must not add the typed text as an item
    combo->setCompleter(nullptr);                 // the typed text stays as typed
    for (const std::string& item : items)
        combo->addItem(QString::fromStdString(item));
    combo->setCurrentIndex(-1);
    combo->setEditText(initial);
    combo->setGeometry(left, top, width, kComboHeight);
    return combo;
}

QGroupBox* ModalForm::MakeGroup(const char* name, const QString& title, int left, int top, int width, int height)
{
    auto* group = new QGroupBox(title, this);
    group->setObjectName(QString::fromLatin1(name));
    // The frame line runs through the middle of the title, as the forms were designed, so the
    // first row of controls stays clear of it.
    group->setStyleSheet(QStringLiteral(
        "QGroupBox { border: 1px solid palette(mid); border-radius: 2px; margin-top: 6px; }"
        "QGroupBox::title { subcontrol-origin: margin; subcontrol-position: top left; left: 7px;"
        " padding: 0px 2px; background-color: palette(window); }"));
    group->setGeometry(left, top, width, height);
    return group;
}

void ModalForm::MakeRadioColumn(std::initializer_list<QRadioButton**> radios, QGroupBox* group, int left, int top,
                                int step, int width)
{
    const std::vector<std::string>& captions = RadioCaptions(id_);
    int i = 0;
    for (QRadioButton** radio : radios) {
        const QByteArray name = "RadioButton" + QByteArray::number(i + 1);
        *radio = MakeRadio(name.constData(), QString::fromStdString(captions.at(i)), left, top + step * i, width, group);
        ++i;
    }
}

void ModalForm::WireButtons(QPushButton* ok, QPushButton* cancel)
{
    ok->setDefault(true);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void ModalForm::SetTabOrder(const std::vector<QWidget*>& order)
{
    QWidget* previous = nullptr;
    for (QWidget* widget : order) {
        if (previous) {
            QWidget::setTabOrder(previous, widget);
        } else {
            firstInTabOrder_ = widget;
            if (auto* box = qobject_cast<QLineEdit*>(widget))
                openingBox_ = box;
        }
        previous = widget;
    }
}

int ModalForm::CentredButtonsLeft() const
{
    return (width() - 2 * kButtonWidth - kButtonGap) / 2;
}

int ModalForm::CentredCancelLeft() const
{
    return CentredButtonsLeft() + kButtonWidth + kButtonGap;
}

void ModalForm::keyPressEvent(QKeyEvent* event)
{
    // Escape cancels only through a cancel button bound to it; elsewhere the key does nothing.
    if (event->matches(QKeySequence::Cancel)) {
        event->accept();
        if (escapeCancels_)
            reject();
        return;
    }
    QDialog::keyPressEvent(event);
}

void ModalForm::showEvent(QShowEvent* event)
{
    if (placement_.Centred) {
        if (const QScreen* screen = this->screen()) {
            const QRect area = screen->geometry();
            const QSize outer = frameGeometry().size();
            move(area.x() + (area.width() - outer.width()) / 2, area.y() + (area.height() - outer.height()) / 2);
        }
    }
    // An answer another dialog shares may have been confirmed there since: the building file holds it.
    std::vector<std::string> texts;
    for (size_t i = 0; i < filledEdits_.size(); ++i) {
        if (!IsSharedAnswer(id_, i))
            continue;
        if (texts.empty())
            texts = EditTextsAtCreation(id_, context_.Dir);
        filledEdits_[i]->setText(QString::fromUtf8(texts[i]));
    }
    if (openingBox_) {
        openingBox_->setFocus(Qt::OtherFocusReason);
        // Selected once the window has its focus: the focus change of a reshown window deselects.
        QMetaObject::invokeMethod(openingBox_, &QLineEdit::selectAll, Qt::QueuedConnection);
    } else if (!shownBefore_ && firstInTabOrder_) {
        firstInTabOrder_->setFocus(Qt::OtherFocusReason);
    }
    shownBefore_ = true;
    QDialog::showEvent(event);
}
