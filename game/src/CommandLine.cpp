#include "game/src/CommandLine.h"

QString fileArgument(const QStringList& arguments) {
    bool optionsEnded = false;
    for (int i = 1; i < arguments.size(); ++i) {
        const QString& a = arguments[i];
        if (optionsEnded) return a;
        if (a == QLatin1String("--")) {
            optionsEnded = true;
        } else if (a == QLatin1String("--seed")) {
            ++i;  // its number
        } else if (!a.isEmpty() && !a.startsWith(QLatin1Char('-'))) {
            return a;
        }
    }
    return {};
}
