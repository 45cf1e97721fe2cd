#include "data_fixture.h"

#include "store/data_folder.h"

Rows rows(Store& store, DbNumber db, const QString& sql, const QVariantList& args)
{
    const QueryResult result = store.queryChecked(db, sql, args);
    EXPECT_TRUE(result.ok) << qUtf8Printable(sql);
    return result.rows;
}

DataFixture::DataFixture()
{
    env.exitProcess = [this](int code) { exitCodes.push_back(code); };
    const DataFolderReport report = createDataFolder(dir.path());
    EXPECT_TRUE(report.ok()) << qUtf8Printable(report.error);
    const QString failed = store.openDatabases(dir.path());
    EXPECT_TRUE(failed.isEmpty()) << qUtf8Printable(failed);
}

DataFixture::~DataFixture() { store.closeAll(); }

void DataFixture::exec(DbNumber db, const QString& sql, const QVariantList& args)
{
    ASSERT_TRUE(store.updateChecked(db, sql, args)) << qUtf8Printable(sql);
}
