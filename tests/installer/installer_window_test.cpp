#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QTest>

#include "install_fixture.h"
#include "installer/installer_window.h"
#include "widget_finders.h"

namespace {

class InstallerWindowTest : public InstallFixture {
protected:
    QLineEdit* folderField() { return window.findChild<QLineEdit*>(); }
    QProgressBar* bar() { return window.findChild<QProgressBar*>(); }

    InstallerWindow window{dialogs, work()};
};

TEST_F(InstallerWindowTest, OpensOnTheHomeFolderWithTheBanner)
{
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Installation du logiciel Varkel - Gestion commerciale V.20 (2020)"));
    EXPECT_EQ(folderField()->text(), QDir(home()).filePath(PROGRAM_NAME));
    int banners = 0;
    for (const QLabel* label : window.findChildren<QLabel*>())
        if (!label->pixmap().isNull() && label->pixmap().size() == QSize(632, 236)) ++banners;
    EXPECT_EQ(banners, 1);
    EXPECT_EQ(window.width(), 636);
    EXPECT_EQ(bar()->value(), 0);
}

TEST_F(InstallerWindowTest, TheChosenFolderIsNormalisedAndACancelledChoiceChangesNothing)
{
    dialogs.folders = {QStringLiteral("/srv/apps"), QString()};

    QTest::mouseClick(buttonOf(window, QStringLiteral("Choisir un autre dossier...")), Qt::LeftButton);
    EXPECT_EQ(folderField()->text(), QStringLiteral("/srv/apps/Varkel_v20"));
    QTest::mouseClick(buttonOf(window, QStringLiteral("Choisir un autre dossier...")), Qt::LeftButton);
    EXPECT_EQ(folderField()->text(), QStringLiteral("/srv/apps/Varkel_v20"));

    EXPECT_EQ(dialogs.shown, (std::vector<ShownBox>(2, {QStringLiteral("folder"),
                                                        QStringLiteral("Sélectionnez un dossier de destination..."),
                                                        QString()})));
}

TEST_F(InstallerWindowTest, InstallerRunsTheInstallationWithTheButtonsDisabledUntilItEnds)
{
    window.show();
    const QString destination = path(QStringLiteral("apps/Varkel_v20"));
    folderField()->setText(path(QStringLiteral("apps")));
    std::vector<bool> enabledWhileRunning;
    QObject::connect(bar(), &QProgressBar::valueChanged, [&] {
        enabledWhileRunning.push_back(buttonOf(window, QStringLiteral("Installer"))->isEnabled()
                                      || buttonOf(window, QStringLiteral("Choisir un autre dossier..."))->isEnabled());
    });

    QTest::mouseClick(buttonOf(window, QStringLiteral("Installer")), Qt::LeftButton);

    EXPECT_TRUE(QFileInfo(QDir(destination).filePath(PROGRAM_NAME)).isExecutable());
    EXPECT_EQ(dialogs.shown.back().text, QStringLiteral("Installation terminée!"));
    ASSERT_FALSE(enabledWhileRunning.empty());
    EXPECT_EQ(std::count(enabledWhileRunning.begin(), enabledWhileRunning.end(), true), 0);
    EXPECT_TRUE(buttonOf(window, QStringLiteral("Installer"))->isEnabled());
    EXPECT_TRUE(buttonOf(window, QStringLiteral("Choisir un autre dossier..."))->isEnabled());
    EXPECT_EQ(bar()->value(), 100);
    EXPECT_TRUE(folderField()->text().isEmpty());

    // Return in the folder field installs too; into the same folder, the question comes first.
    folderField()->setText(destination);
    dialogs.takeShown();
    QTest::keyClick(folderField(), Qt::Key_Return);
    ASSERT_FALSE(dialogs.shown.empty());
    EXPECT_EQ(dialogs.shown.front().title, QStringLiteral("Dossier existant"));
    EXPECT_EQ(folderField()->text(), destination) << "a refused question leaves the window as it was";
}

} // namespace
