#pragma once

#include <QCommandLineParser>
#include <QString>
#include <QStringList>
#include <optional>

namespace zavolin {

// The commands that zavolin-sheet's options belong to.
enum class CommandPart {
    Sheet,  // a sheet, the whole set, the calibration pages, the template, the list; help
    OwnSet, // --add-picture-set and --remove-picture-set
    Serial, // --check-serial and --export-register
};

// The arguments after the program name, read by one QCommandLineParser that knows every option
// of every command, "--option value" and "--option=value" alike. Options are named here as the
// user types them, "--output". Each command takes the options it understands and says in its
// own words what else is given.
class CommandLine {
public:
    explicit CommandLine(const QStringList& arguments);
    CommandLine(const CommandLine&) = delete;
    CommandLine& operator=(const CommandLine&) = delete;

    bool has(const QString& option) const;
    // How often the option is given.
    qsizetype count(const QString& option) const { return m_given.count(option); }
    QString value(const QString& option) const; // its last value
    QStringList values(const QString& option) const;
    // Every option given, in order, as "--output" ("-h" as typed).
    const QStringList& given() const { return m_given; }
    // The first of `options` (in that order) that is given; empty when none is.
    QString firstOf(const QStringList& options) const;
    // What `part` cannot take, as given: an argument that names no option at all (or is no
    // option), else the first option of another command; nothing when all is the part's.
    std::optional<QString> stranger(CommandPart part) const;
    // The option given last without the value it needs ("--output" at the end); empty when none.
    QString withoutValue() const;

private:
    QCommandLineParser m_parser;
    QStringList m_arguments;
    QStringList m_given;
};

// Ends the reading of the arguments with one line saying what is wrong (a RuntimeError).
[[noreturn]] void badArguments(const QString& line);

} // namespace zavolin
