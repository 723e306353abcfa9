// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/programs/command_line.h"

#include <optional>

#include <QCommandLineParser>
#include <cstdio>

#include "ui/words/language.h"

namespace pintaloo {

namespace {

constexpr int kMisuse = 2;

// One option a row: names, help text, and the value's name for those that take one.
struct OptionRow {
    QStringList names;
    const char* help;
    const char* valueName;
};

const OptionRow kOptions[] = {
    {{QStringLiteral("h"), QStringLiteral("help")}, "Show this help and end.", nullptr},
    {{QStringLiteral("v"), QStringLiteral("version")}, "Show the version and end.", nullptr},
    {{QStringLiteral("fullscreen")}, "Fill the whole screen with the window.", nullptr},
    {{QStringLiteral("windowed")}, "Show the window at its own size (the usual way).", nullptr},
    {{QStringLiteral("nosound")}, "Play no sounds.", nullptr},
    {{QStringLiteral("scan")}, "Scan the controls for a switch, a step every SECONDS (1 to 5, default 2).", nullptr},
    {{QStringLiteral("two-switches")}, "Scan with two switches: Enter presses, any other key moves on.", nullptr},
    {{QStringLiteral("lang")}, "Speak the language CODE: en, ro, fr, de (or ge), it, es (or sp), ar, zh, ja, ko, nl, pl, pt, ru, tr "
     "or uk; a locale's spelling (pt_BR, zh_CN.UTF-8) is taken too.", "CODE"},
};

// Without a QCoreApplication the parser cannot know the program's name.
QString Usage(const QCommandLineParser& parser) {
    QString text = parser.helpText();
    text.replace(QStringLiteral("<executable_name>"), QStringLiteral("pintaloo"));
    return text;
}

CommandLine Failure(const QCommandLineParser& parser, const QString& why) {
    CommandLine r;
    r.action = CommandLine::Action::Error;
    r.exitCode = kMisuse;
    r.text = QStringLiteral("pintaloo: %1\n\n%2").arg(why, Usage(parser));
    return r;
}

}  // namespace

const QStringList& LanguageCodes() {
    // Each language's standard code ("de", "zh", "pt"), in the order of Language.
    static const QStringList codes = [] {
        QStringList list;
        for (int i = 0; i < kLanguageCount; ++i)
            list << SystemLanguageCode(Language(i)).section(QLatin1Char('_'), 0, 0);
        return list;
    }();
    return codes;
}

CommandLine ParseCommandLine(const QStringList& arguments, const QString& version) {
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Pintaloo, a painting program for young children."));
    // "-fullscreen" as well as "--fullscreen": launchers and parents type both.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    for (const OptionRow& row : kOptions) {
        QCommandLineOption option(row.names, QString::fromUtf8(row.help));
        if (row.valueName) option.setValueName(QString::fromUtf8(row.valueName));
        parser.addOption(option);
    }

    // "--scan 3": the seconds are optional, which the parser cannot say, so
    // a number right after the option is taken from the list here.
    QStringList args = arguments;
    std::optional<QString> scanValue;
    for (qsizetype i = 1; i < args.size(); ++i) {
        const QString& a = args[i];
        if (a.startsWith(QLatin1String("--scan=")) || a.startsWith(QLatin1String("-scan="))) {
            scanValue = a.section(QLatin1Char('='), 1);
            args[i] = QStringLiteral("--scan");
        } else if ((a == QLatin1String("--scan") || a == QLatin1String("-scan")) && i + 1 < args.size() &&
                   !args[i + 1].startsWith(QLatin1Char('-'))) {
            scanValue = args.takeAt(i + 1);
        }
    }
    if (!parser.parse(args)) return Failure(parser, parser.errorText());

    CommandLine r;
    if (parser.isSet(QStringLiteral("help"))) {
        r.action = CommandLine::Action::Help;
        r.text = Usage(parser);
        return r;
    }
    if (parser.isSet(QStringLiteral("version"))) {
        r.action = CommandLine::Action::Version;
        r.text = QStringLiteral("Pintaloo %1\n").arg(version);
        return r;
    }
    if (!parser.positionalArguments().isEmpty())
        return Failure(parser, QStringLiteral("Pintaloo opens no files from the command line (\"%1\").")
                                   .arg(parser.positionalArguments().constFirst()));

    r.options.fullscreen = parser.isSet(QStringLiteral("fullscreen"));
    r.options.windowed = parser.isSet(QStringLiteral("windowed"));
    r.options.nosound = parser.isSet(QStringLiteral("nosound"));
    if (r.options.fullscreen && r.options.windowed)
        return Failure(parser, QStringLiteral("Choose either --fullscreen or --windowed, not both."));

    if (parser.isSet(QStringLiteral("scan"))) {
        bool ok = true;
        r.options.scanSeconds = scanValue ? scanValue->trimmed().toInt(&ok) : 2;
        if (!ok || r.options.scanSeconds < 1 || r.options.scanSeconds > 5)
            return Failure(parser, QStringLiteral("--scan takes 1 to 5 seconds."));
    }
    r.options.twoSwitches = parser.isSet(QStringLiteral("two-switches"));

    if (parser.isSet(QStringLiteral("lang"))) {
        // The last --lang wins, as with most programs.
        const QString code = parser.values(QStringLiteral("lang")).constLast().trimmed().toLower();
        // The standard codes, the older spellings of German and Spanish (ge,
        // sp) and a locale's spelling (pt_BR, zh_CN.UTF-8), as the system's
        // locale variables are read.
        const bool accepted = LanguageFromCode(code).has_value();
        if (!accepted)
            return Failure(parser, QStringLiteral("Pintaloo does not speak the language \"%1\". Choose one of: %2.")
                                       .arg(parser.values(QStringLiteral("lang")).constLast(),
                                            LanguageCodes().join(QStringLiteral(", "))));
        r.options.lang = code;
    }
    return r;
}

int FinishCommandLine(const CommandLine& parsed) {
    const QByteArray text = parsed.text.toLocal8Bit();
    switch (parsed.action) {
        case CommandLine::Action::Run:
            return -1;
        case CommandLine::Action::Help:
        case CommandLine::Action::Version:
            std::fputs(text.constData(), stdout);
            return parsed.exitCode;
        case CommandLine::Action::Error:
            std::fputs(text.constData(), stderr);
            return parsed.exitCode;
    }
    return parsed.exitCode;
}

}  // namespace pintaloo
