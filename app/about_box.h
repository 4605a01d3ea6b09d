// The about box: a fixed dialog with the program's picture, its name, version and authors.
#pragma once

#include <QDialog>

class QFrame;
class QLabel;
class QPushButton;

class TAboutBox : public QDialog {
    Q_OBJECT
public:
    explicit TAboutBox(QWidget* parent = nullptr);

    QFrame* Panel1;
    QLabel* ProgramIcon;
    QLabel* ProductName;
    QLabel* ProductName2;
    QLabel* Version;
    QLabel* Copyright;
    QPushButton* OKButton;
};

// The program's own picture (64 x 64), also the window icon.
QPixmap ProgramPicture();
