#pragma once
// A Data folder with products and clients-suppliers (the stock tests' fixture), plus what the
// utilities' tests look at: the folders beside Data, every row of every table, raw documents,
// and a way to make file writes fail as on a full disk.

#include <csignal>
#include <sys/resource.h>

#include <QDir>
#include <QFile>

#include "../stock/stock_fixture.h"
#include "common/values.h"
#include "store/data_folder.h"

class UtilitiesFixture : public StockFixture {
protected:
    QString path(const QString& relative) const { return QDir(folder()).filePath(relative); }
    QString backups() const { return path(QStringLiteral("sauvegardes")); }
    // The entries of a folder, hidden ones included, sorted.
    static QStringList entries(const QString& folder)
    {
        return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
    }

    // Every row of every table of the nineteen files, each row led by its table's name: two
    // snapshots are equal when nothing changed.
    Rows everything()
    {
        Rows all;
        for (const DatabaseFile& file : databaseFiles())
            for (const QString& table : schemaTables(file.number))
                for (QStringList row : rows(file.number, QStringLiteral("select * from %1 order by rowid").arg(table))) {
                    row.prepend(table);
                    all.push_back(row);
                }
        return all;
    }

    // A reception (fBr) or delivery (fBL): one line and its totals row, amounts in hundredths.
    void addNote(const QString& table, qint64 number, qint64 client, qint64 product, qint64 quantity, qint64 ht,
                 qint64 paid, const QString& mode, const QString& date = QStringLiteral("10/03/2026"))
    {
        const QString sql = QStringLiteral("insert into %1 (Numdoc,DateDoc,DateNum,CodeCF,CodeProd,Um,Qte,Pu,Mnt,ht,frais,"
                                           "remise,ttc,modep,camion,chauf,ver,lastsolde,newsolde) "
                                           "values (?,?,?,?,?,'U',?,?,?,?,?,0,0,?,'','',?,0,0)")
                                .arg(table);
        const qint64 dateNum = toDateNum(date);
        exec(table == u"fBr" ? DB_BR : DB_BL, sql, {number, date, dateNum, client, product, quantity, ht, ht, 0, 1, QString(), 0});
        exec(table == u"fBr" ? DB_BR : DB_BL, sql,
             {number, date, dateNum, client, 9999, QString(), QString(), 0, ht, 99, mode, paid});
    }
    void addPayment(const QString& table, qint64 number, qint64 client, qint64 amount, const QString& mode,
                    const QString& date = QStringLiteral("11/03/2026"))
    {
        exec(DB_VER, QStringLiteral("insert into %1 (numdoc,DateDoc,DateNum,CodeCF,Mnt,Modep,obs) values (?,?,?,?,?,?,'')").arg(table),
             {number, date, toDateNum(date), client, amount, mode});
    }
    void addTreasuryOperation(DbNumber db, qint64 number, qint64 receipt, qint64 expense,
                              const QString& date = QStringLiteral("12/03/2026"))
    {
        exec(db, QStringLiteral("insert into %1 values (?,?,?,?,?,'OPERATION')").arg(db == DB_CAISSE ? u"fcaisse" : u"fbank"),
             {number, date, toDateNum(date), receipt, expense});
    }

    // Writes bytes over the middle of a database file, as a failing disk would.
    static void damage(const QString& file)
    {
        QFile f(file);
        ASSERT_TRUE(f.open(QIODevice::ReadWrite));
        ASSERT_GT(f.size(), 1024);
        f.seek(f.size() / 2);
        f.write(QByteArray(512, '\x5a'));
    }

    // While it lives, no file of the process can grow: every write to a new file fails as on a
    // full disk, for root too (a read-only folder would not stop root).
    class FullDisk {
    public:
        FullDisk()
        {
            std::signal(SIGXFSZ, SIG_IGN);
            getrlimit(RLIMIT_FSIZE, &saved_);
            rlimit none = saved_;
            none.rlim_cur = 0;
            setrlimit(RLIMIT_FSIZE, &none);
        }
        ~FullDisk() { setrlimit(RLIMIT_FSIZE, &saved_); }
        FullDisk(const FullDisk&) = delete;
        FullDisk& operator=(const FullDisk&) = delete;

    private:
        rlimit saved_{};
    };

    static ShownBox box(const char* title, const QString& text) { return {QStringLiteral("message"), QString::fromUtf8(title), text}; }
};
