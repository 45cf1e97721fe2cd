#include "installer/installer_window.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>

#include "common/dialogs.h"
#include "installer/installation.h"
#include "print/font_faces.h"

namespace {

QFont fontOf(const char* face, int points)
{
    QFont font;
    font.setFamilies(fontFamilies(QString::fromLatin1(face)));
    font.setPointSize(points);
    return font;
}

void setTextColour(QLabel* label, const QColor& colour)
{
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colour);
    label->setPalette(palette);
}

} // namespace

InstallerWindow::InstallerWindow(Dialogs& dialogs, const QString& workingFolder, QWidget* parent)
    : QDialog(parent), dialogs_(dialogs), workingFolder_(workingFolder), folder_(new QLineEdit(this)),
      choose_(new QPushButton(QStringLiteral("Choisir un autre dossier..."), this)),
      install_(new QPushButton(QStringLiteral("Installer"), this)), bar_(new QProgressBar(this)),
      status_(new QLabel(this))
{
    setWindowTitle(QStringLiteral("Installation du logiciel Varkel - Gestion commerciale V.20 (2020)"));
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);

    auto* banner = new QLabel(this);
    const QPixmap picture(QStringLiteral(":/installer_banner.png"));
    banner->setPixmap(picture);
    banner->setGeometry(2, 2, picture.width(), picture.height());
    // As wide as the banner, with its margin on both sides.
    const int width = picture.width() + 4;
    setFixedSize(width, 430);

    const int ruleTop = 2 + picture.height() + 3;
    auto* rule = new QFrame(this);
    rule->setFrameShape(QFrame::HLine);
    rule->setFrameShadow(QFrame::Sunken);
    rule->setGeometry(5, ruleTop, width - 10, 3);

    const int folderTop = ruleTop + 20;
    auto* label = new QLabel(QStringLiteral("Dossier d'installation:"), this);
    label->setGeometry(20, folderTop, 150, 24);
    label->setBuddy(folder_);
    folder_->setGeometry(175, folderTop, 360, 24);
    folder_->setText(defaultInstallFolder());

    const int buttonsTop = folderTop + 34;
    choose_->setGeometry(175, buttonsTop, 190, 28);
    install_->setGeometry(375, buttonsTop, 160, 28);
    install_->setDefault(true);
    connect(choose_, &QPushButton::clicked, this, &InstallerWindow::chooseFolder);
    connect(install_, &QPushButton::clicked, this, &InstallerWindow::runInstall);

    const int frameTop = buttonsTop + 40;
    auto* frame = new QGroupBox(this);
    frame->setGeometry(10, frameTop, width - 20, height() - frameTop - 10);
    bar_->setRange(0, 100);
    bar_->setValue(0);
    bar_->setGeometry(20, frameTop + 14, width - 40, 22);
    status_->setGeometry(20, frameTop + 44, width - 40, 26);
    status_->setText(QStringLiteral("INSTALLATION DU LOGICIEL Varkel - Gestion commerciale V.20 (2020)"));
    status_->setFont(fontOf("calibri", 12));
    setTextColour(status_, QColor(58, 68, 197));

    folder_->setFocus();
    if (const QScreen* desktop = screen())
        move(desktop->availableGeometry().center() - QPoint(width / 2, height() / 2));
}

void InstallerWindow::chooseFolder()
{
    const QString chosen = dialogs_.chooseFolder(QStringLiteral("Sélectionnez un dossier de destination..."));
    // A cancelled dialog leaves the folder as it was.
    if (!chosen.isEmpty()) folder_->setText(normaliseInstallFolder(chosen));
}

void InstallerWindow::runInstall()
{
    const InstallOutcome outcome = install(dialogs_, folder_->text(), workingFolder_,
                                           [this](int percent, const QString& status) { showProgress(percent, status); });
    installing_ = false;
    choose_->setEnabled(true);
    install_->setEnabled(true);
    if (outcome == InstallOutcome::Installed) {
        folder_->clear();
    } else if (outcome == InstallOutcome::Failed) {
        bar_->setValue(0);
        status_->clear();
    }
}

void InstallerWindow::showProgress(int percent, const QString& status)
{
    if (!installing_) {
        installing_ = true;
        choose_->setEnabled(false);
        install_->setEnabled(false);
        status_->setFont(fontOf("trebuchet ms", 9));
        setTextColour(status_, QColor(150, 97, 160));
    }
    bar_->setValue(percent);
    status_->setText(status);
    // Shows the step now; the keyboard and mouse wait until the installation is over.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void InstallerWindow::closeEvent(QCloseEvent* event)
{
    // A copy is not left half-way through.
    if (installing_) event->ignore();
    else QDialog::closeEvent(event);
}

void InstallerWindow::reject()
{
    if (!installing_) QDialog::reject();
}
