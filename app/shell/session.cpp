#include "shell/session.h"

#include <QDir>

#include "common/env.h"

namespace {

const QString INFO = QStringLiteral("Info");

// The "Info" box of a start-up that cannot go on, then the end of the program.
bool refuseStart(Env& env, const QString& text)
{
    env.dialogs.message(INFO, text);
    shutdownAndExit(env);
    return false;
}

} // namespace

bool startSession(Env& env, const QString& folder)
{
    // The lock comes first: a program refused here has opened nothing and written nothing.
    const FolderLock lock = env.store.lockDataFolder(folder);
    if (lock == FolderLock::HeldByAnotherProgram)
        return refuseStart(env, QStringLiteral("Varkel 2020 est déjà ouvert sur ce dossier de données ! "
                                               "Fermez-le avant de le relancer."));
    const QString failed = env.store.openDatabases(folder);
    if (!failed.isEmpty()) return refuseStart(env, QStringLiteral("Ouverture ") + failed + QStringLiteral(" impossible!"));
    // The files opened but the folder refuses the lock file: nothing could be saved there safely.
    if (lock == FolderLock::CannotBeWritten)
        return refuseStart(env, QStringLiteral("Ouverture ") + lockFileRelativePath() + QStringLiteral(" impossible!"));
    env.setParameters(withDocumentDefaults(loadParameters(env.store)));
    return true;
}

void shutdownAndExit(Env& env)
{
    env.store.closeAll();
    env.store.unlockDataFolder();
    env.exitProcess(0);
}
