#include "quiz/CountryListFile.h"

#include "quiz/Windows1252.h"
#include "shell/Failure.h"

#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>

#include <optional>

namespace quiz {

namespace {

// A file cut by byte count may end inside a character. Decoded as though more bytes
// were to come, the split character stays in the decoder, unread, instead of counting
// as an error; a whole file is decoded to its last byte.
QStringDecoder decoderFor(QStringConverter::Encoding encoding, bool cut)
{
    return QStringDecoder(encoding, cut ? QStringDecoder::Flag::Default : QStringDecoder::Flag::Stateless);
}

QString decodeUpToTheCut(QStringDecoder decoder, QByteArrayView bytes, bool cut)
{
    QString text = decoder.decode(bytes);
    // The UTF-16 decoders pass on code units one by one: the first half of a split
    // surrogate pair would be a character of its own. A lone first half the file had
    // just before it goes too, so the text never ends waiting for a second half.
    while (cut && !text.isEmpty() && text.back().isHighSurrogate())
        text.chop(1);
    return text;
}

// The text, when the bytes are valid UTF-8 and hold a multi-byte sequence.
std::optional<QString> multiByteUtf8(QByteArrayView bytes, bool cut)
{
    if (std::all_of(bytes.begin(), bytes.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; }))
        return std::nullopt;
    QStringDecoder utf8 = decoderFor(QStringDecoder::Utf8, cut);
    QString text = utf8.decode(bytes);
    if (utf8.hasError())
        return std::nullopt;
    return text;
}

// The list is written in Windows' ANSI code page: where the system has one (on
// Windows, the system's own code page), the list is read in it. Elsewhere the
// system's text is UTF-8, which the test below tells apart, as no other code page
// reads these two bytes as one é; there the list is read in Windows-1252, the code
// page it ships in.
bool systemTextIsUtf8()
{
    QStringDecoder system(QStringConverter::System, QStringDecoder::Flag::Stateless);
    const QString decoded = system.decode(QByteArrayView("\xC3\xA9"));
    return decoded == QStringView(u"\u00E9");
}

} // namespace

QString decodeCountryList(const QByteArray &bytes, bool cut)
{
    if (const auto marked = QStringConverter::encodingForData(bytes))
        return decodeUpToTheCut(decoderFor(*marked, cut), bytes, cut);
    if (auto utf8 = multiByteUtf8(bytes, cut))
        return *std::move(utf8);
    if (systemTextIsUtf8())
        return fromWindows1252(bytes);
    return decodeUpToTheCut(decoderFor(QStringConverter::System, cut), bytes, cut);
}

void CountryListFile::open(const QString &path)
{
    QFile file(path);
    const QFileInfo info(path);
    if (info.isDir())
        throw shell::Failure(QStringLiteral("Path/File access error: %1 is a folder").arg(path));
    // Opening a named pipe would wait for a writer that never comes.
    if (info.exists() && !info.isFile())
        throw shell::Failure(QStringLiteral("Path/File access error: %1 is not a regular file").arg(path));
    if (!file.open(QIODevice::ReadOnly))
        throw shell::Failure(QStringLiteral("File not found or not readable: %1").arg(path));
    QByteArray bytes = file.read(kMaxBytes + 1);
    if (bytes.isEmpty() && file.error() != QFileDevice::NoError)
        throw shell::Failure(QStringLiteral("Cannot read %1: %2").arg(path, file.errorString()));
    const bool cut = bytes.size() > kMaxBytes;
    if (cut)
        bytes.truncate(kMaxBytes);
    load(bytes, cut);
}

void CountryListFile::load(const QByteArray &bytes, bool cut)
{
    m_text = decodeCountryList(bytes, cut);
    m_next = 0;
    m_cut = cut;
}

QString CountryListFile::readLine()
{
    if (atEnd())
        throw shell::Failure(QStringLiteral("Input past end of file"));
    qsizetype end = m_next;
    while (end < m_text.size() && m_text[end] != u'\r' && m_text[end] != u'\n')
        ++end;
    QString line = m_text.sliced(m_next, end - m_next);
    m_next = end;
    if (m_next < m_text.size()) {
        const bool crlf = m_text[m_next] == u'\r' && m_next + 1 < m_text.size() && m_text[m_next + 1] == u'\n';
        m_next += crlf ? 2 : 1;
    }
    return line;
}

QString CommaFields::first() const
{
    if (count() == 0)
        throw shell::Failure(QStringLiteral("Subscript out of range"));
    return m_line.left(m_line.indexOf(u','));
}

} // namespace quiz
