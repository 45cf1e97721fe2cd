#include "store/parameters.h"

#include "store/store.h"

std::optional<LoadedParameters> readParametersRow(Store& store)
{
    const QueryResult result = store.queryChecked(DB_PARAM, QStringLiteral("SELECT * FROM FParam"));
    if (result.isEmpty()) return std::nullopt;
    return LoadedParameters{result.first(0), result.first(1), result.first(2), result.first(3),
                            result.first(4), result.first(5), result.first(6)};
}

LoadedParameters defaultParameters()
{
    const QString onCredit = QStringLiteral("A TERME");
    return {QStringLiteral("780925"), QStringLiteral("806214"), QStringLiteral("19"), QStringLiteral("1"),
            onCredit, onCredit, onCredit};
}

LoadedParameters withDocumentDefaults(LoadedParameters loaded)
{
    const LoadedParameters defaults = defaultParameters();
    for (auto [value, fallback] : {std::pair{&loaded.tauxTva, &defaults.tauxTva}, std::pair{&loaded.modelbl, &defaults.modelbl},
                                   std::pair{&loaded.modepBr, &defaults.modepBr}, std::pair{&loaded.modepBl, &defaults.modepBl},
                                   std::pair{&loaded.modepFac, &defaults.modepFac}})
        if (value->trimmed().isEmpty()) *value = *fallback;
    return loaded;
}

LoadedParameters loadParameters(Store& store) { return readParametersRow(store).value_or(LoadedParameters{}); }
