#include "program_arguments.h"

namespace breathlab {

namespace {

const QString kLanguageOption = QStringLiteral("--lang");

} // namespace

ProgramArguments ParseProgramArguments(const QStringList& arguments) {
    ProgramArguments parsed;
    for (qsizetype i = 0; i < arguments.size() && parsed.Error.isEmpty(); ++i) {
        const QString& argument = arguments[i];
        if (argument == kLanguageOption) {
            if (i + 1 >= arguments.size() || arguments[i + 1].isEmpty())
                parsed.Error = QStringLiteral("--lang needs a language, e.g. --lang en");
            else
                parsed.Language = arguments[++i];
        } else if (argument.startsWith(kLanguageOption + '=')) {
            parsed.Language = argument.mid(kLanguageOption.size() + 1);
            if (parsed.Language.isEmpty())
                parsed.Error = QStringLiteral("--lang needs a language, e.g. --lang en");
        } else if (argument == QStringLiteral("--presentation")) {
            parsed.Presentation = true;
        } else if (argument == QStringLiteral("--")) {
            // Everything after "--" is a file name, even when it starts with "-".
            for (++i; i < arguments.size() && parsed.Error.isEmpty(); ++i) {
                if (!parsed.File.isEmpty())
                    parsed.Error = QStringLiteral("only one simulation file can be opened");
                else
                    parsed.File = arguments[i];
            }
        } else if (argument.startsWith('-') && argument.size() > 1) {
            parsed.Error = QStringLiteral("unknown option %1").arg(argument);
        } else if (!parsed.File.isEmpty()) {
            parsed.Error = QStringLiteral("only one simulation file can be opened");
        } else {
            parsed.File = argument;
        }
    }
    return parsed;
}

QString ProgramUsage() {
    return QStringLiteral("usage: breathlab [--lang en|C] [--presentation] [FILE.spi]\n");
}

} // namespace breathlab
