// Start-up of the window program, shared by main() and the tests.
#include "app/window_program.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>

#include "app/process_launcher.h"
#include "output/storage/text_file.h"
#include "output/storage/working_dir.h"

bool InstallQtPolish(QTranslator& translator)
{
    // The program speaks Polish whatever the user's locale, so Qt's own dialogs do too.
    if (!translator.load(QLocale(QLocale::Polish, QLocale::Poland), QStringLiteral("qtbase"), QStringLiteral("_"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        return false;
    return QCoreApplication::installTranslator(&translator);
}

std::optional<std::string> WorkingFolderFromArguments(const QStringList& arguments)
{
    if (arguments.size() < 2)
        return QDir::currentPath().toStdString();
    QString folder = arguments.at(1);
    // A desktop file cannot name the home folder; "~/..." is taken as a shell would.
    if (folder == QStringLiteral("~") || folder.startsWith(QStringLiteral("~/")))
        folder = QDir::homePath() + folder.mid(1);
    const std::string path = QDir(folder).absolutePath().toStdString();
    if (!MakeFolder(path))
        return std::nullopt;
    return path;
}

WindowProgram::WindowProgram(CalcRecord& record, const std::string& dir, ProcessLauncher& launcher,
                             WindowServices services)
    : FrontEnd(launcher, dir),
      MainForm(record, dir, FrontEnd, WindowServices{services.Launcher ? services.Launcher : &launcher,
                                                     services.Opener, services.Dialogs}),
      AboutBox(&MainForm), record_(record)
{
    MainForm.SetAboutBox(&AboutBox);
    Forms = std::make_unique<DialogForms>(DialogContext{&record_, dir, &MainForm.Problems()});
    FrontEnd.SetMainForm(&MainForm);
    MainForm.SetPictures(&FrontEnd.Pictures());
    FrontEnd.SetDialogForms(Forms.get());
    MainForm.SetFolderSwitchHook([this](const std::string& folder) { FolderSwitched(folder); });
    PrepareWorkingDirectory(dir, MainForm.Problems());
    // The building the folder holds, with its report when it names a fan.
    RestoreBuilding(record_, dir);
    MainForm.Invalidate();
}

WindowProgram::~WindowProgram()
{
    FrontEnd.SetDialogForms(nullptr);
}

void WindowProgram::FolderSwitched(const std::string& dir)
{
    FrontEnd.SetDialogForms(nullptr);
    Forms.reset();  // the old forms go before the new ones read their value files
    Forms = std::make_unique<DialogForms>(DialogContext{&record_, dir, &MainForm.Problems()});
    FrontEnd.SetDialogForms(Forms.get());
    FrontEnd.SetDir(dir);
    RestoreBuilding(record_, dir);
    // Value files of the new folder that exist but cannot be read, and lines of its building
    // file that cannot be read, are said once, as at start.
    for (const std::string& message : {UnreadableValueFilesMessage(dir), BuildingFileMessage(dir)})
        if (!message.empty())
            FrontEnd.ShowMessage(message, kMessageCaption);
}
