// Fan chooser dialog. The 55 buttons stand in three columns, listed top to bottom by FanIndex;
// the tab order runs down the columns one after another.
#include "dialogs/forms/fan_choice_form.h"

#include <iterator>

#include <QButtonGroup>
#include <QGroupBox>
#include <QImage>
#include <QImageReader>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>

#include "model/check.h"

namespace {

// FanIndex of the buttons, column by column, top to bottom.
constexpr int kColumn1[] = {1, 2, 3, 4, 5, 6, 51, 52, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16};
constexpr int kColumn2[] = {17, 18, 19, 23, 24, 39, 40, 41, 25, 26, 27, 28, 29, 30, 31, 32, 33, 34};
constexpr int kColumn3[] = {42, 43, 35, 36, 37, 38, 44, 45, 46, 47, 48, 49, 50, 53, 54, 55, 56, 57, 58};

constexpr int kColumnLeft[] = {16, 184, 352};  // px
constexpr int kFirstRowTop = 24;               // px
constexpr int kRowStep = 24;                   // px
constexpr int kRadioWidth = 161;               // px, up to the next column

struct FamilyPicture {
    const char* Resource;  // JPEG in pictures.qrc
    const char* Family;    // label text beside the picture
    int ImageTop;          // px
    int ImageHeight;       // px
    int LabelTop;          // px
};

// Columns: picture, family label, picture top, picture height, label top. Pictures at x 528,
// 73 px wide; labels at x 608. FARNE and GELMA have neither.
constexpr FamilyPicture kPictures[] = {
    {":/chooser/alvir.jpg",  "ALVIR",    8, 65,  32},
    {":/chooser/bresa.jpg",  "BRESA",   80, 73, 104},
    {":/chooser/corva.jpg",  "CORVA",  160, 81, 192},
    {":/chooser/dunmar.jpg", "DUNMAR", 248, 89, 280},
    {":/chooser/eskol.jpg",  "ESKOL",  344, 49, 360},
};

constexpr int kImageLeft = 528;
constexpr int kImageWidth = 73;
constexpr int kLabelLeft = 608;

// Decodes a picture with Qt's JPEG reader. Without the reader the picture stays empty.
QPixmap LoadPicture(const char* resource)
{
    QImageReader reader(QString::fromLatin1(resource), "jpeg");
    const QImage image = reader.read();
    return image.isNull() ? QPixmap() : QPixmap::fromImage(image);
}

}  // namespace

// The pictures are compiled into the static library went_gui; their registration must be asked
// for, or the linker leaves it out. Outside any namespace, as Qt requires.
static void RegisterChooserPictures()
{
    Q_INIT_RESOURCE(pictures);
}

TOKBottomDlg_wyw::TOKBottomDlg_wyw(const DialogContext& context)
    : ModalForm(context, DialogId::OKBottomDlg_wyw, {QSize(662, 552), kScreenCentre, true})
{
    RegisterChooserPictures();
    GroupBox1 = MakeGroup("GroupBox1", "Proszę wybrać wentylator", 8, 8, 513, 481);
    Buttons = new QButtonGroup(this);
    Buttons->setObjectName(QStringLiteral("Buttons"));
    Buttons->setExclusive(true);

    // Created after the frame, so they stand over it; children of the form, so one group.
    std::vector<QWidget*> tabOrder;
    const auto addColumn = [&](const int* first, const int* last, int left) {
        int top = kFirstRowTop;
        for (const int* k = first; k != last; ++k) {
            const FanEntry* entry = LookupFan(*k);
            WENT_CHECK(entry && entry->ChooserCaption, "every listed entry has a button");
            const QByteArray name = "RadioButton" + QByteArray::number(*k);
            QRadioButton* radio = MakeRadio(name.constData(), QString::fromUtf8(entry->ChooserCaption), left, top,
                                            kRadioWidth);
            Buttons->addButton(radio, *k);
            radioButtons_[*k] = radio;
            tabOrder.push_back(radio);
            top += kRowStep;
        }
    };
    addColumn(std::begin(kColumn1), std::end(kColumn1), kColumnLeft[0]);
    addColumn(std::begin(kColumn2), std::end(kColumn2), kColumnLeft[1]);
    addColumn(std::begin(kColumn3), std::end(kColumn3), kColumnLeft[2]);
    radioButtons_[StartChoice()]->setChecked(true);  // checked when the building file was read

    for (size_t i = 0; i < std::size(kPictures); ++i) {
        const FamilyPicture& picture = kPictures[i];
        QLabel* image = new QLabel(this);
        image->setObjectName(QStringLiteral("Image%1").arg(i + 1));
        image->setGeometry(kImageLeft, picture.ImageTop, kImageWidth, picture.ImageHeight);
        image->setScaledContents(true);
        image->setPixmap(LoadPicture(picture.Resource));
        Images[i] = image;
        const QByteArray labelName = "Label" + QByteArray::number(static_cast<int>(i + 1));
        Labels[i] = MakeLabel(labelName.constData(), QString::fromLatin1(picture.Family), kLabelLeft, picture.LabelTop);
    }

    OKBtn = MakeButton("OKBtn", "OK", 143, 508);
    CancelBtn = MakeButton("CancelBtn", "Anuluj", 239, 508);
    WireButtons(OKBtn, CancelBtn);
    connect(OKBtn, &QPushButton::clicked, this, &TOKBottomDlg_wyw::OKBtnClick);

    tabOrder.push_back(OKBtn);
    tabOrder.push_back(CancelBtn);
    SetTabOrder(tabOrder);
}

QRadioButton* TOKBottomDlg_wyw::RadioButton(int fanIndex) const
{
    return fanIndex >= 1 && fanIndex <= kFanCount ? radioButtons_[fanIndex] : nullptr;
}

void TOKBottomDlg_wyw::OKBtnClick()
{
    // The buttons are tested in ascending FanIndex; the last checked one wins (only one can be).
    DialogInput input;
    input.Choice = 0;
    for (int k = 1; k <= kFanCount; ++k) {
        if (radioButtons_[k] && radioButtons_[k]->isChecked())
            input.Choice = k;
    }
    Confirm(input);
}
