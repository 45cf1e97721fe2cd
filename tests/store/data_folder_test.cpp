// The Data folder made by makedata's code: every file, table and column in order, with its
// affinity, and never an overwrite.
#include <sqlite3.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "data_fixture.h"
#include "store/data_folder.h"

namespace {

struct ExpectedTable {
    DbNumber db;
    const char* file;
    const char* table;
    const char* columns; // name:affinity, in select * order
};

const ExpectedTable EXPECTED[] = {
    {DB_PROD, "prod.db", "fprod", "Codeprod:INTEGER fam:TEXT ref:TEXT Prod:TEXT Um:TEXT Qi:INTEGER Pa:INTEGER Pvd:INTEGER Pvg:INTEGER"},
    {DB_FAM, "fam.db", "ffam", "fam:TEXT"},
    {DB_CF, "CF.db", "fCF", "CodeCF:INTEGER CF:TEXT Ad:TEXT Tel:TEXT Rc:TEXT Mf:TEXT Art:TEXT Nis:TEXT Si:INTEGER typecf:TEXT"},
    {DB_BL, "bl.db", "fBL",
     "Numdoc:INTEGER DateDoc:TEXT DateNum:INTEGER CodeCF:INTEGER CodeProd:INTEGER Um:TEXT Qte:INTEGER Pu:INTEGER "
     "Mnt:INTEGER ht:INTEGER frais:INTEGER remise:INTEGER ttc:INTEGER modep:TEXT camion:TEXT chauf:TEXT ver:INTEGER "
     "lastsolde:INTEGER newsolde:INTEGER"},
    {DB_BR, "br.db", "fBr",
     "Numdoc:INTEGER DateDoc:TEXT DateNum:INTEGER CodeCF:INTEGER CodeProd:INTEGER Um:TEXT Qte:INTEGER Pu:INTEGER "
     "Mnt:INTEGER ht:INTEGER frais:INTEGER remise:INTEGER ttc:INTEGER modep:TEXT camion:TEXT chauf:TEXT ver:INTEGER "
     "lastsolde:INTEGER newsolde:INTEGER"},
    {DB_FACV, "facv.db", "facv",
     "Numdoc:INTEGER DateDoc:TEXT DateNum:INTEGER CodeCF:INTEGER CodeProd:INTEGER Um:TEXT Qte:INTEGER Pu:INTEGER "
     "Mnt:INTEGER ht:INTEGER taux:TEXT tva:INTEGER timbre:INTEGER ttc:INTEGER modep:TEXT"},
    {DB_FACP, "facp.db", "facp",
     "Numdoc:INTEGER DateDoc:TEXT DateNum:INTEGER CodeCF:INTEGER CodeProd:INTEGER Um:TEXT Qte:INTEGER Pu:INTEGER "
     "Mnt:INTEGER ht:INTEGER taux:TEXT tva:INTEGER timbre:INTEGER ttc:INTEGER modep:TEXT"},
    {DB_VER, "ver.db", "fVerR", "numdoc:INTEGER DateDoc:TEXT DateNum:INTEGER CodeCF:INTEGER Mnt:INTEGER Modep:TEXT obs:TEXT"},
    {DB_VER, "ver.db", "fVerE", "numdoc:INTEGER DateDoc:TEXT DateNum:INTEGER CodeCF:INTEGER Mnt:INTEGER Modep:TEXT obs:TEXT"},
    {DB_CAISSE, "caisse.db", "fcaisse", "NumOp:INTEGER DateOp:TEXT DateNum:INTEGER rec:INTEGER dep:INTEGER obs:TEXT"},
    {DB_BANK, "bank.db", "fbank", "NumOp:INTEGER DateOp:TEXT DateNum:INTEGER rec:INTEGER dep:INTEGER ref:TEXT"},
    {DB_SITRES, "sitres.db", "fSitres", "sicaisse:INTEGER sibank:INTEGER"},
    {DB_BRS, "brs.db", "fbrs", "Numdoc:INTEGER DateDoc:TEXT DateNum:INTEGER codeProd:INTEGER qe:INTEGER qs:INTEGER obs:TEXT"},
    {DB_BC, "bc.db", "fbc",
     "Numdoc:INTEGER DateDoc:TEXT DateNum:INTEGER CodeCF:INTEGER CodeProd:INTEGER Um:TEXT Qte:INTEGER Pu:INTEGER Mnt:INTEGER"},
    {DB_PARAM, "Param.db", "FParam", "MpUser:TEXT MpVer:TEXT TauxTva:TEXT Modelbl:TEXT ModepBr:TEXT ModepBl:TEXT ModepFac:TEXT"},
};

const char* const FILES_IN_ORDER[] = {"prod.db",  "fam.db",    "CF.db",     "bl.db",    "br.db",  "Um.db",  "facv.db",
                                      "facp.db",  "ver.db",    "caisse.db", "bank.db",  "sitres.db", "brs.db", "camion.db",
                                      "chauf.db", "mat.db",    "bc.db",     "obs.db",   "Param.db"};

// The tables of a file and, for one table, its columns as "name:TYPE", read with a plain
// connection so that nothing of the Store is involved.
class RawFile {
public:
    explicit RawFile(const QString& path) { sqlite3_open_v2(path.toUtf8().constData(), &db_, SQLITE_OPEN_READONLY, nullptr); }
    ~RawFile() { sqlite3_close_v2(db_); }
    QStringList column(const char* sql)
    {
        QStringList out;
        sqlite3_stmt* stmt = nullptr;
        sqlite3_prepare_v2(db_, sql, -1, &stmt, nullptr);
        while (sqlite3_step(stmt) == SQLITE_ROW) {
            const int n = sqlite3_column_count(stmt);
            QStringList cells;
            for (int i = 0; i < n; ++i) cells.append(QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(stmt, i))));
            out.append(cells.join(u':'));
        }
        sqlite3_finalize(stmt);
        return out;
    }

private:
    sqlite3* db_ = nullptr;
};

} // namespace

TEST(DataFolder, MakesTheNineteenFilesWithExactlyTheirTablesAndColumns)
{
    QTemporaryDir dir;
    const DataFolderReport report = createDataFolder(dir.path());
    ASSERT_TRUE(report.ok()) << qUtf8Printable(report.error);
    ASSERT_EQ(report.created.size(), 19);

    for (qsizetype i = 0; i < report.created.size(); ++i)
        EXPECT_EQ(report.created[i], QDir::toNativeSeparators(QStringLiteral("Data/") + QString::fromLatin1(FILES_IN_ORDER[i])));
    EXPECT_EQ(QDir(dir.path() + QStringLiteral("/Data")).entryList(QDir::Files).size(), 19);

    for (const char* file : FILES_IN_ORDER) {
        RawFile raw(dir.path() + QStringLiteral("/Data/") + QString::fromLatin1(file));
        QStringList expectedTables;
        for (const ExpectedTable& t : EXPECTED)
            if (QString::fromLatin1(t.file) == QString::fromLatin1(file)) expectedTables.append(QString::fromLatin1(t.table));
        EXPECT_EQ(raw.column("select name from sqlite_master where type='table' order by rowid"), expectedTables) << file;
    }
    for (const ExpectedTable& t : EXPECTED) {
        RawFile raw(dir.path() + QStringLiteral("/Data/") + QString::fromLatin1(t.file));
        const QByteArray sql = "select name, type from pragma_table_info('" + QByteArray(t.table) + "') order by cid";
        EXPECT_EQ(raw.column(sql.constData()).join(u' '), QString::fromLatin1(t.columns)) << t.table;
    }
}

TEST(DataFolder, KeepsTheQueriedColumnsIndexed)
{
    QTemporaryDir dir;
    ASSERT_TRUE(createDataFolder(dir.path()).ok());
    const struct {
        const char* file;
        const char* index;
    } expected[] = {{"prod.db", "fprod_code:Codeprod"},    {"CF.db", "fCF_code:CodeCF"},
                    {"br.db", "fBr_stock:CodeProd,Qte"},   {"bl.db", "fBL_stock:CodeProd,Qte"},
                    {"bl.db", "fBL_doc:Numdoc,CodeProd,frais"}, {"bl.db", "fBL_date:DateNum"},
                    {"facv.db", "facv_doc:Numdoc,CodeProd"}, {"brs.db", "fbrs_stock:codeProd,qe,qs"}};
    for (const auto& e : expected) {
        RawFile raw(dir.path() + QStringLiteral("/Data/") + QString::fromLatin1(e.file));
        const QStringList names = raw.column("select name from sqlite_master where type='index'");
        const QString name = QString::fromLatin1(e.index).section(u':', 0, 0);
        ASSERT_TRUE(names.contains(name)) << e.index;
        const QByteArray sql = "select name from pragma_index_info('" + name.toUtf8() + "') order by seqno";
        EXPECT_EQ(raw.column(sql.constData()).join(u','), QString::fromLatin1(e.index).section(u':', 1)) << e.index;
    }
}

TEST(DataFolder, NeverOverwritesAnExistingFile)
{
    QTemporaryDir dir;
    ASSERT_TRUE(createDataFolder(dir.path()).ok());
    const QString prod = dir.path() + QStringLiteral("/Data/prod.db");
    QFile::remove(dir.path() + QStringLiteral("/Data/Um.db"));
    {
        QFile file(prod);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write("not a database, but mine");
    }
    const DataFolderReport again = createDataFolder(dir.path());
    EXPECT_TRUE(again.ok());
    EXPECT_EQ(again.created, QStringList{QDir::toNativeSeparators(QStringLiteral("Data/Um.db"))});
    EXPECT_EQ(again.existing.size(), 18);
    QFile file(prod);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), QByteArray("not a database, but mine"));
}
