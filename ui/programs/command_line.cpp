// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/programs/command_line.h"

#include <optional>

#include <QCommandLineParser>
#include <QDir>
#include <algorithm>
#include <cstdio>
#include <map>

#include "ui/words/language.h"

namespace pintaloo {

namespace {

constexpr int kMisuse = 2;

using Sets = std::vector<std::pair<SettingKey, QVariant>>;

QStringList Names(std::initializer_list<const char*> names) {
    QStringList list;
    for (const char* n : names) list << QString::fromLatin1(n);
    return list;
}

}  // namespace

const std::vector<OptionRow>& OptionTable() {
    static const std::vector<OptionRow> rows = {
        {Names({"h", "help"}), "Show this help and end.", nullptr, {}},
        {Names({"v", "version"}), "Show the version and end.", nullptr, {}},
        {Names({"fullscreen"}), "Fill the whole screen with the window.", nullptr, Sets{{SettingKey::FullScreen, true}}},
        {Names({"windowed"}), "Show the window at its own size (the usual way).", nullptr,
         Sets{{SettingKey::FullScreen, false}}},
        {Names({"nosound"}), "Play no sounds.", nullptr, Sets{{SettingKey::Sound, false}}},
        {Names({"sound"}), "Play sounds in this run, though they were turned off.", nullptr,
         Sets{{SettingKey::Sound, true}}},
        {Names({"scan"}), "Scan the controls for a switch, a step every SECONDS (1 to 5, default 2).", nullptr,
         Sets{{SettingKey::ScanSeconds, QVariant()}}},
        {Names({"noscan"}), "No scanning in this run, though it was turned on.", nullptr,
         Sets{{SettingKey::ScanSeconds, 0}}},
        {Names({"two-switches"}), "Scan with two switches: Enter presses, any other key moves on.", nullptr,
         Sets{{SettingKey::ScanSwitches, 2}}},
        {Names({"one-switch"}), "Scan with one switch, though two were chosen.", nullptr,
         Sets{{SettingKey::ScanSwitches, 1}}},
        {Names({"lang"}),
         "Speak the language CODE: en, ro, fr, de (or ge), it, es (or sp), ar, zh, ja, ko, nl, pl, pt, ru, tr "
         "or uk; a locale's spelling (pt_BR, zh_CN.UTF-8) is taken too. It is remembered.",
         "CODE", Sets{{SettingKey::Language, QVariant()}}},
        {Names({"startblank"}), "Start on a blank page; the last drawing is in the gallery.", nullptr,
         Sets{{SettingKey::StartBlank, true}}},
        {Names({"startlast"}), "Start with the last drawing (the usual way).", nullptr,
         Sets{{SettingKey::StartBlank, false}}},
        {Names({"savedir"}), "Keep the drawings in the folder DIR instead of Pictures/Pintaloo.", "DIR",
         Sets{{SettingKey::SaveFolder, QVariant()}}},
        {Names({"noquit"}), "Close only after a grown-up answers the grown-up's question.", nullptr,
         Sets{{SettingKey::NoQuit, true}}},
        {Names({"quit"}), "Close at once (the usual way).", nullptr, Sets{{SettingKey::NoQuit, false}}},
        {Names({"noprint"}), "Hide the print button.", nullptr, Sets{{SettingKey::NoPrint, true}}},
        {Names({"print"}), "Show the print button (the usual way).", nullptr, Sets{{SettingKey::NoPrint, false}}},
        {Names({"nofiledialogs"}), "Save into the gallery and open from it, never showing a file dialog.", nullptr,
         Sets{{SettingKey::NoFileDialogs, true}}},
        {Names({"filedialogs"}), "Save and open with file dialogs (the usual way).", nullptr,
         Sets{{SettingKey::NoFileDialogs, false}}},
        {Names({"keepfullscreen"}), "Fill the whole screen and stay so.", nullptr,
         Sets{{SettingKey::KeepFullScreen, true}}},
        {Names({"leavefullscreen"}), "Full screen may be left (the usual way).", nullptr,
         Sets{{SettingKey::KeepFullScreen, false}}},
        {Names({"lockdown"}), "All four of --noquit, --noprint, --nofiledialogs and --keepfullscreen; an option "
         "undoing one of them wins.", nullptr,
         Sets{{SettingKey::NoQuit, true},
              {SettingKey::NoPrint, true},
              {SettingKey::NoFileDialogs, true},
              {SettingKey::KeepFullScreen, true}}},
    };
    return rows;
}

QString OptionFor(SettingKey key, const QVariant& value) {
    for (const OptionRow& row : OptionTable())
        if (row.sets.size() == 1 && row.sets[0].first == key &&
            (!row.sets[0].second.isValid() || row.sets[0].second == value))
            return QStringLiteral("--") + row.names.constLast();
    return {};
}

namespace {

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
    // Started from its launcher, as it nearly always is: nothing to read,
    // and no parser or table of options to build for it (a few tenths of
    // a millisecond of a start, sampled).
    if (arguments.size() <= 1) return {};
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Pintaloo, a painting program for young children."));
    // "-fullscreen" as well as "--fullscreen": launchers and parents type both.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    for (const OptionRow& row : OptionTable()) {
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
    if (parser.isSet(QStringLiteral("savedir")) && parser.values(QStringLiteral("savedir")).constLast().trimmed().isEmpty())
        return Failure(parser, QStringLiteral("--savedir needs a folder."));

    // Each option's settings, in the table's order; --lockdown first, so an
    // option undoing one of its four wins, and two options asking opposite
    // things of one key are misuse.
    std::map<SettingKey, QString> setBy;
    for (const bool lockdownPass : {true, false}) {
        for (const OptionRow& row : OptionTable()) {
            const QString name = row.names.constLast();
            if ((name == QLatin1String("lockdown")) != lockdownPass || !parser.isSet(name)) continue;
            for (const auto& [key, fixed] : row.sets) {
                QVariant value = fixed;
                if (!value.isValid()) {
                    if (key == SettingKey::ScanSeconds) value = r.options.scanSeconds;
                    else if (key == SettingKey::Language) value = r.options.lang;
                    else value = QDir::cleanPath(QDir::current().absoluteFilePath(parser.values(name).constLast().trimmed()));
                }
                auto& r0 = r.options.forThisRun;
                const SettingKey k = key;
                const auto same = std::find_if(r0.begin(), r0.end(), [k](const auto& kv) { return kv.first == k; });
                if (same != r0.end()) {
                    if (!lockdownPass && same->second != value && setBy[key] != QLatin1String("lockdown"))
                        return Failure(parser, QStringLiteral("--%1 and --%2 ask opposite things.").arg(setBy[key], name));
                    same->second = value;
                } else {
                    r0.emplace_back(key, value);
                }
                setBy[key] = name;
            }
        }
    }
    // Two switches alone scan every two seconds, as --scan alone does.
    if (r.options.twoSwitches && !parser.isSet(QStringLiteral("scan")))
        r.options.forThisRun.emplace_back(SettingKey::ScanSeconds, 2);
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
