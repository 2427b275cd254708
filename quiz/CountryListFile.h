// The country list beside the program, read line by line.
//
// The file is read once, whole, up to kMaxBytes. Lines end at CR LF, a lone CR or
// a lone LF. The text is in the ANSI code page (the system's on Windows, else
// Windows-1252) unless the file says otherwise: a byte-order mark selects UTF-8 or
// UTF-16, and a file that is valid UTF-8 and holds multi-byte sequences is read as
// UTF-8. A file cut at kMaxBytes ends at the last whole character before the cut.
#pragma once

#include <QByteArray>
#include <QString>

namespace quiz {

// `cut`: the bytes stop where the count ran out, perhaps inside a character.
QString decodeCountryList(const QByteArray &bytes, bool cut = false);

class CountryListFile
{
public:
    // Far more than any list of names needs; larger files are cut here.
    static constexpr qint64 kMaxBytes = 1 << 20;

    // Throws a Failure when the file cannot be opened or read.
    void open(const QString &path);
    // Takes the file's bytes as read, at most kMaxBytes of them; `cut` says there were more.
    void load(const QByteArray &bytes, bool cut);

    // A file that never opened is at its end, so reading stops at once.
    bool atEnd() const { return m_next >= m_text.size(); }
    // Throws a Failure past the end.
    QString readLine();
    // The file was longer than kMaxBytes and only its beginning is read.
    bool wasCut() const { return m_cut; }

private:
    QString m_text;
    qsizetype m_next = 0;
    bool m_cut = false;
};

// A line split at every comma, as far as the board needs it: the first field and
// whether there is more than one. An empty line has no fields at all.
class CommaFields
{
public:
    CommaFields() = default;
    explicit CommaFields(QString line) : m_line(std::move(line)) {}

    qsizetype count() const { return m_line.isEmpty() ? 0 : m_line.count(u',') + 1; }
    // Throws a Failure when there is no field.
    QString first() const;

private:
    QString m_line;
};

} // namespace quiz
