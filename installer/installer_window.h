#pragma once
// The installer's one window: the banner, the destination folder, "Choisir un autre dossier...",
// "Installer", the progress bar and the status line.

#include <QDialog>

class Dialogs;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;

class InstallerWindow : public QDialog {
    Q_OBJECT
public:
    // workingFolder holds DataFile and receives PathFile.txt.
    InstallerWindow(Dialogs& dialogs, const QString& workingFolder, QWidget* parent = nullptr);

    void chooseFolder();
    void runInstall();

protected:
    void closeEvent(QCloseEvent* event) override;
    void reject() override;

private:
    void showProgress(int percent, const QString& status);

    Dialogs& dialogs_;
    const QString workingFolder_;
    QLineEdit* folder_;
    QPushButton* choose_;
    QPushButton* install_;
    QProgressBar* bar_;
    QLabel* status_;
    bool installing_ = false;
};
