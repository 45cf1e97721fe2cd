// The access-code window: Return answers only in the code edit, and the buttons reach the rules.
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "data_fixture.h"
#include "widget_finders.h"
#include "shell/access_window.h"

namespace {

const ShownBox WRONG_CODE{QStringLiteral("message"), QStringLiteral("Erreur..."), QStringLiteral("Code d'accès incorrect ! ")};

} // namespace

class AccessWindowTest : public DataFixture {
protected:
    AccessWindowTest()
    {
        env.params.accessCode = QStringLiteral("abc");
        window.show();
        QApplication::setActiveWindow(&window);
        EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
    }
    void press(QWidget* widget, Qt::Key key)
    {
        widget->setFocus();
        QTest::keyClick(widget, key);
    }

    AccessWindow window{env};
    QLineEdit* code = window.findChild<QLineEdit*>();
};

TEST_F(AccessWindowTest, ShowsTheBannerAndAMaskedCodeEditNamedByItsLabel)
{
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Varkel 2020 (Logiciel de gestion commerciale)"));
    EXPECT_EQ(window.size(), QSize(640, 330));
    const QLabel* banner = window.findChildren<QLabel*>().constFirst();
    EXPECT_EQ(banner->pixmap().size(), QSize(632, 248));
    EXPECT_EQ(code->echoMode(), QLineEdit::Password);
    EXPECT_EQ(code->accessibleName(), QStringLiteral("Code d'accès :"));
    EXPECT_EQ(QApplication::focusWidget(), code);
}

TEST_F(AccessWindowTest, ReturnValidatesFromTheCodeEditOnly)
{
    QTest::keyClicks(code, QStringLiteral("abd"));
    press(code, Qt::Key_Return);
    EXPECT_EQ(dialogs.takeShown(), std::vector<ShownBox>{WRONG_CODE});
    EXPECT_TRUE(window.isVisible());

    code->setText(QStringLiteral("abc"));
    for (const QString& text : {QStringLiteral("Valider"), QStringLiteral("Annuler"), QStringLiteral("Modifier le mot de passe")}) {
        press(buttonOf(window, text), Qt::Key_Return);
        press(buttonOf(window, text), Qt::Key_Enter);
    }
    EXPECT_TRUE(dialogs.shown.empty());
    EXPECT_TRUE(exitCodes.empty());
    EXPECT_TRUE(window.isVisible());

    press(code, Qt::Key_Enter);
    EXPECT_TRUE(dialogs.shown.empty());
    EXPECT_EQ(window.result(), QDialog::Accepted);
    EXPECT_FALSE(window.isVisible());
}

TEST_F(AccessWindowTest, ButtonsReachTheirRules)
{
    QTest::mouseClick(buttonOf(window, QStringLiteral("Modifier le mot de passe")), Qt::LeftButton);
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_TRUE(dialogs.takeShown()[0].text.startsWith(QStringLiteral("Saisissez l'ancien mot de passe")));

    code->setText(QStringLiteral("abc"));
    dialogs.inputs = {QStringLiteral("neuf")};
    dialogs.answers = {Dialogs::Answer::Yes};
    QTest::mouseClick(buttonOf(window, QStringLiteral("Modifier le mot de passe")), Qt::LeftButton);
    EXPECT_EQ(code->text(), QStringLiteral("neuf"));
    EXPECT_EQ(rows(DB_PARAM, QStringLiteral("select MpUser from FParam")), Rows{{QStringLiteral("neuf")}});
    dialogs.shown.clear();

    QTest::mouseClick(buttonOf(window, QStringLiteral("Valider")), Qt::LeftButton);
    EXPECT_TRUE(dialogs.shown.empty());
    EXPECT_EQ(window.result(), QDialog::Accepted);
    EXPECT_TRUE(exitCodes.empty());
}

TEST_F(AccessWindowTest, AnnulerAndClosingEndTheProgram)
{
    QTest::mouseClick(buttonOf(window, QStringLiteral("Annuler")), Qt::LeftButton);
    EXPECT_EQ(exitCodes, std::vector<int>{0});
    EXPECT_EQ(window.result(), QDialog::Rejected);
    EXPECT_FALSE(store.isOpen());

    AccessWindow other(env);
    other.show();
    other.close(); // the title bar's close box
    EXPECT_EQ(exitCodes, (std::vector<int>{0, 0}));
    EXPECT_TRUE(dialogs.shown.empty());
}
