#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include <optional>

namespace velmora {

struct IniParseResult;

// A settings file as its lines, so that the file can be edited the way a person edits it: a saved value changes
// its own line, a new key gets a line at the end of its section, and every other byte (comments, blank lines,
// unknown sections and keys, their order, the line ends, a byte-order mark) is written back as it came.
//
// A line is a section "[Name]", a setting "Key = value", a comment (";" or "#" first) or blank. A value is the text
// after the first "=" without the blanks (spaces, tabs) around it and without a pair of enclosing double quotes;
// inside such a pair "\"" and "\\" stand for a quote and a backslash, and every other character (outside quotes,
// every character) stands for itself. Names compare without regard to letter case.
class IniDocument {
public:
    struct Setting {
        QString section; // "" for the keys above the first section
        QString key;
        QString value;
    };

    // The document held in the bytes, or why they are no settings file: not UTF-8, a control character other
    // than tab, CR and LF, or a line of none of the four kinds.
    static IniParseResult parse(const QByteArray& bytes);

    // Every setting in file order, names spelt as in the file.
    QList<Setting> settings() const;
    // The value of the last line of the key in the section, if there is one.
    std::optional<QString> value(const QString& section, const QString& key) const;
    // Puts the value into the key's last line, leaving the line as it was when it already reads so; a new key
    // goes at the end of the section's last stretch, a new section at the end of the file. Returns false and
    // changes nothing when no line could hold the names or the value so that they read back the same: a line
    // break or another control character than tab, broken UTF-16, or names that would read as something else.
    bool setValue(const QString& section, const QString& key, const QString& value);
    QByteArray toBytes() const;

    // What a value line holds after "=", and back: quoted when the value starts or ends with a blank or starts
    // with a double quote, else as it stands.
    static QString encodeValue(const QString& value);
    static QString decodeValue(QStringView text);

private:
    enum class LineKind { Blank, Comment, Section, Setting, Unknown };
    struct Line {
        QByteArray bytes; // as in the file, without its line end
        QByteArray end;   // "\n", "\r\n", "\r", or nothing on a last line without one
        LineKind kind = LineKind::Unknown;
        QString section; // the section the line is in; a header's own name
        QString key;
        QString value;
        qsizetype valueStart = 0; // where a setting's value text starts, in characters
    };

    // The line's kind and what it names; the section of a setting is left to the caller.
    static Line readLine(const QString& text);
    static bool readsBack(const QString& text, LineKind kind, const QString& name, const QString& value = {});
    qsizetype lastSettingLine(const QString& section, const QString& key) const;
    qsizetype insertionLine(const QString& section) const;
    void insertLine(qsizetype at, const QString& text);
    QByteArray lineEnd() const;

    QByteArray m_bom;
    QList<Line> m_lines;
};

struct IniParseResult {
    IniDocument document;
    QString error; // empty when the bytes are a settings file
    bool ok() const { return error.isEmpty(); }
};

} // namespace velmora
