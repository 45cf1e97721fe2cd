#include "store/parameters.h"

#include "store/store.h"

std::optional<LoadedParameters> readParametersRow(Store& store)
{
    const QueryResult result = store.queryChecked(DB_PARAM, QStringLiteral("SELECT * FROM FParam"));
    if (result.isEmpty()) return std::nullopt;
    return LoadedParameters{result.first(0), result.first(1), result.first(2), result.first(3),
                            result.first(4), result.first(5), result.first(6)};
}

LoadedParameters loadParameters(Store& store) { return readParametersRow(store).value_or(LoadedParameters{}); }
