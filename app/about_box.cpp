// The about box, laid out at fixed positions on a 298 x 213 px client area, centred on the
// screen when shown.
#include "app/about_box.h"

#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>

// The resources of the static library must be registered by name from the program's side.
static void InitAppResources()
{
    Q_INIT_RESOURCE(app);
}

QPixmap ProgramPicture()
{
    InitAppResources();
    return QPixmap(QStringLiteral(":/app/went_char.png"));
}

TAboutBox::TAboutBox(QWidget* parent) : QDialog(parent)
{
    setObjectName("AboutBox");
    setWindowTitle(QStringLiteral("About"));
    setFixedSize(298, 213);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    Panel1 = new QFrame(this);
    Panel1->setObjectName("Panel1");
    Panel1->setFrameStyle(QFrame::Panel | QFrame::Raised);
    Panel1->setLineWidth(2);
    Panel1->setGeometry(8, 8, 281, 161);

    ProgramIcon = new QLabel(Panel1);
    ProgramIcon->setObjectName("ProgramIcon");
    ProgramIcon->setGeometry(8, 8, 65, 57);
    ProgramIcon->setScaledContents(true);
    ProgramIcon->setPixmap(ProgramPicture());

    const auto label = [this](const char* name, const QString& text, QRect geometry) {
        QLabel* result = new QLabel(text, Panel1);
        result->setObjectName(name);
        result->setGeometry(geometry);
        result->setWordWrap(true);
        return result;
    };
    ProductName = label("ProductName", QStringLiteral("Program doboru wentylatorów dachowych"), QRect(84, 12, 190, 36));
    ProductName2 = label("ProductName2", QStringLiteral("firmy KORALINEX"), QRect(84, 48, 190, 18));
    Version = label("Version", QStringLiteral("Wersja 1.0"), QRect(84, 72, 190, 18));
    Copyright = label("Copyright", QStringLiteral("Autorzy: Zespół went_char"), QRect(8, 112, 265, 36));

    OKButton = new QPushButton(QStringLiteral("OK"), this);
    OKButton->setObjectName("OKButton");
    OKButton->setGeometry(111, 180, 75, 25);
    OKButton->setDefault(true);
    connect(OKButton, &QPushButton::clicked, this, &QDialog::accept);

    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect placed = geometry();
        placed.moveCenter(screen->availableGeometry().center());
        move(placed.topLeft());
    }
}
