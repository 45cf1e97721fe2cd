// The start of the program on a Data folder with a missing file.
#include <QApplication>
#include <QDir>
#include <QFile>

#include "data_fixture.h"
#include "shell/program.h"

TEST_F(DataFixture, AMissingFileEndsTheProgramBeforeAnyWindowAndOpensNoLaterFile)
{
    store.closeAll();
    const QString data = folder() + QStringLiteral("/Data/");
    ASSERT_TRUE(QFile::remove(data + QStringLiteral("Um.db")));
    // The engine removes a stray journal beside a file as soon as it reads that file: what is
    // still there afterwards was never opened.
    QStringList journals;
    for (const char* file : {"prod.db", "br.db", "facv.db", "ver.db", "caisse.db", "bc.db", "obs.db", "Param.db"}) {
        QFile journal(data + QString::fromLatin1(file) + QStringLiteral("-journal"));
        ASSERT_TRUE(journal.open(QIODevice::WriteOnly));
        journal.write(QByteArray(512, 'j'));
        journals.append(journal.fileName());
    }

    EXPECT_EQ(runProgram(env, folder()), 0);

    EXPECT_EQ(dialogs.shown, (std::vector<ShownBox>{{QStringLiteral("message"), QStringLiteral("Info"),
                                                     QStringLiteral("Ouverture ") + QDir::toNativeSeparators(QStringLiteral("Data/Um.db"))
                                                         + QStringLiteral(" impossible!")}}));
    EXPECT_EQ(exitCodes, std::vector<int>{0});
    EXPECT_TRUE(QApplication::topLevelWidgets().isEmpty());
    EXPECT_FALSE(store.isOpen());
    EXPECT_FALSE(QFile::exists(data + QStringLiteral("varkel.lock")));
    // prod.db and br.db come before Um.db; the others after it.
    EXPECT_FALSE(QFile::exists(journals[0]));
    EXPECT_FALSE(QFile::exists(journals[1]));
    for (qsizetype i = 2; i < journals.size(); ++i) EXPECT_TRUE(QFile::exists(journals[i])) << qUtf8Printable(journals[i]);
}
