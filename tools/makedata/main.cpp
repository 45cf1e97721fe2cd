// makedata FOLDER [--demo | --scale N] [--keep-existing]
// Creates FOLDER/Data with the nineteen database files and their empty tables. An existing file
// is never overwritten: it is reported, and the run fails unless --keep-existing is given.
// --demo adds a small shop's data set, --scale N a large one of N receptions and deliveries for
// benchmarks; both need every file to be new.

#include <cstdio>

#include <QCoreApplication>
#include <QStringList>

#include "common/clock.h"
#include "common/env.h"
#include "console_dialogs.h"
#include "demo_data.h"
#include "scale_data.h"
#include "store/data_folder.h"

namespace {

int usage()
{
    std::fprintf(stderr, "usage: makedata FOLDER [--demo | --scale N] [--keep-existing]\n");
    return 2;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    const bool demo = args.removeAll(QStringLiteral("--demo")) > 0;
    const bool keepExisting = args.removeAll(QStringLiteral("--keep-existing")) > 0;
    qint64 scale = 0;
    if (const qsizetype at = args.indexOf(QStringLiteral("--scale")); at >= 0) {
        bool number = false;
        scale = args.value(at + 1).toLongLong(&number);
        if (!number || scale <= 0) return usage();
        args.remove(at, 2);
    }
    if (args.size() != 1 || args[0].startsWith(u'-') || (demo && scale > 0)) return usage();
    const QString folder = args[0];

    const DataFolderReport report = createDataFolder(folder);
    if (!keepExisting)
        for (const QString& path : report.existing)
            std::fprintf(stderr, "%s existe déjà : fichier conservé, non écrasé.\n", qUtf8Printable(path));
    if (!report.ok()) {
        std::fprintf(stderr, "Erreur : %s\n", qUtf8Printable(report.error));
        return 1;
    }
    if (!report.created.isEmpty())
        std::printf("%lld fichiers créés dans %s/Data\n", static_cast<long long>(report.created.size()),
                    qUtf8Printable(folder));
    if (!report.existing.isEmpty() && !keepExisting) return 1;

    if (demo || scale > 0) {
        if (!report.existing.isEmpty()) {
            std::fprintf(stderr, "Ces données ne s'ajoutent qu'à un dossier Data neuf.\n");
            return 1;
        }
        ConsoleDialogs dialogs;
        Store store(dialogs);
        const QString failed = store.openDatabases(folder);
        if (!failed.isEmpty()) {
            std::fprintf(stderr, "Ouverture %s impossible!\n", qUtf8Printable(failed));
            return 1;
        }
        SystemClock clock;
        Env env(store, dialogs, clock);
        env.setParameters(withDocumentDefaults(loadParameters(store)));
        if (demo) {
            if (!addDemoData(env)) return 1;
            std::printf("Données de démonstration ajoutées.\n");
        } else {
            ScaleDataSize size;
            if (!addScaleData(env, scale, &size)) return 1;
            std::printf("%lld documents (%lld lignes), %lld produits, %lld clients-fournisseurs, %lld versements ajoutés.\n",
                        static_cast<long long>(size.documents), static_cast<long long>(size.lines),
                        static_cast<long long>(size.products), static_cast<long long>(size.clientsSuppliers),
                        static_cast<long long>(size.payments));
        }
    }
    return 0;
}
